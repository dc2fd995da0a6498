#include "rules/game_state.h"

namespace zarvo {

void set_initial_position(Board& board) {
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) board[x][y] = EMPTY;
    board[x][2] = B_PAWN;
    board[x][7] = W_PAWN;
  }
  constexpr int back_row[9] = {0, B_ROOK, B_KNIGHT, B_BISHOP, B_QUEEN, B_KING, B_BISHOP, B_KNIGHT, B_ROOK};
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    board[x][1] = back_row[x];
    board[x][8] = -back_row[x];
  }
}

void swap_kings_and_queens(Board& board) {
  struct Seen {
    int x = 0, y = 0;
    bool found = false;
  };
  Seen b_king, w_king, b_queen, w_queen;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int k = board[x][y];
      Seen* s = k == B_KING    ? &b_king
                : k == W_KING  ? &w_king
                : k == B_QUEEN ? &b_queen
                : k == W_QUEEN ? &w_queen
                               : nullptr;
      if (s) *s = {x, y, true};
    }
  }
  // Without its king an army keeps its queen: exchanging with nothing would
  // turn the queen into a king.
  if (b_queen.found && b_king.found) {
    board[b_queen.x][b_queen.y] = B_KING;
    board[b_king.x][b_king.y] = B_QUEEN;
  }
  if (w_queen.found && w_king.found) {
    board[w_queen.x][w_queen.y] = W_KING;
    board[w_king.x][w_king.y] = W_QUEEN;
  }
}

}  // namespace zarvo
