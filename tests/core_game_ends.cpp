// Every game ends, and ends right: random games through the real clicks, a
// table of hand-checked mates and stalemates, the flip and the labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "computer/move_scoring.h"
#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "play/game_modes.h"
#include "rules/game_end.h"
#include "tests/support/computer_fakes.h"
#include "tests/support/fakes.h"
#include "tests/support/play_fakes.h"

namespace zarvo {
namespace {

using test::click_square;
using test::move_by_clicks;
using test::set_position;

// Answers what a game asks: en passant by a coin toss (or always Yes), another
// game with Yes; notes every result shown.
class GameDialogs final : public Dialogs {
 public:
  explicit GameDialogs(std::mt19937& rng) : rng_(rng) {}
  Answer message_box(std::string_view text, std::string_view, Buttons buttons, Icon) override {
    if (text == "引き分けです" || text.ends_with("の勝ちです")) results.emplace_back(text);
    if (text == "取りますか？") return take_always || rng_() % 2 ? Answer::Yes : Answer::No;
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  std::vector<std::string> results;
  bool take_always = false;

 private:
  std::mt19937& rng_;
};

// Presses a random button, the king's included (which refuses the move).
class RandomChooser final : public PromotionWindows {
 public:
  RandomChooser(App& app, std::mt19937& rng) : app_(app), rng_(rng) {}
  void show_modal(int form, int, int) override {
    const int kind = 1 + static_cast<int>(rng_() % 6);
    if (kind == 6) {
      promotion_king_click(app_, form);
    } else {
      promotion_button_click(app_, form, kind);
    }
  }
  void show(int, int, int) override {}
  void hide_all() override {}
  void show_selected(int, int, int, int) override {}
  void restore_button(int, int) override {}
  void unload(int) override {}

 private:
  App& app_;
  std::mt19937& rng_;
};

bool has_piece(const Board& b, int code) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (b[x][y] == code) return true;
  return false;
}

struct Tally {
  int games = 0, results = 0, flips = 0;
};

enum class Start { TwoHumans, HumanFirst, HumanSecond };

// Besides the initial position, armies against a bare king, where random
// play soon meets mates and stalemates.
const std::vector<std::string> against_bare_king[2] = {
    {"....k...", "........", "........", "........", "........", "........", "........", "R..QK..R"},
    {"r..qk..r", "pppppppp", "........", "........", "........", "........", "........", "....K..."}};

// One game of random clicks. At every position with no result shown, some
// move must be accepted; once a king is gone, a result must have been shown.
void play_random_game(unsigned seed, Start start, Tally& tally, const std::vector<std::string>* rows = nullptr) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  test::TestApp t;
  App& app = t.app;
  std::mt19937 rng(seed);
  GameDialogs dialogs(rng);
  RandomChooser chooser(app, rng);
  app.platform.canvas = &null_canvas();
  app.platform.dialogs = &dialogs;
  app.platform.chooser = &chooser;
  reset_game(app);
  if (rows) {
    set_position(app, *rows);
    record_move(app.record, app.game.board, 0, 0, 0, 0, 0, 0);
  }
  switch (start) {
    case Start::TwoHumans: START_Click(app); break;
    case Start::HumanFirst: SENTE_Click(app); break;
    case Start::HumanSecond: GOTE_Click(app); break;
  }
  ++tally.games;
  GameState& g = app.game;
  for (int turn = 0; turn < 150 && dialogs.results.empty(); ++turn) {
    ASSERT_NE(g.turn, NONE) << "no result, yet no game running";
    ASSERT_TRUE(has_piece(g.board, W_KING) && has_piece(g.board, B_KING)) << "a king is gone, the game goes on";
    if (rng() % 30 == 0) {
      ++tally.flips;
      const int mover_sign = g.turn == g.lower_player ? -1 : 1;
      const int before = g.move_number;
      REVERSE_Click(app);
      if (g.game_kind == KIND_TWO_HUMANS) {
        // The same army, now on the other side, is still to move.
        EXPECT_EQ(g.turn == g.lower_player ? 1 : -1, mover_sign);
      } else {
        EXPECT_EQ(g.move_number, before + 1) << "the computer takes over the army that was to move";
      }
      continue;
    }
    std::vector<std::array<int, 4>> tries;
    const bool lower = g.turn == g.lower_player;
    for (int fx = 1; fx <= BOARD_SIZE; ++fx)
      for (int fy = 1; fy <= BOARD_SIZE; ++fy) {
        const int k = g.board[fx][fy];
        if (lower ? k > W_PAWN : k < B_PAWN) continue;
        for (int tx = 1; tx <= BOARD_SIZE; ++tx)
          for (int ty = 1; ty <= BOARD_SIZE; ++ty) {
            const int target = g.board[tx][ty];
            if (lower ? target > W_PAWN || target == EMPTY : target < B_PAWN) tries.push_back({fx, fy, tx, ty});
          }
      }
    std::shuffle(tries.begin(), tries.end(), rng);
    const int before = g.move_number;
    bool accepted = false;
    // A second round takes every en passant offered, so a declined capture
    // cannot look like a dead end.
    for (int round = 0; round < 2 && !accepted; ++round) {
      dialogs.take_always = round == 1;
      for (const auto& [fx, fy, tx, ty] : tries) {
        const int k = g.board[fx][fy];
        const bool last_row = (k == W_PAWN && ty == 1) || (k == B_PAWN && ty == 8);
        move_by_clicks(app, fx, fy, tx, ty, last_row || rng() % 4 == 0 ? MOUSE_RIGHT : MOUSE_LEFT);
        if (g.move_number != before || !dialogs.results.empty()) {
          accepted = true;
          break;
        }
      }
    }
    ASSERT_TRUE(accepted) << "dead end after move " << before << ": nothing is accepted and no result was shown";
  }
  if (!dialogs.results.empty()) {
    ++tally.results;
    EXPECT_EQ(dialogs.results.size(), 1u);
    EXPECT_EQ(g.turn, NONE) << "Yes to another game sets up a new one";
  }
}

TEST(WholeGames, EveryPositionHasAnAcceptedMoveOrAResult) {
  Tally humans, computer;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    play_random_game(seed, Start::TwoHumans, humans, seed % 3 ? &against_bare_king[seed % 3 - 1] : nullptr);
    play_random_game(100 + seed, seed % 2 ? Start::HumanFirst : Start::HumanSecond, computer);
    if (HasFatalFailure()) return;
  }
  // The computer beats random clicks: the games above did reach their ends.
  EXPECT_GT(computer.results, 0);
  EXPECT_GT(humans.flips + computer.flips, 0);
}

// Positions checked by hand; squares are written from the top row down.
TEST(WholeGames, MatesAndStalematesCheckedByHand) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    bool upper;    // the side judged: the upper army, else the lower
    int can_move;  // has_legal_move
    int in_check;
    int mated;     // upper_king_mated or lower_king_mated
  };
  const std::string e = "........";
  const Case cases[] = {
      {"back-rank mate", {"R.....k.", ".....ppp", e, e, e, e, e, "....K..."}, true, 0, 1, 1},
      {"the pinned knight's block uncovers the queen, the other knight still blocks",
       {"k......R", "np......", ".....n..", e, "Q.......", e, e, "....K..."}, true, 1, 1, 0},
      {"a pinned knight cannot block", {"k......R", "pn......", e, "...B....", e, e, e, "....K..."}, true, 0, 1, 1},
      {"smothered mate", {"......rk", ".....Npp", e, e, e, e, e, "....K..."}, true, 0, 1, 1},
      {"king takes the undefended checker", {"k.......", "Q.......", e, e, e, e, e, "....K..."}, true, 1, 1, 0},
      {"stalemate in the corner", {"k.......", "..Q.....", e, e, e, e, e, "....K..."}, true, 0, 0, 0},
      {"boxed-in king whose pawn can move", {"k.......", "..Q.....", e, "...p....", e, e, e, "....K..."}, true, 1, 0, 0},
      {"fool's mate", {"rnb.kbnr", "pppp.ppp", e, "....p...", "......Pq", ".....P..", "PPPPP..P", "RNBQKBNR"},
       false, 0, 1, 1},
      {"the lower army's mirror of the pinned knight",
       {"....k...", e, e, "q.......", e, ".....N..", "NP......", "K......r"}, false, 1, 1, 0},
      {"lower stalemate", {"....k...", e, e, e, e, e, ".....q..", ".......K"}, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    test::TestApp t;
    App& app = t.app;
    app.game.lower_player = FIRST;
    app.game.upper_player = SECOND;
    set_position(app, c.rows);
    const int player = c.upper ? app.game.upper_player : app.game.lower_player;
    const BoardMaps maps = app.maps;
    EXPECT_EQ(has_legal_move(app, player), c.can_move) << c.name;
    EXPECT_EQ(king_in_check(app, player), c.in_check) << c.name;
    EXPECT_EQ(app.maps.lower_attack_count, maps.lower_attack_count) << c.name << ": the maps were left changed";
    EXPECT_EQ(c.upper ? upper_king_mated(app) : lower_king_mated(app), c.mated) << c.name;
  }
}

class Flip : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::ScriptedChooser chooser{app};
  void SetUp() override {
    app.platform.chooser = &chooser;
    reset_game(app);
  }
};

TEST_F(Flip, BetweenHumansTheArmyToMoveStillMoves) {
  START_Click(app);
  move_by_clicks(app, 5, 7, 5, 5);  // White's pawn; Black is to move
  ASSERT_EQ(app.game.turn, SECOND);
  REVERSE_Click(app);
  // Black's army is now the lower one, and the lower player moves.
  EXPECT_EQ(app.game.turn, app.game.lower_player);
  EXPECT_EQ(app.game.board[4][4], B_PAWN);  // White's pawn, turned round, now of the upper army
  move_by_clicks(app, 4, 7, 4, 5);
  EXPECT_EQ(app.game.move_number, 2);
  EXPECT_EQ(app.game.turn, app.game.upper_player);
  // Before a game the flip hands the move to nobody.
  reset_game(app);
  REVERSE_Click(app);
  EXPECT_EQ(app.game.turn, NONE);
  EXPECT_EQ(app.game.move_number, 0);
}

TEST_F(Flip, AgainstTheComputerItTakesOverTheArmyThatWasToMove) {
  SENTE_Click(app);
  move_by_clicks(app, 5, 7, 5, 5);
  ASSERT_EQ(app.game.move_number, 2);  // the computer answered
  REVERSE_Click(app);
  // The human's army went up and is the computer's now: it moves at once.
  EXPECT_EQ(app.game.move_number, 3);
  EXPECT_GT(app.record.record_piece[3], 0);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

// With the lower army shown black, the squares are named from Black's side.
TEST(Labels, FollowTheSideShownBelow) {
  test::TestApp t;
  App& app = t.app;
  const std::string files[2] = {"ａｂｃｄｅｆｇｈ", "ｈｇｆｅｄｃｂａ"};
  const std::string ranks[2] = {" 8  7  6  5  4  3  2  1 ", " 1  2  3  4  5  6  7  8 "};
  for (int swapped : {0, 1}) {
    app.game.colors_swapped = swapped;
    t.canvas.clear();
    draw_coordinates(app);
    std::string file_row, rank_column;
    for (const auto& text : t.canvas.texts) {
      if (text.colour != QB_YELLOW) continue;
      (text.left < grid_left(9) ? file_row : rank_column) += text.text;
    }
    EXPECT_EQ(file_row, files[swapped]) << "colors_swapped " << swapped;
    EXPECT_EQ(rank_column, ranks[swapped]) << "colors_swapped " << swapped;
  }
  // White's h-pawn pushed one square, as the player sees it from Black's side.
  app.game.colors_swapped = 1;
  EXPECT_EQ(square_label(app, 1, 3), "ｈ３");
  t.canvas.clear();
  show_move_caption(app, UPPER_CAPTION_X, UPPER_CAPTION_Y, 1, 3, B_PAWN, QB_BRIGHT_WHITE);
  std::string caption;
  for (const auto& text : t.canvas.texts)
    if (text.colour == QB_BRIGHT_WHITE) caption += text.text;
  EXPECT_EQ(caption, "ｈ３ポーン");
  app.game.colors_swapped = 0;
  EXPECT_EQ(square_label(app, 1, 3), "ａ６");
  EXPECT_EQ(square_label(app, 5, 6), "ｅ３");
}

TEST(Labels, StartingASecondGameRedrawsThemFromBlacksSide) {
  test::TestApp t;
  App& app = t.app;
  reset_game(app);
  t.canvas.clear();
  GOTE_Click(app);
  std::string last_files;
  for (const auto& text : t.canvas.texts)
    if (text.colour == QB_YELLOW && text.left < grid_left(9) && text.top < grid_top(1)) last_files += text.text;
  ASSERT_GE(last_files.size(), std::string("ｈｇｆｅｄｃｂａ").size());
  EXPECT_EQ(last_files.substr(last_files.size() - std::string("ｈｇｆｅｄｃｂａ").size()), "ｈｇｆｅｄｃｂａ");
}

// The computer's castling candidates obey the same rule as the human's.
TEST(WholeGames, TheComputerCastlesOnlyByTheRule) {
  test::TestApp t;
  App& app = t.app;
  test::set_computer_game(app, {"r...k..r", "........", "........", "........", "........", "........", ".....R..",
                                "....K..."});
  test::SearchLog log = test::run_search(app);
  EXPECT_EQ(test::find_candidate(log, 5, 1, 7, 1), nullptr) << "castling through the attacked (6, 1)";
  EXPECT_NE(test::find_candidate(log, 5, 1, 3, 1), nullptr);
  // The king went away and came back: no castling either way.
  test::set_computer_game(app, {"r...k..r", "........", "........", "........", "........", "........", "........",
                                "....K..."});
  app.game.move_number = 2;
  record_move(app.record, app.game.board, 1, 5, 1, 5, 2, B_KING);
  record_move(app.record, app.game.board, 2, 5, 2, 5, 1, B_KING);
  log = test::run_search(app);
  EXPECT_EQ(test::find_candidate(log, 5, 1, 7, 1), nullptr);
  EXPECT_EQ(test::find_candidate(log, 5, 1, 3, 1), nullptr);
  EXPECT_NE(test::find_candidate(log, 5, 1, 6, 1), nullptr);
}

}  // namespace
}  // namespace zarvo
