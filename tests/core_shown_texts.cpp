// What stays readable beside the board: the labels and captions name the
// squares of the side shown below, a new background keeps the counter and the
// captions, and a new game forgets an earlier flip.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <sstream>

#include "display/marks.h"
#include "game/flip.h"
#include "game/game_modes.h"
#include "game/levels.h"
#include "game/option_commands.h"
#include "game/record_navigation.h"
#include "game/record_panel.h"
#include "records/record_file.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/play_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

// A text as the player sees it at the end: no picture was painted over its
// starting point afterwards. A shadow (the same text printed just before it)
// is left out.
struct SeenText {
  std::string text;
  double X, Y;  // grid position
};

std::vector<SeenText> seen_texts(const test::RecordingCanvas& canvas) {
  std::vector<SeenText> seen;
  bool last_was_print = false;
  for (const std::string& call : canvas.calls) {
    if (call.rfind("picture ", 0) == 0) {
      std::istringstream in(call.substr(8));
      std::string name;
      double left = 0, top = 0;
      in >> name >> left >> top;
      const double size = name == "ZARVOCHESS" ? 555 : 675;
      std::erase_if(seen, [&](const SeenText& s) {
        const double x = grid_left(s.X), y = grid_top(s.Y);
        return x >= left && x < left + size && y >= top && y < top + size;
      });
    }
    const bool print = call.rfind("print ", 0) == 0;
    if (print) {
      const size_t at = call.rfind(" @");
      double left = 0, top = 0;
      char comma = 0;
      std::istringstream in(call.substr(at + 2));
      in >> left >> comma >> top;
      SeenText text{call.substr(6, at - 6), (left - GRID_LEFT) / SQUARE_W, (top - GRID_TOP) / SQUARE_H};
      if (last_was_print && !seen.empty() && seen.back().text == text.text) seen.pop_back();
      seen.push_back(text);
    }
    last_was_print = print;
  }
  return seen;
}

// The text seen at a grid position, or "" when none.
std::string seen_at(const test::RecordingCanvas& canvas, double X, double Y) {
  std::string out;
  for (const SeenText& s : seen_texts(canvas))
    if (std::abs(s.X - X) < 0.01 && std::abs(s.Y - Y) < 0.01) out = s.text;
  return out;
}

class ShownTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    app.platform.panel = &panel;
    app.platform.chooser = &chooser;
    app.options.current_background = TILE_MIDORI;
    t.widgets.set_checked("MIDORI", true);
    reset_game(app);
  }

  // The file letters above the board, left to right, and the rank numbers
  // right of it, top to bottom.
  std::string files() const {
    std::string out;
    for (int X = 1; X <= 8; ++X) out += seen_at(t.canvas, X + 0.3, 0.4);
    return out;
  }
  std::string ranks() const {
    std::string out;
    for (int Y = 1; Y <= 8; ++Y) out += seen_at(t.canvas, 9.1, Y + 0.3);
    return out;
  }
  // The destination a caption names, e.g. "ｅ４".
  std::string caption(int X, int Y) const {
    return seen_at(t.canvas, X + 0.5, Y + 0.6) + seen_at(t.canvas, X + 0.8, Y + 0.7);
  }
  std::string counter() const {
    for (double X : {10.2, 10.1, 10.0})
      if (const std::string s = seen_at(t.canvas, X, 4.3); !s.empty()) return s;
    return "";
  }

  test::ScratchDir dir;
  test::TestApp t;
  App& app = t.app;
  test::FakeRecordPanel panel;
  test::ScriptedChooser chooser{app};
};

constexpr const char* WHITE_FILES = "ａｂｃｄｅｆｇｈ";
constexpr const char* WHITE_RANKS = " 8  7  6  5  4  3  2  1 ";
constexpr const char* BLACK_FILES = "ｈｇｆｅｄｃｂａ";
constexpr const char* BLACK_RANKS = " 1  2  3  4  5  6  7  8 ";

TEST_F(ShownTexts, LabelsAndCaptionsFollowEveryChangeOfTheColours) {
  // A record the upper army opened: its knight to (3, 3), then a lower pawn to (5, 5).
  app.pos.board[2][1] = EMPTY;
  app.pos.board[3][3] = B_KNIGHT;
  record_move(app.record, app.pos.board, 1, 2, 1, 3, 3, B_KNIGHT);
  app.pos.board[5][7] = EMPTY;
  app.pos.board[5][5] = W_PAWN;
  record_move(app.record, app.pos.board, 2, 5, 7, 5, 5, W_PAWN);
  app.game.record_length = 2;
  restore_entry(app, 0);
  app.game.record_mode = 1;

  struct Row {
    const char* step;
    std::function<void(App&)> command;
    const char* files;
    const char* ranks;
    const char* upper_caption;  // the knight's square as named now
  };
  const Row rows[] = {
      {"the first 進 shows the upper army in white", AFTER_Click, BLACK_FILES, BLACK_RANKS, "ｆ３"},
      {"the second 進 keeps them", AFTER_Click, BLACK_FILES, BLACK_RANKS, "ｆ３"},
      {"a two-player game on the shown position turns the colours back", START_Click, WHITE_FILES, WHITE_RANKS, "ｃ６"},
      {"最初 shows the start", CANCEL_Click, WHITE_FILES, WHITE_RANKS, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.step);
    r.command(app);
    EXPECT_EQ(files(), r.files);
    EXPECT_EQ(ranks(), r.ranks);
    EXPECT_EQ(caption(UPPER_CAPTION_X, UPPER_CAPTION_Y), r.upper_caption);
  }
}

TEST_F(ShownTexts, ANewBackgroundKeepsTheCounterAndBothCaptions) {
  START_Click(app);
  test::move_by_clicks(app, 5, 7, 5, 5);  // e4
  test::move_by_clicks(app, 4, 2, 4, 4);  // d5
  ASSERT_EQ(app.game.move_number, 2);
  const std::string before[3] = {counter(), caption(LOWER_CAPTION_X, LOWER_CAPTION_Y),
                                 caption(UPPER_CAPTION_X, UPPER_CAPTION_Y)};
  EXPECT_EQ(before[0], " 2 ");
  EXPECT_EQ(before[1], "ｅ４");
  EXPECT_EQ(before[2], "ｄ５");

  for (auto click : {&TATAMI_Click, &TATAMI_Click, &UCHU_Click}) {
    click(app);
    EXPECT_EQ(counter(), before[0]);
    EXPECT_EQ(caption(LOWER_CAPTION_X, LOWER_CAPTION_Y), before[1]);
    EXPECT_EQ(caption(UPPER_CAPTION_X, UPPER_CAPTION_Y), before[2]);
  }
  // Taking a move back still takes its caption away for good.
  REPLAY_Click(app);
  UCHU_Click(app);
  EXPECT_EQ(caption(UPPER_CAPTION_X, UPPER_CAPTION_Y), "");
  EXPECT_EQ(counter(), " 1 ");
}

TEST_F(ShownTexts, ANewBackgroundKeepsARecordsTitleAndPlayersUntilAGameStarts) {
  const RecordFile file{"第一局", "羽生", "佐藤", {record_entry_at(app.record, 0), record_entry_at(app.record, 0)}, {}};
  take_record(app, file);
  const auto title = [&] { return seen_at(t.canvas, (800.0 - GRID_LEFT) / SQUARE_W, (6350.0 - GRID_TOP) / SQUARE_H); };
  const auto upper = [&] { return seen_at(t.canvas, (3700.0 - GRID_LEFT) / SQUARE_W, (100.0 - GRID_TOP) / SQUARE_H); };
  UCHU_Click(app);
  EXPECT_EQ(title(), "第一局");
  EXPECT_EQ(upper(), "羽生");
  START_Click(app);
  TATAMI_Click(app);
  EXPECT_EQ(title(), "");
  EXPECT_EQ(upper(), "");
}

TEST_F(ShownTexts, ANewGameOnTheInitialPositionForgetsAnEarlierFlip) {
  struct Row {
    const char* story;
    std::function<void(App&)> before_new_game;
    bool save_allowed;
  };
  const Row rows[] = {
      {"flip, 最初", [](App& a) { REVERSE_Click(a), CANCEL_Click(a); }, true},
      {"flip during a game, 最初",
       [](App& a) { START_Click(a), test::move_by_clicks(a, 5, 7, 5, 5), REVERSE_Click(a), CANCEL_Click(a); }, true},
      {"flip during a game, 戻 to the start",
       [](App& a) { START_Click(a), test::move_by_clicks(a, 5, 7, 5, 5), REVERSE_Click(a), REPLAY_Click(a); }, true},
      {"flip on the initial position, no 最初", [](App& a) { REVERSE_Click(a); }, false},
      {"flip during a game, a new game on the position shown",
       [](App& a) { START_Click(a), test::move_by_clicks(a, 5, 7, 5, 5), REVERSE_Click(a); }, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.story);
    reset_game(app);
    app.game.board_reversed = 0;
    app.game.handicap_set = 0;
    app.com.handicap_grade = 0;
    app.game.record_length = 0;
    r.before_new_game(app);
    ASSERT_EQ(app.game.board_reversed, 1);
    START_Click(app);
    t.dialogs.messages.clear();
    KIFU_WRITE_Click(app);
    EXPECT_EQ(panel.fields_shown, r.save_allowed);
    EXPECT_EQ(t.dialogs.texts().empty(), r.save_allowed);
    if (r.save_allowed) {
      // Nothing of the flipped game is left to step into, and handicaps are open again.
      EXPECT_EQ(app.game.record_length, 0);
      t.dialogs.messages.clear();
      LBEL_UP_Click(app);
      EXPECT_TRUE(t.dialogs.messages.empty());
    }
    close_record_panel(app);
  }
}

}  // namespace
}  // namespace zarvo
