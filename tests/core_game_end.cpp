#include <gtest/gtest.h>

#include "game/game_end.h"
#include "rules/mate_tests.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

using test::set_position;

class GameEnd : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  void SetUp() override {
    app.game.lower_player = FIRST;
    app.game.upper_player = SECOND;
  }
};

TEST_F(GameEnd, BoxedInNeedsEveryNeighbourAttackedAndTheKingFree) {
  // The W rook watches row 2; (2, 1) holds a B bishop that nothing attacks.
  set_position(app, {"kb......", ".......R", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(king_boxed_in(app.pos, 1, 1), 0);
  set_position(app, {"k.......", "..Q.....", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(king_boxed_in(app.pos, 1, 1), 1);
  // In check is not boxed in.
  set_position(app, {"k.......", ".Q......", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(king_boxed_in(app.pos, 1, 1), 0);
  // Any other code on the square answers 1.
  EXPECT_EQ(king_boxed_in(app.pos, 4, 4), 1);
  // The W king is judged by the B attacks.
  set_position(app, {"....k...", "........", "........", "........", "........", "........", "..q.....", "K......."});
  EXPECT_EQ(king_boxed_in(app.pos, 1, 8), 1);
}

TEST_F(GameEnd, UpperKingMatedUnlessSomethingEndsTheCheck) {
  // Back-rank mate: the W rook on row 1, the B king walled in by its pawns.
  set_position(app, {"R.....k.", ".....ppp", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 1);
  // A B knight can take the rook.
  set_position(app, {"R.....k.", "..n..ppp", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 0);
  // A B bishop can step between.
  set_position(app, {"R.....k.", ".....ppp", "...b....", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 0);
  // The pinned knight's step between uncovers the W queen; the other knight
  // still blocks the rook's line on (5, 1) or (7, 1): not mate.
  set_position(app, {"k......R", "np......", ".....n..", "........", "Q.......", "........", "........", "....K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 0);
  // Without that knight nothing ends the check.
  set_position(app, {"k......R", "np......", "........", "........", "Q.......", "........", "........", "....K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 1);
  // Not in check at all.
  set_position(app, {"......k.", ".....ppp", "........", "........", "........", "........", "........", "R...K..."});
  EXPECT_EQ(upper_king_mated(app.pos), 0);
  // The board is as it was.
  const Board b = test::board_from(
      {"R.....k.", "..n..ppp", "........", "........", "........", "........", "........", "....K..."});
  set_position(app, {"R.....k.", "..n..ppp", "........", "........", "........", "........", "........", "....K..."});
  upper_king_mated(app.pos);
  EXPECT_EQ(app.pos.board, b);
}

TEST_F(GameEnd, AgainstTheComputerTakingTheKingWinsAndOnlyATrueStalemateDraws) {
  app.game.game_kind = KIND_VS_COMPUTER;
  set_position(app, {"........", "........", "........", "........", "........", "........", "........", "....K..."});
  t.dialogs.script = {Answer::Yes};
  end_of_move_evaluation(app, B_KING);
  ASSERT_GE(t.dialogs.messages.size(), 2u);
  EXPECT_EQ(t.dialogs.messages[0].text, "あなたの勝ちです");
  EXPECT_EQ(app.game.turn, NONE);  // a new game was set up
  // A boxed-in B king whose pawn can still move: the computer plays on.
  t.dialogs.messages.clear();
  app.game.game_kind = KIND_VS_COMPUTER;
  set_position(app, {"k.......", "..Q.....", "........", "...p....", "........", "........", "........", "....K..."});
  record_move(app.record, app.pos.board, 0, 0, 0, 0, 0, 0);
  end_of_move_evaluation(app, EMPTY);
  for (const auto& m : t.dialogs.messages) EXPECT_NE(m.text, "ステールメイト");
  EXPECT_EQ(app.game.move_number, 1);
  EXPECT_EQ(app.pos.board[4][5], B_PAWN);
  // Without the pawn nothing of the upper army can move: a draw.
  t.dialogs.messages.clear();
  app.game.game_kind = KIND_VS_COMPUTER;
  set_position(app, {"k.......", "..Q.....", "........", "........", "........", "........", "........", "....K..."});
  t.dialogs.script = {Answer::Yes};
  end_of_move_evaluation(app, EMPTY);
  ASSERT_EQ(t.dialogs.messages.size(), 3u);
  EXPECT_EQ(t.dialogs.messages[0].text, "ステールメイト");
  EXPECT_EQ(t.dialogs.messages[0].title, "判定");
  EXPECT_EQ(t.dialogs.messages[1].text, "引き分けです");
  EXPECT_EQ(t.dialogs.messages[1].title, "終了");
}

TEST_F(GameEnd, NoToAnotherGameEndsTheProgram) {
  app.sounds.sound_device = 100;
  app.sounds.sound_other = 1;
  app.sounds.sound_forbidden = 2;
  app.sounds.sound_piece = 3;
  app.sounds.sound_music = 4;
  t.dialogs.script = {Answer::No};
  EXPECT_THROW(announce_result(app, "ｺﾝﾋﾟｭｰﾀ"), test::ProgramEnded);
  EXPECT_EQ(t.dialogs.messages[0].text, "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(t.dialogs.messages[1].buttons, Buttons::YesNo);
  const std::vector<std::string> expected = {"dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsTerminate 100"};
  EXPECT_EQ(t.sound.calls, expected);
}

}  // namespace
}  // namespace zarvo
