#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <utility>

#include "display/marks.h"
#include "game/record_navigation.h"
#include "rules/move_rules.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

using Square = std::pair<int, int>;

// Squares whose grid outline was drawn: every draw_square ends with one.
std::set<Square> outlined_squares(const test::RecordingCanvas& canvas) {
  std::set<Square> out;
  for (const std::string& call : canvas.matching("box ")) {
    std::istringstream in(call.substr(4));
    double x1, y1, x2, y2;
    int colour;
    in >> x1 >> y1 >> x2 >> y2 >> colour;
    if (colour != grid_colour) continue;
    out.insert({static_cast<int>((x1 - GRID_LEFT) / SQUARE_W), static_cast<int>((y1 - GRID_TOP) / SQUARE_H)});
  }
  return out;
}

std::set<Square> differing_squares(const Board& a, const Board& b) {
  std::set<Square> out;
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y)
      if (a[x][y] != b[x][y]) out.insert({x, y});
  return out;
}

class Navigation : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::FakeRecordPanel panel;

  void SetUp() override {
    app.platform.panel = &panel;
    app.sounds.sound_forbidden = 11;
    app.sounds.sound_piece = 12;
    app.options.current_background = TILE_MIDORI;
    reset_game(app);
    app.game.record_length = 0;
  }

  // Makes a move the way play records it; an en passant capture names its victim.
  void move(int fx, int fy, int tx, int ty, int piece, Square victim = {0, 0}) {
    if (victim.first != 0) app.pos.board[victim.first][victim.second] = EMPTY;
    play_move(app.pos, {fx, fy, tx, ty, piece});
    app.game.move_number += 1;
    record_move(app.record, app.pos.board, app.game.move_number, fx, fy, tx, ty, piece);
    app.game.record_length = app.game.move_number;
  }

  // Fifteen moves with a capture, en passant, castling and a promotion with capture.
  void play_sample_game() {
    move(5, 7, 5, 5, W_PAWN);
    move(4, 2, 4, 4, B_PAWN);
    move(5, 5, 4, 4, W_PAWN);  // 3: takes the pawn
    move(3, 2, 3, 4, B_PAWN);
    move(4, 4, 3, 3, W_PAWN, {3, 4});  // 5: en passant
    move(7, 1, 6, 3, B_KNIGHT);
    move(7, 8, 6, 6, W_KNIGHT);
    move(8, 2, 8, 3, B_PAWN);
    move(6, 8, 5, 7, W_BISHOP);
    move(1, 2, 1, 3, B_PAWN);
    move(5, 8, 7, 8, W_KING);  // 11: castling
    move(1, 3, 1, 4, B_PAWN);
    move(3, 3, 2, 2, W_PAWN);  // 13: takes a pawn
    move(8, 3, 8, 4, B_PAWN);
    move(2, 2, 1, 1, W_QUEEN);  // 15: promotes, taking the rook
    t.canvas.clear();
    t.sound.calls.clear();
    t.dialogs.messages.clear();
  }

  int count_sound(const std::string& call) const {
    return static_cast<int>(std::count(t.sound.calls.begin(), t.sound.calls.end(), call));
  }
};

TEST_F(Navigation, RestoreEntryRepaintsOnlyTheSquaresThatDiffer) {
  play_sample_game();
  struct Step {
    const char* what;
    int from, to;
    size_t squares;
  };
  const Step steps[] = {{"capture taken back", 3, 2, 2},    {"en passant taken back", 5, 4, 3},
                        {"castling taken back", 11, 10, 4}, {"promotion taken back", 15, 14, 2},
                        {"promotion replayed", 14, 15, 2},  {"whole game back", 15, 0, 0}};
  for (const Step& s : steps) {
    restore_entry(app, s.from);
    t.canvas.clear();
    const std::set<Square> expected = differing_squares(app.pos.board, app.record.record_board[s.to]);
    if (s.squares) {
      EXPECT_EQ(expected.size(), s.squares) << s.what;
    }
    restore_entry(app, s.to);
    EXPECT_EQ(app.pos.board, app.record.record_board[s.to]) << s.what;
    EXPECT_EQ(outlined_squares(t.canvas), expected) << s.what;
  }
  // The stored boards themselves hold what came back.
  const Board& before_castling = app.record.record_board[10];
  EXPECT_EQ(before_castling[5][8], W_KING);
  EXPECT_EQ(before_castling[8][8], W_ROOK);
  EXPECT_EQ(app.record.record_board[4][3][4], B_PAWN);
  EXPECT_EQ(app.record.record_board[14][1][1], B_ROOK);
  // Outside the record nothing happens.
  t.canvas.clear();
  const Board now = app.pos.board;
  restore_entry(app, -1);
  restore_entry(app, RECORD_ENTRIES);
  EXPECT_EQ(app.pos.board, now);
  EXPECT_TRUE(t.canvas.calls.empty());
}

TEST_F(Navigation, BackToTheStartAndForwardToTheEndGiveEveryStoredBoard) {
  play_sample_game();
  app.game.turn = FIRST;
  for (int n = 14; n >= 0; --n) {
    REPLAY_Click(app);
    ASSERT_EQ(app.game.move_number, n);
    EXPECT_EQ(app.pos.board, app.record.record_board[n]) << n;
    EXPECT_EQ(app.game.turn, NONE);
  }
  EXPECT_EQ(count_sound("dsPlay 12"), 15);
  REPLAY_Click(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "できません");
  EXPECT_EQ(t.dialogs.messages[0].title, "戻る");
  EXPECT_EQ(count_sound("dsPlay 11"), 1);
  EXPECT_EQ(app.game.move_number, 0);

  for (int n = 1; n <= 15; ++n) {
    AFTER_Click(app);
    ASSERT_EQ(app.game.move_number, n);
    EXPECT_EQ(app.pos.board, app.record.record_board[n]) << n;
  }
  EXPECT_EQ(app.game.record_length, 15);
  EXPECT_EQ(app.game.colors_swapped, 0);  // the lower army opened the game
  t.dialogs.messages.clear();
  t.sound.calls.clear();
  AFTER_Click(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "できません");
  EXPECT_EQ(t.dialogs.messages[0].title, "進む");
  EXPECT_EQ(count_sound("dsPlay 11"), 1);
}

TEST_F(Navigation, AtTheEndOfALoadedRecordForwardSaysEndWithoutSound) {
  play_sample_game();
  app.game.record_mode = 1;
  AFTER_Click(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "終わり");
  EXPECT_EQ(t.dialogs.messages[0].title, "進む");
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(Navigation, StepsCloseTheRecordPanel) {
  play_sample_game();
  panel.drives_shown = panel.folders_shown = panel.fields_shown = true;
  panel.texts[PanelText::Title] = "題";
  REPLAY_Click(app);
  EXPECT_FALSE(panel.drives_shown || panel.folders_shown || panel.files_shown || panel.fields_shown);
  EXPECT_EQ(panel.texts[PanelText::Title], "");
  panel.files_shown = true;
  AFTER_Click(app);
  EXPECT_FALSE(panel.files_shown);
}

TEST_F(Navigation, ForwardShowsTheCaptionAndTheCounter) {
  play_sample_game();
  restore_entry(app, 0);
  app.game.move_number = 0;
  t.canvas.clear();
  AFTER_Click(app);  // the lower army's e-pawn to e4
  // The caption of a lower-army move sits at (10, 7) in bright white: file, row, piece name.
  const auto printed = [&](const std::string& text, double X, double Y) {
    return std::any_of(t.canvas.texts.begin(), t.canvas.texts.end(), [&](const test::RecordingCanvas::Text& p) {
      return p.text == text && p.left == grid_left(X) && p.top == grid_top(Y) && p.colour == QB_BRIGHT_WHITE;
    });
  };
  EXPECT_TRUE(printed("ｅ", LOWER_CAPTION_X + 0.5, LOWER_CAPTION_Y + 0.6));
  EXPECT_TRUE(printed("４", LOWER_CAPTION_X + 0.8, LOWER_CAPTION_Y + 0.7));
  EXPECT_TRUE(printed("ポーン", LOWER_CAPTION_X + 0.3, LOWER_CAPTION_Y + 1.1));
  EXPECT_FALSE(printed("ｅ", UPPER_CAPTION_X + 0.5, UPPER_CAPTION_Y + 0.6));
  const bool counter = std::any_of(t.canvas.texts.begin(), t.canvas.texts.end(),
                                   [](const test::RecordingCanvas::Text& p) { return p.text == " 1 "; });
  EXPECT_TRUE(counter);
  // Marks were cleared: every square got its green outline.
  EXPECT_EQ(outlined_squares(t.canvas).size(), 64u);
  t.canvas.clear();
  AFTER_Click(app);  // the upper army's reply is captioned on the left
  EXPECT_TRUE(printed("ｄ", UPPER_CAPTION_X + 0.5, UPPER_CAPTION_Y + 0.6));
  EXPECT_TRUE(printed("５", UPPER_CAPTION_X + 0.8, UPPER_CAPTION_Y + 0.7));
}

TEST_F(Navigation, BackErasesTheCaptionOfTheMoveTakenBack) {
  play_sample_game();
  const std::string bg = "picture HAIKEI_MIDORI ";
  const auto tile = [&](double X, double Y) {
    std::ostringstream s;
    s << bg << grid_left(X) << " " << grid_top(Y);
    return s.str();
  };
  // From 15 to 14: the position now shown came from an upper-army move, so the
  // lower army's caption on the right goes.
  REPLAY_Click(app);
  std::vector<std::string> tiles = t.canvas.matching(bg);
  // The counter's own tiles at (10, 4) and (11, 4) follow.
  const std::vector<std::string> lower = {tile(10, 7), tile(11, 7), tile(10, 8), tile(11, 8), tile(10, 4), tile(11, 4)};
  EXPECT_EQ(tiles, lower);
  // From 14 to 13: the upper caption goes, and the board's first column is repainted over it.
  t.canvas.clear();
  REPLAY_Click(app);
  tiles = t.canvas.matching(bg);
  const std::vector<std::string> upper = {tile(-1, 2), tile(0, 2), tile(-1, 3), tile(0, 3), tile(10, 4), tile(11, 4)};
  EXPECT_EQ(tiles, upper);
  const std::set<Square> outlined = outlined_squares(t.canvas);
  EXPECT_TRUE(outlined.count({1, 2}) && outlined.count({1, 3}));
  // Back to entry 0 blanks the upper cells whoever made move 1: entry 0 has piece 0.
  while (app.game.move_number > 1) REPLAY_Click(app);
  t.canvas.clear();
  REPLAY_Click(app);
  EXPECT_EQ(t.canvas.matching(bg), upper);
}

TEST_F(Navigation, BackResetsTheGameFlags) {
  play_sample_game();
  app.game.turn = FIRST;
  app.game.mate_announced = 1;
  app.game.selection_state = 1;
  REPLAY_Click(app);
  EXPECT_EQ(app.game.turn, NONE);
  EXPECT_EQ(app.game.mate_announced, 0);
  EXPECT_EQ(app.game.selection_state, 0);
  EXPECT_EQ(app.game.record_length, 15);
}

TEST_F(Navigation, ARecordOpenedByTheUpperArmySwapsColoursOnTheFirstStep) {
  // A record whose first move is a B-side knight.
  move(2, 1, 3, 3, B_KNIGHT);
  move(5, 7, 5, 5, W_PAWN);
  restore_entry(app, 0);
  app.game.move_number = 0;
  app.game.record_mode = 1;
  t.canvas.clear();
  AFTER_Click(app);
  EXPECT_EQ(app.game.colors_swapped, 1);
  // The whole board was drawn with swapped pictures: the upper army in white.
  EXPECT_FALSE(t.canvas.matching("picture W_ROOK").empty());
  EXPECT_GE(outlined_squares(t.canvas).size(), 64u);
  AFTER_Click(app);
  EXPECT_EQ(app.game.colors_swapped, 1);
  // A record the lower army opened keeps the colours.
  CANCEL_Click(app);
  EXPECT_EQ(app.game.colors_swapped, 0);
}

TEST_F(Navigation, FirstPositionKeepsTheRecordForReplay) {
  play_sample_game();
  app.game.record_mode = 1;
  app.game.turn = FIRST;
  app.game.winner = SECOND;
  CANCEL_Click(app);
  Board start{};
  set_initial_position(start);
  EXPECT_EQ(app.pos.board, start);
  EXPECT_EQ(app.game.move_number, 0);
  EXPECT_EQ(app.game.record_length, 15);
  EXPECT_EQ(app.game.record_mode, 1);
  EXPECT_EQ(app.game.turn, NONE);
  EXPECT_EQ(app.game.winner, NONE);
  EXPECT_EQ(count_sound("dsPlay 12"), 1);
  AFTER_Click(app);
  EXPECT_EQ(app.pos.board, app.record.record_board[1]);
}

}  // namespace
}  // namespace zarvo
