// Every game ends, and ends right: random games through the real clicks, a
// table of hand-checked mates and stalemates, the flip and the labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "computer/move_scoring.h"
#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "game/flip.h"
#include "game/game_end.h"
#include "game/game_modes.h"
#include "rules/mate_tests.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/play_fakes.h"

namespace zarvo {
namespace {

using test::move_by_clicks;
using test::set_position;

bool has_piece(const Board& b, int code) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (b[x][y] == code) return true;
  return false;
}

// Random clicks in both kinds of game, some from armies against a bare king:
// every position either accepts a move or has shown a result, and no game
// goes on once a king is gone. Flips come in between.
TEST(WholeGames, EveryPositionAcceptsAMoveOrHasAResult) {
  const std::vector<std::string> bare_king[2] = {
      {"....k...", "........", "........", "........", "........", "........", "........", "R..QK..R"},
      {"r..qk..r", "pppppppp", "........", "........", "........", "........", "........", "....K..."}};
  int results[2] = {0, 0};
  for (unsigned seed = 1; seed <= 24; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    test::TestApp t;
    App& app = t.app;
    std::mt19937 rng(seed);
    test::ScriptedChooser chooser(app);  // random buttons, the refused king's included
    for (int i = 0; i < 300; ++i) chooser.presses.push_back(1 + static_cast<int>(rng() % 6));
    test::CountingLifecycle lifecycle;
    const Platform quiet;  // draws nothing, which keeps the long games fast
    app.platform.canvas = quiet.canvas;
    app.platform.chooser = &chooser;
    app.platform.lifecycle = &lifecycle;
    reset_game(app);
    const bool humans = seed % 2 == 1;
    if (humans && seed % 3 != 0) set_position(app, bare_king[seed % 3 - 1]);
    record_move(app.record, app.pos.board, 0, 0, 0, 0, 0, 0);
    humans ? START_Click(app) : seed % 4 == 0 ? GOTE_Click(app) : SENTE_Click(app);
    GameState& g = app.game;
    const auto ended = [&] {
      return std::any_of(t.dialogs.messages.begin(), t.dialogs.messages.end(),
                         [](const test::Message& m) { return m.title == "終了"; });
    };
    for (int n = 0; n < 150 && !ended(); ++n) {
      ASSERT_TRUE(has_piece(app.pos.board, W_KING) && has_piece(app.pos.board, B_KING))
          << "a king is gone, the game goes on";
      if (rng() % 30 == 0) {
        REVERSE_Click(app);
        continue;
      }
      std::vector<std::array<int, 4>> tries;
      const int sign = g.turn == g.lower_player ? -1 : 1;
      for (int fx = 1; fx <= 8; ++fx)
        for (int fy = 1; fy <= 8; ++fy)
          for (int tx = 1; tx <= 8; ++tx)
            for (int ty = 1; ty <= 8; ++ty)
              if (app.pos.board[fx][fy] * sign > 0 && app.pos.board[tx][ty] * sign <= 0)
                tries.push_back({fx, fy, tx, ty});
      std::shuffle(tries.begin(), tries.end(), rng);
      const int before = g.move_number;
      bool accepted = false;
      // En passant by a coin toss; the second round takes it, so that a
      // declined capture cannot pass for a dead end.
      for (int round = 0; round < 2 && !accepted; ++round) {
        for (const auto& [fx, fy, tx, ty] : tries) {
          if (round == 0) t.dialogs.script = {rng() % 2 ? Answer::Yes : Answer::No};
          const bool last_row = abs_code(app.pos.board[fx][fy]) == B_PAWN && (ty == 1 || ty == 8);
          move_by_clicks(app, fx, fy, tx, ty, last_row || rng() % 4 == 0 ? MOUSE_RIGHT : MOUSE_LEFT);
          t.dialogs.script.clear();
          accepted = g.move_number != before || ended();
          if (accepted) break;
        }
      }
      ASSERT_TRUE(accepted) << "dead end after move " << before << ": nothing accepted, no result shown";
    }
    results[humans] += ended();
  }
  // The computer beats random clicks; between humans the bare kings fall.
  EXPECT_GT(results[0], 0);
  EXPECT_GT(results[1], 0);
}

// Positions checked by hand, rows from the top.
TEST(WholeGames, MatesAndStalematesCheckedByHand) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    bool upper;  // the side judged
    int can_move, in_check, mated;
  };
  const std::string e = "........";
  const Case cases[] = {
      {"back-rank mate", {"R.....k.", ".....ppp", e, e, e, e, e, "....K..."}, true, 0, 1, 1},
      {"a block uncovering the queen, the other knight blocks",
       {"k......R", "np......", ".....n..", e, "Q.......", e, e, "....K..."},
       true,
       1,
       1,
       0},
      {"a pinned knight cannot block", {"k......R", "pn......", e, "...B....", e, e, e, "....K..."}, true, 0, 1, 1},
      {"smothered mate", {"......rk", ".....Npp", e, e, e, e, e, "....K..."}, true, 0, 1, 1},
      {"king takes the checker", {"k.......", "Q.......", e, e, e, e, e, "....K..."}, true, 1, 1, 0},
      {"stalemate", {"k.......", "..Q.....", e, e, e, e, e, "....K..."}, true, 0, 0, 0},
      {"boxed in, the pawn can move", {"k.......", "..Q.....", e, "...p....", e, e, e, "....K..."}, true, 1, 0, 0},
      {"fool's mate",
       {"rnb.kbnr", "pppp.ppp", e, "....p...", "......Pq", ".....P..", "PPPPP..P", "RNBQKBNR"},
       false,
       0,
       1,
       1},
      {"the lower army's block uncovering the queen",
       {"....k...", e, e, "q.......", e, ".....N..", "NP......", "K......r"},
       false,
       1,
       1,
       0},
      {"lower stalemate", {"....k...", e, e, e, e, e, ".....q..", ".......K"}, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    test::TestApp t;
    App& app = t.app;
    app.game.lower_player = FIRST;
    app.game.upper_player = SECOND;
    set_position(app, c.rows);
    const BoardMaps maps = app.pos.maps;
    EXPECT_EQ(has_legal_move(app.pos, c.upper ? 1 : 0, 0), c.can_move) << c.name;
    EXPECT_EQ(king_in_check(app.pos, c.upper ? 1 : 0), c.in_check) << c.name;
    EXPECT_EQ(app.pos.maps.lower_attack_count, maps.lower_attack_count) << c.name << ": maps left changed";
    EXPECT_EQ(c.upper ? upper_king_mated(app.pos) : lower_king_mated(app.pos), c.mated) << c.name;
  }
}

TEST(WholeGames, TheFlipKeepsTheMoveOrder) {
  test::TestApp t;
  App& app = t.app;
  test::ScriptedChooser chooser(app);
  app.platform.chooser = &chooser;
  reset_game(app);
  REVERSE_Click(app);  // before a game: nobody moves
  EXPECT_EQ(app.game.turn, NONE);
  reset_game(app);
  START_Click(app);
  move_by_clicks(app, 5, 7, 5, 5);
  REVERSE_Click(app);
  // Black's army, to move, is now below: the lower player moves it.
  EXPECT_EQ(app.game.turn, app.game.lower_player);
  EXPECT_EQ(app.pos.board[4][4], B_PAWN);  // White's pawn, turned round, above
  move_by_clicks(app, 4, 7, 4, 5);
  EXPECT_EQ(app.game.move_number, 2);
  EXPECT_EQ(app.game.turn, app.game.upper_player);
  // Against the computer the human's army goes up, to the computer, which moves at once.
  reset_game(app);
  SENTE_Click(app);
  move_by_clicks(app, 5, 7, 5, 5);
  REVERSE_Click(app);
  EXPECT_EQ(app.game.move_number, 3);
  EXPECT_GT(app.record.record_piece[3], 0);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

// With the lower army drawn black, the squares are named from Black's side.
TEST(WholeGames, LabelsFollowTheSideShownBelow) {
  test::TestApp t;
  App& app = t.app;
  const std::string labels[2] = {"ａ 8 ｂ 7 ｃ 6 ｄ 5 ｅ 4 ｆ 3 ｇ 2 ｈ 1 ",
                                 "ｈ 1 ｇ 2 ｆ 3 ｅ 4 ｄ 5 ｃ 6 ｂ 7 ａ 8 "};
  for (int swapped : {0, 1}) {
    app.game.colors_swapped = swapped;
    t.canvas.clear();
    draw_coordinates(app);
    std::string yellow;
    for (const auto& text : t.canvas.texts)
      if (text.colour == QB_YELLOW) yellow += text.text;
    EXPECT_EQ(yellow, labels[swapped]);
  }
  // White's h-pawn pushed one square, seen from Black's side.
  t.canvas.clear();
  show_move_caption(app, UPPER_CAPTION_X, UPPER_CAPTION_Y, 1, 3, B_PAWN, QB_BRIGHT_WHITE);
  std::string caption;
  for (const auto& text : t.canvas.texts)
    if (text.colour == QB_BRIGHT_WHITE) caption += text.text;
  EXPECT_EQ(caption, "ｈ３ポーン");
  app.game.colors_swapped = 0;
  EXPECT_EQ(square_label(app, 1, 3), "ａ６");
}

}  // namespace
}  // namespace zarvo
