#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "qt/main_window.h"
#include "rules/move_rules.h"
#include "tests/support/fakes.h"
#include "tests/support/window_fixture.h"

namespace zarvo {
namespace {

struct HumanMove {
  int fx = 0, fy = 0, tx = 0, ty = 0;
  int value = -1;
};

// The lower army's move a simple player would make: the most valuable safe
// capture, else the first safe move in board order.
HumanMove choose_human_move(App& app) {
  HumanMove best;
  for (int fx = 1; fx <= 8; ++fx)
    for (int fy = 1; fy <= 8; ++fy) {
      const int piece = app.pos.board[fx][fy];
      if (!is_w_piece(piece)) continue;
      for (int tx = 1; tx <= 8; ++tx)
        for (int ty = 1; ty <= 8; ++ty) {
          if (check_piece_move(app.pos, fx, fy, tx, ty, piece) != 1) continue;
          // After the computer announced mate any move is taken, and the king falls.
          if (app.game.mate_announced == 0 &&
              move_keeps_king_safe(app.pos, fx, fy, tx, ty, app.game.turn == app.game.upper_player ? 1 : 0) != 1)
            continue;
          const int value = abs_code(app.pos.board[tx][ty]);
          if (value > best.value) best = {fx, fy, tx, ty, value};
        }
    }
  rescan(app.pos);
  return best;
}

class WholeGame : public ::testing::TestWithParam<int>, public test::WindowSession {
 protected:
  WholeGame() : WindowSession(/*count_ends=*/true) {}
  test::CountingLifecycle& lifecycle = counting;
};

// A human plays a whole game against the computer in the real window, with
// mouse clicks, until a result is announced and a new game is set up.
TEST_P(WholeGame, AgainstTheComputerUntilTheResult) {
  w.trigger(("LEVEL" + std::to_string(GetParam())).c_str());
  EXPECT_EQ(w.app().com.level, GetParam());
  w.trigger("SENTE");
  App& app = w.app();
  int human_moves = 0;
  while (app.game.turn == app.game.lower_player && app.game.move_number < 400) {
    const HumanMove m = choose_human_move(app);
    if (m.value < 0) break;  // no safe move: nothing more to play
    const bool promotes = promotion_due(m.fx, m.fy, m.tx, m.ty, app.pos.board[m.fx][m.fy]) == 1;
    click(m.fx, m.fy, Qt::LeftButton);
    if (promotes) {
      QTimer::singleShot(0, [] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
          auto* d = qobject_cast<QDialog*>(top);
          if (!d || !d->isVisible()) continue;
          if (auto* b = d->findChild<QToolButton*>("W_QEEN")) b->click();
        }
      });
    }
    const int before = app.game.move_number;
    click(m.tx, m.ty, promotes ? Qt::RightButton : Qt::LeftButton);
    ++human_moves;
    // Every human move is answered unless the game ended with it.
    if (app.game.turn != NONE) {
      EXPECT_EQ(app.game.move_number, before + 2);
    }
  }
  bool result = false;
  for (const auto& m : dialogs.messages) {
    if (m.title == "終了") result = true;
  }
  EXPECT_TRUE(result || app.game.move_number >= 400) << "moves: " << app.game.move_number;
  EXPECT_GT(human_moves, 1);
  EXPECT_EQ(lifecycle.count, 0);  // "続けますか？" was answered Yes
}

INSTANTIATE_TEST_SUITE_P(EachLevel, WholeGame, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace zarvo
