#include <gtest/gtest.h>

#include <algorithm>

#include "game/flip.h"
#include "game/game_end.h"
#include "game/game_modes.h"
#include "rules/move_rules.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/play_fakes.h"

namespace zarvo {
namespace {

using test::click_square;
using test::move_by_clicks;

class Play : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::ScriptedChooser chooser{app};

  void SetUp() override {
    app.platform.chooser = &chooser;
    app.sounds.sound_forbidden = 11;
    app.sounds.sound_piece = 12;
    reset_game(app);
  }
  void start_two_humans() {
    START_Click(app);
    t.dialogs.messages.clear();
    t.sound.calls.clear();
  }
  // A position of a game between two humans with the lower player to move.
  void two_human_position(const std::vector<std::string>& rows) {
    start_two_humans();
    test::set_position(app, rows);
    record_move(app.record, app.pos.board, app.game.move_number, 0, 0, 0, 0, 0);
  }
  int count_sound(const std::string& call) const {
    return static_cast<int>(std::count(t.sound.calls.begin(), t.sound.calls.end(), call));
  }
  std::string last_message() const { return t.dialogs.messages.empty() ? "" : t.dialogs.messages.back().text; }
};

TEST_F(Play, WithoutAGameAClickOnlyAdvises) {
  Form_MouseDown(app, MOUSE_LEFT, 0, 100, 100);  // off the board
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "「対局」で始めて下さい");
  EXPECT_EQ(t.dialogs.messages[0].title, "開始");
  EXPECT_EQ(count_sound("dsPlay 11"), 1);
  // In record mode the hint asks a question; only No sounds the refusal.
  app.game.record_mode = 1;
  t.dialogs.script = {Answer::Yes, Answer::No};
  click_square(app, 5, 7);
  click_square(app, 5, 7);
  EXPECT_EQ(t.dialogs.messages[1].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(t.dialogs.messages[1].title, "棋譜");
  EXPECT_EQ(t.dialogs.messages[1].buttons, Buttons::YesNo);
  EXPECT_EQ(count_sound("dsPlay 11"), 2);
  EXPECT_EQ(app.pos.board[5][7], W_PAWN);
}

TEST_F(Play, AStoppedGameResumesWithThePlayerWhoMovedNext) {
  start_two_humans();
  move_by_clicks(app, 5, 7, 5, 5);
  move_by_clicks(app, 5, 2, 5, 4);
  ASSERT_EQ(app.game.move_number, 2);
  // Stepped back to move 1: the B side made move 2.
  app.game.move_number = 1;
  app.game.turn = NONE;
  click_square(app, 1, 1);
  EXPECT_EQ(last_message(), "OKですか？");
  EXPECT_EQ(t.dialogs.messages.back().title, "再開");
  EXPECT_EQ(app.game.turn, app.game.upper_player);
  // At the end of the record nobody has a next move: the lower player goes on,
  // whatever an older, longer game left in the entries beyond.
  app.record.record_piece[3] = B_KNIGHT;
  app.game.move_number = 2;
  app.game.turn = NONE;
  click_square(app, 1, 1);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
  // The last entry of the record is never read past.
  app.game.move_number = RECORD_LAST;
  app.game.record_length = RECORD_LAST;
  app.game.turn = NONE;
  click_square(app, 1, 1);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

TEST_F(Play, FirstAndSecondClickStateMachine) {
  start_two_humans();
  app.game.guidance_on = 1;
  app.options.guidance_colour = QB_BRIGHT_WHITE;
  // The opponent's piece is framed but not picked.
  t.canvas.clear();
  click_square(app, 2, 1);
  EXPECT_EQ(app.game.selection_state, 0);
  EXPECT_FALSE(t.canvas.matching("box 2320 740 2980 1410 15").empty());
  // An empty square does nothing.
  click_square(app, 4, 4);
  EXPECT_EQ(app.game.selection_state, 0);
  // Own piece: red frame, guidance frames on its two destinations.
  t.canvas.clear();
  click_square(app, 7, 8);
  EXPECT_EQ(app.game.selection_state, 1);
  EXPECT_EQ(t.canvas.matching("box 5620 5430 6280 6100 12").size(), 1u);
  EXPECT_EQ(t.canvas.matching("box").size(), 64u + 2u + 1u);
  EXPECT_EQ(t.canvas.matching("box 4960 4090 5620 4760 15").size(), 1u);  // (6, 6)
  // Another own piece takes over the pick.
  click_square(app, 2, 8);
  EXPECT_EQ(app.game.selection_state, 1);
  EXPECT_EQ(app.play.pick_x, 2);
  // An unreachable square drops the pick silently and removes every frame.
  t.canvas.clear();
  const size_t messages = t.dialogs.messages.size();
  click_square(app, 2, 4);
  EXPECT_EQ(app.game.selection_state, 0);
  EXPECT_EQ(t.dialogs.messages.size(), messages);
  EXPECT_TRUE(t.sound.calls.empty());
  const auto boxes = t.canvas.matching("box");
  ASSERT_EQ(boxes.size(), 64u);
  for (const auto& b : boxes) EXPECT_EQ(b.back(), '2') << b;
}

TEST_F(Play, AMoveIsRecordedCaptionedAndHandedOver) {
  start_two_humans();
  t.canvas.clear();
  move_by_clicks(app, 7, 8, 6, 6);
  EXPECT_EQ(app.pos.board[6][6], W_KNIGHT);
  EXPECT_EQ(app.game.move_number, 1);
  EXPECT_EQ(app.game.record_length, 1);
  EXPECT_EQ(app.record.record_piece[1], W_KNIGHT);
  EXPECT_EQ(app.record.record_from_x[1], 7);
  EXPECT_EQ(app.record.record_to_y[1], 6);
  EXPECT_EQ(app.record.record_board[1], app.pos.board);
  EXPECT_EQ(count_sound("dsPlay 12"), 1);
  EXPECT_EQ(app.game.turn, SECOND);
  // The caption right of the board names the square and the piece.
  std::vector<std::string> texts;
  for (const auto& tx : t.canvas.texts) texts.push_back(tx.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "ｆ"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "３"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "ナイト"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), " 1 "), texts.end());
  // Now only the upper army may be picked.
  click_square(app, 5, 7);
  EXPECT_EQ(app.game.selection_state, 0);
  click_square(app, 5, 2);
  EXPECT_EQ(app.game.selection_state, 1);
}

TEST_F(Play, PromotionNeedsTheRightButtonAndTheChooser) {
  two_human_position({"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  move_by_clicks(app, 1, 2, 1, 1, MOUSE_LEFT);
  EXPECT_EQ(last_message(), "マウスの右をクリックして下さい");
  EXPECT_EQ(t.dialogs.messages.back().title, "成り");
  EXPECT_EQ(app.game.selection_state, 1);
  EXPECT_EQ(app.pos.board[1][2], W_PAWN);
  // The king is offered and refused; the pawn stays picked as a pawn.
  chooser.presses = {6};
  click_square(app, 1, 1, MOUSE_RIGHT);
  EXPECT_EQ(last_message(), "キングには成れません");
  EXPECT_EQ(t.dialogs.messages.back().title, "エラー");
  EXPECT_EQ(app.pos.board[1][2], W_PAWN);
  EXPECT_EQ(app.play.picked_piece, W_PAWN);
  EXPECT_EQ(app.game.selection_state, 1);
  // The lower army is shown white: the white chooser, at its place below the window's top.
  EXPECT_EQ(chooser.calls.back(), "unload 3");
  EXPECT_NE(std::find(chooser.calls.begin(), chooser.calls.end(), "show_modal 3 1400 50"), chooser.calls.end());
  chooser.presses = {3};
  click_square(app, 1, 1, MOUSE_RIGHT);
  EXPECT_EQ(app.pos.board[1][1], W_BISHOP);
  EXPECT_EQ(app.record.record_piece[1], W_BISHOP);
  // The chosen piece slid out for one whole second before the window closed.
  EXPECT_NE(std::find(chooser.calls.begin(), chooser.calls.end(), "show_selected 3 3 600 1560"), chooser.calls.end());
  EXPECT_NE(std::find(t.clock.waits.begin(), t.clock.waits.end(), 1.0), t.clock.waits.end());
}

TEST_F(Play, PawnButtonKeepsAPawnAndColoursDecideTheWindow) {
  two_human_position({"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  app.game.colors_swapped = 1;  // the lower army shown black: the black window, negated choice
  chooser.presses = {1};
  move_by_clicks(app, 1, 2, 1, 1, MOUSE_RIGHT);
  EXPECT_NE(std::find(chooser.calls.begin(), chooser.calls.end(), "show_modal 2 1400 50"), chooser.calls.end());
  EXPECT_EQ(app.pos.board[1][1], W_PAWN);
  // An ordinary move made with the right button is an ordinary move.
  move_by_clicks(app, 5, 1, 4, 1, MOUSE_RIGHT);
  EXPECT_EQ(app.pos.board[4][1], B_KING);
}

TEST_F(Play, AChooserClosedWithoutAChoiceMakesNoMoveAndKeepsTheLastChoice) {
  two_human_position({"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  app.play.promotion_choice = W_KNIGHT;          // left by an earlier promotion
  move_by_clicks(app, 1, 2, 1, 1, MOUSE_RIGHT);  // no button is pressed
  EXPECT_EQ(app.pos.board[1][2], W_PAWN);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
  EXPECT_EQ(app.game.selection_state, 1);
  EXPECT_EQ(app.game.move_number, 0);
  EXPECT_EQ(app.play.promotion_choice, W_KNIGHT);
}

TEST_F(Play, TheMiddleButtonMovesAPawnWithoutPromotion) {
  two_human_position({"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  move_by_clicks(app, 1, 2, 1, 1, MOUSE_MIDDLE);
  EXPECT_EQ(app.pos.board[1][1], W_PAWN);
  EXPECT_TRUE(chooser.calls.empty() || chooser.calls.back() == "hide_all");
}

TEST_F(Play, SuicideIsRefusedUntilMateWasAnnounced) {
  two_human_position({"....k...", "....r...", "........", "........", "........", "........", "....B...", "....K..."});
  move_by_clicks(app, 5, 7, 4, 6);
  EXPECT_EQ(last_message(), "自殺できません");
  EXPECT_EQ(t.dialogs.messages.back().title, "チェックです");
  EXPECT_EQ(app.pos.board[5][7], W_BISHOP);
  EXPECT_EQ(app.game.selection_state, 1);
  app.game.mate_announced = 1;
  click_square(app, 4, 6);
  EXPECT_EQ(app.pos.board[4][6], W_BISHOP);
}

TEST_F(Play, EnPassantAskedAndAnsweredBothWays) {
  start_two_humans();
  move_by_clicks(app, 5, 7, 5, 5);
  move_by_clicks(app, 1, 2, 1, 3);
  move_by_clicks(app, 5, 5, 5, 4);
  move_by_clicks(app, 4, 2, 4, 4);
  t.dialogs.script = {Answer::Yes};
  move_by_clicks(app, 5, 4, 4, 3);
  EXPECT_EQ(t.dialogs.messages.back().text, "取りますか？");
  EXPECT_EQ(t.dialogs.messages.back().title, "アンパッサン");
  EXPECT_EQ(app.pos.board[4][3], W_PAWN);
  EXPECT_EQ(app.pos.board[4][4], EMPTY);
  // Declined, the capture is no move: the pawn stays, the pick is dropped,
  // nothing is recorded and the same player is still to move.
  reset_game(app);
  start_two_humans();
  move_by_clicks(app, 5, 7, 5, 5);
  move_by_clicks(app, 1, 2, 1, 3);
  move_by_clicks(app, 5, 5, 5, 4);
  move_by_clicks(app, 4, 2, 4, 4);
  const Board before = app.pos.board;
  t.sound.calls.clear();
  t.dialogs.script = {Answer::No};
  move_by_clicks(app, 5, 4, 4, 3);
  EXPECT_EQ(t.dialogs.messages.back().text, "取りますか？");
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(app.game.move_number, 4);
  EXPECT_EQ(app.game.record_length, 4);
  EXPECT_EQ(app.game.selection_state, 0);
  EXPECT_EQ(app.game.turn, FIRST);
  EXPECT_EQ(count_sound("dsPlay 12"), 0);  // no piece was set down
  // The capture is still there to be taken.
  t.dialogs.script = {Answer::Yes};
  move_by_clicks(app, 5, 4, 4, 3);
  EXPECT_EQ(app.pos.board[4][3], W_PAWN);
  EXPECT_EQ(app.pos.board[4][4], EMPTY);
  EXPECT_EQ(app.game.turn, SECOND);
}

TEST_F(Play, CastlingByClicksFromBothKingColumns) {
  two_human_position({"r...k..r", "........", "........", "........", "........", "........", "........", "R...K..R"});
  move_by_clicks(app, 5, 8, 7, 8);
  EXPECT_EQ(app.pos.board[6][8], W_ROOK);
  move_by_clicks(app, 5, 1, 3, 1);
  EXPECT_EQ(app.pos.board[4][1], B_ROOK);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
  two_human_position({"r..k...r", "........", "........", "........", "........", "........", "........", "R..K...R"});
  move_by_clicks(app, 4, 8, 2, 8);
  EXPECT_EQ(app.pos.board[3][8], W_ROOK);
  move_by_clicks(app, 4, 1, 6, 1);
  EXPECT_EQ(app.pos.board[5][1], B_ROOK);
  EXPECT_EQ(app.pos.board[8][1], EMPTY);
}

// After "反転" castling is judged as before it: a king that went away and came
// back may not castle, one that never moved may, on the turned board.
TEST_F(Play, AFlipMidGameKeepsTheCastlingRights) {
  const auto opening = [&](bool kings_walk) {
    reset_game(app);
    start_two_humans();
    const int moves[][4] = {{5, 7, 5, 5}, {5, 2, 5, 4}, {7, 8, 6, 6}, {7, 1, 6, 3}, {6, 8, 3, 5},
                            {6, 1, 3, 4}, {5, 8, 5, 7}, {5, 1, 5, 2}, {5, 7, 5, 8}, {5, 2, 5, 1}};
    for (int i = 0; i < (kings_walk ? 10 : 6); ++i)
      move_by_clicks(app, moves[i][0], moves[i][1], moves[i][2], moves[i][3]);
    ASSERT_EQ(app.game.move_number, kings_walk ? 10 : 6);
    REVERSE_Click(app);
    // White's army now stands above, its king on (4, 1) and its h-rook in the corner (1, 1).
    ASSERT_EQ(app.pos.board[4][1], B_KING);
    ASSERT_EQ(app.pos.board[1][1], B_ROOK);
    ASSERT_EQ(app.game.turn, app.game.upper_player);
  };
  opening(true);
  move_by_clicks(app, 4, 1, 2, 1);
  EXPECT_EQ(app.pos.board[4][1], B_KING) << "the king that walked may not castle";
  move_by_clicks(app, 8, 2, 8, 3);  // a pawn move hands the turn over
  move_by_clicks(app, 4, 8, 2, 8);
  EXPECT_EQ(app.pos.board[4][8], W_KING) << "neither may the other";

  opening(false);
  move_by_clicks(app, 4, 1, 2, 1);
  EXPECT_EQ(app.pos.board[2][1], B_KING);
  EXPECT_EQ(app.pos.board[3][1], B_ROOK);
  move_by_clicks(app, 4, 8, 2, 8);
  EXPECT_EQ(app.pos.board[2][8], W_KING);
  EXPECT_EQ(app.pos.board[3][8], W_ROOK);
}

TEST_F(Play, FoolsMateBetweenHumansEndsTheGame) {
  start_two_humans();
  move_by_clicks(app, 6, 7, 6, 6);
  move_by_clicks(app, 5, 2, 5, 4);
  move_by_clicks(app, 7, 7, 7, 5);
  t.dialogs.script = {Answer::Yes};
  move_by_clicks(app, 4, 1, 8, 5);  // mate
  const auto texts = t.dialogs.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "後手の勝ちです");
  EXPECT_EQ(t.dialogs.messages[0].title, "終了");
  EXPECT_EQ(texts[1], "続けますか？");
  EXPECT_EQ(t.dialogs.messages[1].title, "再ゲーム");
  // Yes started a new game.
  EXPECT_EQ(app.game.turn, NONE);
  EXPECT_EQ(app.game.move_number, 0);
  EXPECT_EQ(app.pos.board[5][8], W_KING);
}

TEST_F(Play, ACheckThatCanBeMetIsAnnouncedAndTheGameGoesOn) {
  start_two_humans();
  move_by_clicks(app, 6, 7, 6, 6);
  move_by_clicks(app, 5, 2, 5, 4);
  move_by_clicks(app, 5, 7, 5, 5);  // unlike fool's mate, the king gets a square and g3 can block
  move_by_clicks(app, 4, 1, 8, 5);  // check
  EXPECT_EQ(last_message(), "   ** チェック **");
  EXPECT_EQ(t.dialogs.messages.back().title, "");
  EXPECT_EQ(app.game.turn, FIRST);
  move_by_clicks(app, 1, 7, 1, 6);  // ignores the check
  EXPECT_EQ(last_message(), "自殺できません");
  move_by_clicks(app, 7, 7, 7, 6);  // blocks
  EXPECT_EQ(app.game.turn, SECOND);
  EXPECT_EQ(app.game.move_number, 5);
}

TEST_F(Play, TheFirstPlayerWinsByTakingTheUpperKingAndNoEndsTheProgram) {
  two_human_position({"....k...", "........", "........", "........", "........", "........", "........", "....R..K"});
  app.pos.board[5][1] = B_KING;
  app.pos.board[5][8] = W_ROOK;
  rescan(app.pos);
  app.sounds.sound_device = 100;
  t.dialogs.script = {Answer::No};
  click_square(app, 5, 8);
  EXPECT_THROW(click_square(app, 5, 1), test::ProgramEnded);
  const auto texts = t.dialogs.texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "先手の勝ちです"), texts.end());
  EXPECT_EQ(t.lifecycle.count, 1);
  // The sounds were freed before the end.
  EXPECT_EQ(t.sound.calls.back(), "dsTerminate 100");
}

TEST_F(Play, StalemateBetweenHumansWhenTheSideToMoveCannotMove) {
  // The B king on (1, 1) stands free with both rooks watching its neighbours.
  two_human_position({"k.......", "......R.", "........", "........", "........", "........", ".R......", "....K..."});
  t.dialogs.script = {Answer::Yes};
  move_by_clicks(app, 5, 8, 4, 8);
  auto texts = t.dialogs.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "ステールメイト");
  EXPECT_EQ(t.dialogs.messages[0].title, "判定");
  EXPECT_EQ(texts[1], "引き分けです");
  EXPECT_EQ(texts[2], "続けますか？");
  // The same boxed-in king with a pawn that can move: the game goes on.
  two_human_position({"k.......", "......R.", "........", ".....p..", "........", "........", ".R......", "....K..."});
  move_by_clicks(app, 5, 8, 4, 8);
  for (const auto& m : t.dialogs.messages) EXPECT_NE(m.text, "ステールメイト");
  EXPECT_EQ(app.game.turn, SECOND);
}

TEST_F(Play, AFullRecordRefusesTheNextMove) {
  start_two_humans();
  app.game.move_number = RECORD_LAST;
  const Board before = app.pos.board;
  move_by_clicks(app, 7, 8, 6, 6);
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(app.game.move_number, RECORD_LAST);
  EXPECT_NE(last_message().find("500"), std::string::npos);
}

TEST_F(Play, GameModesSetTheTablesValues) {
  SENTE_Click(app);
  EXPECT_EQ(app.game.lower_player, FIRST);
  EXPECT_EQ(app.game.upper_player, SECOND);
  EXPECT_EQ(app.game.turn, FIRST);
  EXPECT_EQ(app.game.game_kind, KIND_VS_COMPUTER);
  EXPECT_EQ(app.game.colors_swapped, 0);
  EXPECT_EQ(t.dialogs.messages.back().text, "あなたの番です");
  EXPECT_EQ(t.dialogs.messages.back().title, " ");
  app.game.record_mode = 1;
  START_Click(app);
  EXPECT_EQ(app.game.game_kind, KIND_TWO_HUMANS);
  EXPECT_EQ(app.game.record_mode, 1);  // starting between humans keeps record mode
  EXPECT_EQ(t.dialogs.messages.back().text, "先手の番です");
  EXPECT_EQ(t.dialogs.messages.back().title, " ");
}

TEST_F(Play, GoteExchangesKingsAndQueensOnce) {
  GOTE_Click(app);
  EXPECT_EQ(app.game.lower_player, SECOND);
  EXPECT_EQ(app.game.upper_player, FIRST);
  EXPECT_EQ(app.game.colors_swapped, 1);
  EXPECT_EQ(app.game.record_mode, 0);
  EXPECT_EQ(app.pos.board[4][8], W_KING);
  EXPECT_EQ(app.pos.board[4][1], B_KING);
  const int moves = app.game.move_number;
  // The computer moved first; a second GOTE does not exchange again.
  GOTE_Click(app);
  EXPECT_EQ(app.pos.board[4][8], W_KING);
  EXPECT_GE(app.game.move_number, moves);
  SENTE_Click(app);
  EXPECT_EQ(app.pos.board[5][8], W_KING);
  EXPECT_EQ(app.game.colors_swapped, 0);
}

TEST_F(Play, MenusThatOpenHideTheRecordPanel) {
  // Opening a menu is harmless without a panel; it must not touch the game.
  const Board before = app.pos.board;
  TAIKYOKU_Click(app);
  STOP_Click(app);
  OPTION_Click(app);
  MATCH_MAN_Click(app);
  EXPECT_EQ(app.pos.board, before);
}

}  // namespace
}  // namespace zarvo
