#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

#include "qt/main_window.h"
#include "rules/move_rules.h"
#include "tests/support/fakes.h"
#include "tests/support/window_fixture.h"

namespace zarvo {
namespace {

class WindowComputer : public ::testing::Test, public test::WindowSession {
 protected:
  App& app = w.app();

  // The human's move by two clicks; the computer answers inside the second one.
  void move(int fx, int fy, int tx, int ty) {
    click(fx, fy);
    click(tx, ty);
  }
  void expect_computer_moved(int n) {
    EXPECT_EQ(app.game.move_number, n);
    EXPECT_GT(app.record.record_piece[n], 0) << "move " << n;
    EXPECT_EQ(app.game.turn, app.game.lower_player);
    const int x2 = app.record.record_to_x[n];
    const int y2 = app.record.record_to_y[n];
    EXPECT_EQ(app.pos.board[x2][y2], app.record.record_piece[n]);
    EXPECT_EQ(frame_colour(x2, y2), QColor(255, 255, 255)) << "white frame on the computer's destination";
  }
};

TEST_F(WindowComputer, TheComputerAnswersEveryMove) {
  w.trigger("SENTE");
  EXPECT_EQ(dialogs.messages.back().text, "あなたの番です");
  move(5, 7, 5, 5);
  expect_computer_moved(2);
  move(7, 8, 6, 6);
  expect_computer_moved(4);
  move(4, 7, 4, 6);
  expect_computer_moved(6);
  // Each of its moves paused 0.3 seconds before and 0.5 after.
  EXPECT_EQ(std::count(clock.waits.begin(), clock.waits.end(), 0.5), 3);
  EXPECT_EQ(app.com.level, 3);
}

TEST_F(WindowComputer, SecondMoveLetsTheComputerOpenWithKingsAndQueensExchanged) {
  w.trigger("GOTE");
  EXPECT_EQ(app.game.colors_swapped, 1);
  EXPECT_EQ(app.game.lower_player, SECOND);
  expect_computer_moved(1);
  EXPECT_EQ(app.game.turn, SECOND);
  EXPECT_EQ(app.pos.board[4][8], W_KING);
  EXPECT_EQ(app.pos.board[5][8], W_QUEEN);
  EXPECT_EQ(app.record.record_board[1][4][8], W_KING);
  // The human answers and the computer moves again.
  move(5, 7, 5, 5);
  expect_computer_moved(3);
}

TEST_F(WindowComputer, TheComputerPromotesThroughTheChooser) {
  app.pos.board = test::board_from(
      {"....k...", "........", "........", "........", "........", "........", "p.......", "....K..."});
  rescan(app.pos);
  w.trigger("SENTE");
  move(5, 8, 6, 8);
  expect_computer_moved(2);
  EXPECT_EQ(app.pos.board[1][8], B_QUEEN);
  EXPECT_EQ(app.play.promotion_choice, B_QUEEN);  // the black window's queen was pressed
}

TEST_F(WindowComputer, LevelMenuRepaintsTheLevelDuringAGame) {
  w.trigger("SENTE");
  w.trigger("LEVEL1");
  EXPECT_EQ(app.com.level, 1);
  EXPECT_TRUE(w.widgets().is_checked("LEVEL1"));
  EXPECT_FALSE(w.widgets().is_checked("LEVEL3"));
  move(5, 7, 5, 5);
  expect_computer_moved(2);
}

}  // namespace
}  // namespace zarvo
