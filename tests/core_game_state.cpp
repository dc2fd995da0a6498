#include <gtest/gtest.h>

#include "records/move_record.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

TEST(GameState, ResetGameLaysOutTheInitialPositionAndRecordsEntryZero) {
  test::TestApp t;
  App& app = t.app;
  app.game.turn = FIRST;
  app.game.game_kind = KIND_TWO_HUMANS;
  app.game.winner = SECOND;
  app.game.move_number = 12;
  app.game.selection_state = 1;
  app.game.colors_swapped = 1;
  app.game.mate_announced = 1;
  app.game.record_length = 12;
  app.game.record_mode = 1;
  app.game.board_reversed = 1;
  app.game.lower_player = SECOND;
  app.record.record_piece[0] = 5;
  app.record.record_from_x[0] = 3;
  reset_game(app);
  const GameState& g = app.game;
  EXPECT_EQ(g.turn, NONE);
  EXPECT_EQ(g.game_kind, NONE);
  EXPECT_EQ(g.winner, NONE);
  EXPECT_EQ(g.move_number, 0);
  EXPECT_EQ(g.selection_state, 0);
  EXPECT_EQ(g.colors_swapped, 0);
  EXPECT_EQ(g.mate_announced, 0);
  // Left alone: they belong to the commands that start games or load records.
  EXPECT_EQ(g.record_length, 12);
  EXPECT_EQ(g.record_mode, 1);
  EXPECT_EQ(g.board_reversed, 1);
  EXPECT_EQ(g.lower_player, SECOND);
  const int back[9] = {0, B_ROOK, B_KNIGHT, B_BISHOP, B_QUEEN, B_KING, B_BISHOP, B_KNIGHT, B_ROOK};
  for (int x = 1; x <= 8; ++x) {
    EXPECT_EQ(app.pos.board[x][1], back[x]);
    EXPECT_EQ(app.pos.board[x][2], B_PAWN);
    for (int y = 3; y <= 6; ++y) EXPECT_EQ(app.pos.board[x][y], EMPTY);
    EXPECT_EQ(app.pos.board[x][7], W_PAWN);
    EXPECT_EQ(app.pos.board[x][8], -back[x]);
  }
  EXPECT_EQ(app.record.record_board[0], app.pos.board);
  EXPECT_EQ(app.record.record_piece[0], 0);
  EXPECT_EQ(app.record.record_from_x[0], 0);
  // The whole window was redrawn: the logo is the last picture.
  ASSERT_FALSE(t.canvas.matching("picture").empty());
  EXPECT_EQ(t.canvas.matching("picture").back(), "picture ZARVOCHESS 7666 405");
}

TEST(GameState, SwapKingsAndQueensTwiceRestores) {
  Board b{};
  set_initial_position(b);
  const Board start = b;
  swap_kings_and_queens(b);
  EXPECT_EQ(b[4][1], B_KING);
  EXPECT_EQ(b[5][1], B_QUEEN);
  EXPECT_EQ(b[4][8], W_KING);
  EXPECT_EQ(b[5][8], W_QUEEN);
  swap_kings_and_queens(b);
  EXPECT_EQ(b, start);
}

TEST(GameState, SwapWithoutAQueenLeavesThatKing) {
  Board b = test::board_from(
      {"....k...", "........", "........", "........", "........", "........", "........", "...QK..."});
  swap_kings_and_queens(b);
  EXPECT_EQ(b[5][1], B_KING);
  EXPECT_EQ(b[4][8], W_KING);
  EXPECT_EQ(b[5][8], W_QUEEN);
  // A queen without its king stays a queen.
  Board c = test::board_from(
      {"...q....", "........", "........", "........", "........", "........", "........", "....K..."});
  swap_kings_and_queens(c);
  EXPECT_EQ(c[4][1], B_QUEEN);
  EXPECT_EQ(c[0][0], 0);
}

TEST(GameState, ArmyTests) {
  EXPECT_FALSE(is_b_piece(0));
  EXPECT_FALSE(is_w_piece(0));
  EXPECT_TRUE(is_b_piece(1));
  EXPECT_TRUE(is_w_piece(-1));
}

TEST(MoveRecordTest, EntriesAreStoredWithoutTouchingTheCounters) {
  test::TestApp t;
  App& app = t.app;
  reset_game(app);
  app.pos.board[5][5] = W_PAWN;
  record_move(app.record, app.pos.board, 3, 5, 7, 5, 5, W_PAWN);
  EXPECT_EQ(app.game.move_number, 0);
  EXPECT_EQ(app.record.record_board[3][5][5], W_PAWN);
  EXPECT_EQ(app.record.record_piece[3], W_PAWN);
  // Storing an entry again replaces it completely.
  app.pos.board[5][5] = EMPTY;
  record_move(app.record, app.pos.board, 3, 1, 2, 1, 3, B_PAWN);
  EXPECT_EQ(app.record.record_board[3][5][5], EMPTY);
  EXPECT_EQ(app.record.record_from_x[3], 1);
  EXPECT_EQ(app.record.record_piece[3], B_PAWN);
}

TEST(MoveRecordTest, NothingIsWrittenPastTheLastEntry) {
  MoveRecord r;
  Board b{};
  b[1][1] = B_KING;
  record_move(r, b, RECORD_LAST, 1, 1, 1, 1, 6);
  EXPECT_EQ(r.record_piece[RECORD_LAST], 6);
  record_move(r, b, RECORD_LAST + 1, 1, 1, 1, 1, 5);  // ignored
  record_move(r, b, -1, 1, 1, 1, 1, 5);
  EXPECT_EQ(record_piece_at(r, RECORD_LAST + 1), 0);
  EXPECT_EQ(record_piece_at(r, -1), 0);
  EXPECT_EQ(record_has_room(RECORD_LAST - 1), 1);
  EXPECT_EQ(record_has_room(RECORD_LAST), 0);
}

}  // namespace
}  // namespace zarvo
