// The shared vocabulary of the game: piece codes, players, flags, the board and
// the game-state values every subsystem reads and writes.
#pragma once

#include <array>
#include <cstdlib>

namespace zarvo {

// Piece codes. The upper army (B side) has positive codes and moves down the
// screen; the lower army (W side) has negative codes and moves up.
constexpr int EMPTY = 0;
constexpr int B_PAWN = 1;
constexpr int B_KNIGHT = 2;
constexpr int B_BISHOP = 3;
constexpr int B_ROOK = 4;
constexpr int B_QUEEN = 5;
constexpr int B_KING = 6;
constexpr int W_PAWN = -1;
constexpr int W_KNIGHT = -2;
constexpr int W_BISHOP = -3;
constexpr int W_ROOK = -4;
constexpr int W_QUEEN = -5;
constexpr int W_KING = -6;

// Players are named by the order of play, not by colour.
constexpr int FIRST = 6;   // 先手
constexpr int SECOND = 7;  // 後手
constexpr int NONE = -1;

constexpr int KIND_TWO_HUMANS = 0;
constexpr int KIND_VS_COMPUTER = 1;

constexpr int BOARD_SIZE = 8;

// Indexed [x][y] with x the column (1 = left) and y the row (1 = top); index 0
// is never a square.
template <class T>
using SquareMap = std::array<std::array<T, 9>, 9>;
using Board = SquareMap<int>;

constexpr bool is_b_piece(int k) { return k >= B_PAWN; }
constexpr bool is_w_piece(int k) { return k <= W_PAWN; }
constexpr bool is_piece_code(int k) { return k >= W_KING && k <= B_KING && k != EMPTY; }
constexpr bool on_board(int x, int y) { return x >= 1 && x <= BOARD_SIZE && y >= 1 && y <= BOARD_SIZE; }
constexpr int abs_code(int k) { return k < 0 ? -k : k; }

struct KingSquares {
  int lower_king_x = 0;
  int lower_king_y = 0;
  int upper_king_x = 0;
  int upper_king_y = 0;
};

struct GameState {
  int turn = NONE;
  int lower_player = 0;  // set when a game starts
  int upper_player = 0;
  int game_kind = NONE;
  int move_number = 0;
  int record_length = 0;
  int selection_state = 0;
  int colors_swapped = 0;
  int winner = NONE;
  int mate_announced = 0;
  int record_mode = 0;
  int board_reversed = 0;
  int handicap_set = 0;
  int guidance_on = 0;
};

// Exchanges king and queen of each army: the position seen from Black's side.
void swap_kings_and_queens(Board& board);

// Puts the standard initial position on the board (steps 4 and 5 of a new game).
void set_initial_position(Board& board);

}  // namespace zarvo
