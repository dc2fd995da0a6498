#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "display/display_state.h"
#include "display/texts.h"
#include "game/computer_turn.h"
#include "game/levels.h"
#include "records/move_record.h"
#include "rules/move_rules.h"
#include "tests/support/computer_fakes.h"

namespace zarvo {
namespace {

// The W pawn on (5, 5) arrives there by its double step, as a game plays it.
void play_w_double_step(App& app) {
  app.pos.board[5][5] = EMPTY;
  app.pos.board[5][7] = W_PAWN;
  play_move(app.pos, {5, 7, 5, 5, W_PAWN});
  app.game.move_number = 1;
  record_move(app.record, app.pos.board, 1, 5, 7, 5, 5, W_PAWN);
  rescan(app.pos);
}

using test::set_computer_game;
using Rows = std::vector<std::string>;

class ComputerTurn : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  void SetUp() override {
    app.sounds.sound_piece = 3;
    app.sounds.sound_forbidden = 2;
    app.options.current_background = TILE_TATAMI;
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> out;
    for (const auto& m : t.dialogs.messages) out.push_back(m.title);
    return out;
  }
  bool printed(const std::string& text, double X, double Y, int colour) const {
    return std::any_of(t.canvas.texts.begin(), t.canvas.texts.end(), [&](const test::RecordingCanvas::Text& x) {
      return x.text == text && std::abs(x.left - grid_left(X)) < 1e-6 && std::abs(x.top - grid_top(Y)) < 1e-6 &&
             x.colour == colour;
    });
  }
};

TEST_F(ComputerTurn, PlaysRecordsAndShowsItsMove) {
  set_computer_game(app,
                    {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"});
  com_ban(app);
  const Candidate c = app.com.best;
  ASSERT_EQ(app.com.best_found, 1);
  // The move is on the board and in the record as entry 1.
  EXPECT_EQ(app.pos.board[c.x1][c.y1], EMPTY);
  EXPECT_EQ(app.pos.board[c.x2][c.y2], c.placed);
  EXPECT_EQ(app.game.move_number, 1);
  EXPECT_EQ(app.game.record_length, 1);
  EXPECT_EQ(app.record.record_board[1], app.pos.board);
  EXPECT_EQ(app.record.record_from_x[1], c.x1);
  EXPECT_EQ(app.record.record_from_y[1], c.y1);
  EXPECT_EQ(app.record.record_to_x[1], c.x2);
  EXPECT_EQ(app.record.record_to_y[1], c.y2);
  EXPECT_EQ(app.record.record_piece[1], c.placed);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
  EXPECT_TRUE(t.dialogs.messages.empty());
  // The thinking caption, with its shadow first.
  EXPECT_TRUE(printed("思考中", -0.5, 2.5, QB_BLACK));
  EXPECT_TRUE(printed("思考中", -0.6, 2.4, QB_BRIGHT_WHITE));
  // Pauses: 0.3 before the search, the blinking, 0.5 after the move, the caption.
  EXPECT_EQ(t.clock.waits, (std::vector<double>{0.3, 0.2, 0.2, 0.2, 0.2, 0.5, 0.3}));
  EXPECT_EQ(t.sound.calls, std::vector<std::string>{"dsPlay 3"});
  // The move caption at the upper anchor, then a white frame on the destination.
  EXPECT_TRUE(printed(square_name(c.x2), -0.5, 2.6, QB_BRIGHT_WHITE));
  const auto boxes = t.canvas.matching("box ");
  ASSERT_FALSE(boxes.empty());
  std::ostringstream frame;
  frame << "box " << grid_left(c.x2) << " " << grid_top(c.y2) << " " << grid_left(c.x2 + 1) << " " << grid_top(c.y2 + 1)
        << " 15";
  EXPECT_EQ(boxes.back(), frame.str());
  EXPECT_EQ(t.canvas.calls.back(), frame.str());
}

TEST_F(ComputerTurn, TheCaptionShowsBeforeThePause) {
  set_computer_game(app,
                    {"k.......", "........", "........", "........", "........", "........", "........", ".......K"});
  com_ban(app);
  // The first refresh comes after the two caption prints.
  const auto& calls = t.canvas.calls;
  const auto refresh = std::find(calls.begin(), calls.end(), "refresh");
  ASSERT_NE(refresh, calls.end());
  const auto thinking =
      std::find_if(calls.begin(), calls.end(), [](const std::string& s) { return s.rfind("print 思考中", 0) == 0; });
  EXPECT_LT(thinking - calls.begin(), refresh - calls.begin());
}

TEST_F(ComputerTurn, BlinksTheMovingPieceTwiceOnItsOrigin) {
  set_computer_game(app,
                    {"k.......", "........", "........", "........", "........", "........", "........", ".......K"});
  com_ban(app);
  // The lone king leaves (1, 1); its origin shows empty, king, empty, king,
  // and is emptied by the move itself.
  std::vector<std::string> origin;
  for (const auto& call : t.canvas.calls) {
    if (call.rfind("picture ", 0) == 0 && call.find(" 1660 740") != std::string::npos) origin.push_back(call);
  }
  EXPECT_EQ(origin, (std::vector<std::string>{"picture KARA_MASU2 1660 740", "picture B_KING_2 1660 740",
                                              "picture KARA_MASU2 1660 740", "picture B_KING_2 1660 740",
                                              "picture KARA_MASU2 1660 740"}));
  EXPECT_EQ(app.pos.board[app.com.best.x2][app.com.best.y2], B_KING);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
}

TEST_F(ComputerTurn, AnnouncesCheck) {
  // The rook can give check on row 8 but not mate: the king steps up.
  set_computer_game(
      app, {"....k..r", "........", "........", "........", "........", "........", "........", "...K...."}, 1);
  com_ban(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "   ** チェック **");
  EXPECT_EQ(t.dialogs.messages[0].title, "");
  EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(app.game.mate_announced, 0);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

TEST_F(ComputerTurn, AnnouncesMateAndTheGameGoesOn) {
  set_computer_game(app,
                    {"....k...", "........", "........", ".......q", "........", "........", "PP......", "K......."});
  com_ban(app);
  // Two squares mate; (4, 8) is met before (8, 8).
  EXPECT_EQ(app.pos.board[4][8], B_QUEEN);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "よし！!");
  EXPECT_EQ(t.dialogs.messages[0].title, "チェックメイト ?");
  EXPECT_EQ(app.game.mate_announced, 1);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

TEST_F(ComputerTurn, TakingTheKingWinsTheGame) {
  set_computer_game(app,
                    {"k..r....", "........", "........", "........", "........", "........", "........", "...K...."});
  t.dialogs.script = {Answer::Yes};
  com_ban(app);
  EXPECT_EQ(t.dialogs.texts(), (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀの勝ちです", "続けますか？"}));
  EXPECT_EQ(titles(), (std::vector<std::string>{"終了", "再ゲーム"}));
  // Yes starts a new game: the move was recorded, then the board was reset.
  EXPECT_EQ(app.record.record_piece[1], B_ROOK);
  EXPECT_EQ(app.record.record_board[1][4][8], B_ROOK);
  EXPECT_EQ(app.game.turn, NONE);
  EXPECT_EQ(app.pos.board[5][8], W_KING);
}

TEST_F(ComputerTurn, PromotesThroughTheChooserToAQueen) {
  set_computer_game(app,
                    {"....k...", "........", "........", "........", "........", "........", "p.......", "....K..."});
  com_ban(app);
  ASSERT_EQ(app.com.best.moving, B_PAWN);
  EXPECT_EQ(app.pos.board[1][8], B_QUEEN);
  EXPECT_EQ(app.record.record_piece[1], B_QUEEN);
  // The chooser shows the queen for 1.5 seconds and presses its button.
  EXPECT_NE(std::find(t.clock.waits.begin(), t.clock.waits.end(), 1.5), t.clock.waits.end());
  EXPECT_EQ(app.play.promotion_choice, B_QUEEN);
}

TEST_F(ComputerTurn, EnPassantRemovesThePawnPassedOver) {
  set_computer_game(app,
                    {"k.......", "........", "........", "........", "...pP...", "........", "........", ".......K"});
  play_w_double_step(app);
  com_ban(app);
  ASSERT_EQ(app.com.best.x2, 5);
  ASSERT_EQ(app.com.best.y2, 6);
  ASSERT_FALSE(t.dialogs.messages.empty());
  EXPECT_EQ(t.dialogs.messages[0].text, "アンパッサンします！");
  EXPECT_EQ(t.dialogs.messages[0].title, "アンパッサン");
  EXPECT_EQ(app.pos.board[5][5], EMPTY);
  EXPECT_EQ(app.pos.board[5][6], B_PAWN);
  EXPECT_EQ(app.record.record_board[2][5][5], EMPTY);
}

TEST_F(ComputerTurn, WithoutAnyMoveTheGameEndsDrawn) {
  // Every upper piece is walled in by its own army.
  set_computer_game(app,
                    {"kp......", "pp......", "pp......", "pp......", "pp......", "pp......", "pp......", "pp.....K"});
  t.dialogs.script = {Answer::Yes};
  const Board before = app.pos.board;
  com_ban(app);
  EXPECT_EQ(t.dialogs.texts(), (std::vector<std::string>{"ステールメイト", "引き分けです", "続けますか？"}));
  EXPECT_EQ(titles(), (std::vector<std::string>{"判定", "終了", "再ゲーム"}));
  // No empty move was recorded; the new game starts from the initial position.
  EXPECT_EQ(app.record.record_piece[1], 0);
  EXPECT_NE(app.pos.board, before);
  EXPECT_EQ(app.game.move_number, 0);
}

TEST_F(ComputerTurn, AFullRecordRefusesTheMove) {
  set_computer_game(app,
                    {"k.......", "........", "........", "........", "........", "........", "........", ".......K"});
  app.game.move_number = 500;
  app.game.turn = SECOND;
  const Board before = app.pos.board;
  com_ban(app);
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(app.game.move_number, 500);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].title, "棋譜");
  EXPECT_EQ(t.sound.calls, std::vector<std::string>{"dsPlay 2"});
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

TEST_F(ComputerTurn, TheSameStateGivesTheSameMove) {
  const Rows rows = {"r.bqkb.r", "pppp.ppp", "..n..n..", "....p...", "..B.P...", ".....N..", "PPPP.PPP", "RNBQK..R"};
  test::TestApp other;
  set_computer_game(app, rows);
  set_computer_game(other.app, rows);
  com_ban(app);
  com_ban(other.app);
  EXPECT_EQ(app.pos.board, other.app.pos.board);
  EXPECT_EQ(app.com.best_score, other.app.com.best_score);
}

// The whole turn as the player sees and hears it, one event after another.
TEST_F(ComputerTurn, ACheckingMoveRunsTheTurnInItsOrder) {
  test::Journal journal(t);
  set_computer_game(
      app, {"....k..r", "........", "........", "........", "........", "........", "........", "...K...."}, 1);
  com_ban(app);
  const std::vector<std::string> blink_off = {"picture KARA_MASU1 8,1", "square 8,1", "square 8,1", "refresh",
                                              "wait 0.2"};
  const std::vector<std::string> blink_on = {"picture B_ROOK_1 8,1", "square 8,1", "square 8,1", "refresh", "wait 0.2"};
  std::vector<std::string> expected = {// "思考中" over the four caption cells and the two board squares they overlap.
                                       "picture HAIKEI_TATAMI -1,2",
                                       "picture HAIKEI_TATAMI 0,2",
                                       "picture HAIKEI_TATAMI -1,3",
                                       "picture HAIKEI_TATAMI 0,3",
                                       "picture KARA_MASU1 1,2",
                                       "square 1,2",
                                       "picture KARA_MASU2 1,3",
                                       "square 1,3",
                                       "print 思考中 -0.5,2.5 colour 0 size 12",
                                       "print 思考中 -0.6,2.4 colour 15 size 12",
                                       "refresh",
                                       "wait 0.3"};
  for (int i = 0; i < 2; ++i) {
    expected.insert(expected.end(), blink_off.begin(), blink_off.end());
    expected.insert(expected.end(), blink_on.begin(), blink_on.end());
  }
  const std::vector<std::string> rest = {
      // The rook goes down column 8 and checks along row 8.
      "picture KARA_MASU1 8,1", "square 8,1", "picture B_ROOK_2 8,8", "square 8,8", "wait 0.5", "dsPlay 3",
      // The move number, then the check, then the caption and the white frame.
      "picture HAIKEI_TATAMI 10,4", "picture HAIKEI_TATAMI 11,4", "picture KARA_MASU2 8,4", "square 8,4",
      "print  1  10.3,4.4 colour 0 size 12", "print  1  10.2,4.3 colour 15 size 12",
      "print 手目 11.1,4.4 colour 0 size 10", "print 手目 11,4.3 colour 15 size 10", "message    ** チェック ** | ",
      "picture HAIKEI_TATAMI -1,2", "picture HAIKEI_TATAMI 0,2", "picture HAIKEI_TATAMI -1,3",
      "picture HAIKEI_TATAMI 0,3", "picture KARA_MASU1 1,2", "square 1,2", "picture KARA_MASU2 1,3", "square 1,3",
      "print ｈ -0.4,2.7 colour 0 size 14", "print ｈ -0.5,2.6 colour 15 size 14", "print １ -0.1,2.8 colour 0 size 12",
      "print １ -0.2,2.7 colour 15 size 12", "print ルーク -0.6,3.2 colour 0 size 12",
      "print ルーク -0.7,3.1 colour 15 size 12", "refresh", "wait 0.3", "frame 8,8 colour 15"};
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_EQ(journal.events, expected);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
}

TEST_F(ComputerTurn, EnPassantIsAnnouncedAfterTheBlinkingAndBeforeTheMove) {
  test::Journal journal(t);
  set_computer_game(app,
                    {"k.......", "........", "........", "........", "...pP...", "........", "........", ".......K"});
  play_w_double_step(app);
  com_ban(app);
  const auto& e = journal.events;
  const auto message = std::find(e.begin(), e.end(), "message アンパッサンします！ | アンパッサン");
  ASSERT_NE(message, e.end());
  // The last blink shows the pawn again; then the pawn passed over goes, then the move is drawn.
  EXPECT_EQ(std::vector<std::string>(message - 3, message),
            (std::vector<std::string>{"square 4,5", "refresh", "wait 0.2"}));
  EXPECT_EQ(std::vector<std::string>(message + 1, message + 10),
            (std::vector<std::string>{"picture KARA_MASU2 5,5", "square 5,5", "picture KARA_MASU1 4,5", "square 4,5",
                                      "picture B_PORN_1 5,6", "square 5,6", "wait 0.5", "dsPlay 3",
                                      "picture HAIKEI_TATAMI 10,4"}));
  EXPECT_EQ(std::count_if(e.begin(), e.end(), [](const std::string& s) { return s.rfind("message", 0) == 0; }), 1);
}

// ---- Levels and handicap grades ----------------------------------------------

class Strength : public ComputerTurn {
 protected:
  void SetUp() override {
    ComputerTurn::SetUp();
    set_initial_position(app.pos.board);
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const auto& x : t.canvas.texts) out.push_back(x.text);
    return out;
  }
};

TEST_F(Strength, LevelMenusSetTheLevelAndTheCheckMarks) {
  app.game.game_kind = KIND_VS_COMPUTER;
  LEVEL1_Click(app);
  EXPECT_EQ(app.com.level, 1);
  EXPECT_TRUE(t.widgets.marks["LEVEL1"]);
  EXPECT_FALSE(t.widgets.marks["LEVEL2"]);
  EXPECT_FALSE(t.widgets.marks["LEVEL3"]);
  // The level display is repainted at once, shadow first.
  EXPECT_TRUE(printed("LEVEL", -0.6, 0.7, QB_BLACK));
  EXPECT_TRUE(printed(" 1 ", 0.3, 0.5, QB_BRIGHT_WHITE));

  t.canvas.clear();
  app.game.game_kind = KIND_TWO_HUMANS;
  LEVEL2_Click(app);
  EXPECT_EQ(app.com.level, 2);
  EXPECT_TRUE(t.widgets.marks["LEVEL2"]);
  EXPECT_FALSE(t.widgets.marks["LEVEL1"]);
  EXPECT_TRUE(t.canvas.texts.empty());  // outside a game against the computer nothing is printed
  // Tiles covering the old display are painted in any case.
  EXPECT_EQ(t.canvas.matching("picture HAIKEI_TATAMI").size(), 3u);

  set_level(app, 9);  // not a level: every mark goes, the level stays
  EXPECT_EQ(app.com.level, 2);
  EXPECT_FALSE(t.widgets.marks["LEVEL2"]);
  LEVEL3_Click(app);
  EXPECT_EQ(app.com.level, 3);
  EXPECT_TRUE(t.widgets.marks["LEVEL3"]);
}

TEST_F(Strength, GradesStepUpToSevenAndBack) {
  // Each step up takes one piece of the computer's army off, in this order.
  const int squares[7][2] = {{1, 1}, {8, 1}, {3, 1}, {6, 1}, {2, 1}, {7, 1}, {4, 1}};
  const Board start = app.pos.board;
  const char* const up[7] = {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
                             "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"};
  for (int i = 0; i < 7; ++i) {
    t.canvas.clear();
    LBEL_UP_Click(app);
    EXPECT_EQ(app.com.handicap_grade, i + 1);
    EXPECT_EQ(app.pos.board[squares[i][0]][squares[i][1]], EMPTY);
    EXPECT_EQ(captions(), (std::vector<std::string>{up[i], up[i]}));
  }
  EXPECT_EQ(app.pos.board[5][1], B_KING);
  EXPECT_EQ(app.game.handicap_set, 1);
  EXPECT_EQ(t.sound.calls.size(), 7u);

  // At the limit nothing changes, nothing is shown and nothing sounds.
  t.canvas.clear();
  const Board at_seven = app.pos.board;
  LBEL_UP_Click(app);
  EXPECT_EQ(app.com.handicap_grade, 7);
  EXPECT_EQ(app.pos.board, at_seven);
  EXPECT_TRUE(t.canvas.calls.empty());
  EXPECT_EQ(t.sound.calls.size(), 7u);

  for (int i = 6; i >= 0; --i) {
    t.canvas.clear();
    LEBEL_DOWN_Click(app);
    EXPECT_EQ(app.com.handicap_grade, i);
    EXPECT_EQ(app.pos.board[squares[i][0]][squares[i][1]], start[squares[i][0]][squares[i][1]]);
  }
  EXPECT_EQ(captions(), (std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"}));
  EXPECT_EQ(app.pos.board, start);
}

TEST_F(Strength, NegativeGradesTakeTheHumansPieces) {
  const Board start = app.pos.board;
  const int squares[7][2] = {{1, 8}, {8, 8}, {3, 8}, {6, 8}, {2, 8}, {7, 8}, {4, 8}};
  for (int i = 0; i < 7; ++i) {
    LEBEL_DOWN_Click(app);
    EXPECT_EQ(app.pos.board[squares[i][0]][squares[i][1]], EMPTY);
  }
  EXPECT_EQ(app.com.handicap_grade, -7);
  EXPECT_EQ(t.canvas.texts.back().text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段");
  // Below -7: nothing new, no sound, yet the grade counts as set.
  app.game.handicap_set = 0;
  t.canvas.clear();
  const size_t sounds = t.sound.calls.size();
  LEBEL_DOWN_Click(app);
  EXPECT_TRUE(t.canvas.calls.empty());
  EXPECT_EQ(t.sound.calls.size(), sounds);
  EXPECT_EQ(app.game.handicap_set, 1);
  for (int i = 0; i < 7; ++i) LBEL_UP_Click(app);
  EXPECT_EQ(app.pos.board, start);
  EXPECT_EQ(t.canvas.texts.back().text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
}

TEST_F(Strength, GradesAreRefusedOutsideTheInitialPosition) {
  const Board start = app.pos.board;
  struct Case {
    int record_mode, move_number, board_reversed;
    const char* reason;
  };
  // Record mode is asked first, then the moves made, then the flip.
  const Case cases[] = {
      {1, 3, 1, "棋譜ﾓｰﾄﾞではできません"}, {0, 1, 1, "対局途中ではできません"}, {0, 0, 1, "反転後ではできません"}};
  for (const Case& c : cases) {
    t.dialogs.messages.clear();
    t.sound.calls.clear();
    app.game.record_mode = c.record_mode;
    app.game.move_number = c.move_number;
    app.game.board_reversed = c.board_reversed;
    app.game.handicap_set = 0;
    LBEL_UP_Click(app);
    LEBEL_DOWN_Click(app);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    for (const auto& m : t.dialogs.messages) {
      EXPECT_EQ(m.text, std::string(c.reason) + "\r\r局面→最初にして下さい");
      EXPECT_EQ(m.title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
      EXPECT_EQ(m.buttons, Buttons::Ok);
    }
    EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"dsPlay 2", "dsPlay 2"}));
    EXPECT_EQ(app.com.handicap_grade, 0);
    EXPECT_EQ(app.game.handicap_set, 0);
    EXPECT_EQ(app.pos.board, start);
  }
}

}  // namespace
}  // namespace zarvo
