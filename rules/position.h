// What the chess rules need of a game: the board as the window shows it, both
// king squares, the maps scanned from the board, and what the rules need from
// the past (castling rights, the en passant square, the clocks).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/board_maps.h"
#include "rules/game_state.h"
#include "rules/pin_maps.h"

namespace zarvo {

constexpr std::uint64_t square_bit(int x, int y) { return std::uint64_t{1} << ((x - 1) * 8 + (y - 1)); }
constexpr std::uint64_t ALL_SQUARES = ~std::uint64_t{0};

struct Position {
  Board board{};
  KingSquares kings;
  BoardMaps maps;
  PinMaps pins;
  // Squares no move has left or entered: a king or rook standing on one has
  // never moved, which is what castling asks of both.
  std::uint64_t unmoved = ALL_SQUARES;
  // The square a pawn passed over in the double step just made; 0 when none.
  int ep_x = 0;
  int ep_y = 0;
  int halfmove_clock = 0;  // plies since the last capture or pawn move
  int plies = 0;           // moves made since start_fullmove
  int start_fullmove = 1;  // the move number, as a FEN counts it, of the start
  int turned = 0;          // 1 after an odd number of flips

  int untouched(int x, int y) const { return on_board(x, y) && (unmoved & square_bit(x, y)) ? 1 : 0; }
};

// One move as the rules see it: `piece` is what stands on the destination
// afterwards (the chosen piece of a promotion).
struct Move {
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int piece = EMPTY;
  bool operator==(const Move&) const = default;
};

// The squares a move changed, in the order it changed them, and what it took.
struct MoveChanges {
  struct Square {
    int x = 0, y = 0;
  };
  std::array<Square, 4> squares{};
  int count = 0;
  int captured = EMPTY;  // the piece taken, en passant included
  int en_passant = 0;    // 1 when the taken pawn stood beside the destination
  void add(int x, int y) { squares[count++] = {x, y}; }
};

// Makes the move: the en passant pawn, the castling rook, the promotion, the
// king squares, the castling rights, the en passant square and the clocks.
// The maps are not rescanned.
MoveChanges play_move(Position& pos, const Move& m);

// The same position turned through 180 degrees with every army handed to the
// other side (the codes negated); rights, en passant square and kings go with it.
Position flipped(const Position& pos);

// How the window's squares and armies are chess squares and colours.
struct Orientation {
  int white_is_lower = 1;  // 0 when the board is seen from Black's side
  int files_mirrored = 0;  // 1 when file a is the right-hand column

  int file_of(int x) const { return files_mirrored ? BOARD_SIZE - x : x - 1; }  // 0..7
  int rank_of(int y) const { return white_is_lower ? BOARD_SIZE - y : y - 1; }  // 0..7
  int x_of(int file) const { return files_mirrored ? BOARD_SIZE - file : file + 1; }
  int y_of(int rank) const { return white_is_lower ? BOARD_SIZE - rank : rank + 1; }
  bool is_white(int code) const { return (code <= W_PAWN) == (white_is_lower == 1); }
  // The code of a piece kind (1 pawn .. 6 king) of a colour.
  int code(int kind, bool white) const { return white == (white_is_lower == 1) ? -kind : kind; }
  std::string square_name(int x, int y) const;  // "e4"
  // (x, y) of a square name; false for anything else.
  bool parse_square(std::string_view name, int& x, int& y) const;
};

// The orientation of a board seen as the window shows it.
Orientation orientation_of(const Position& pos, int colors_swapped);

// FEN of the position. upper_to_move says which army moves next.
std::string to_fen(const Position& pos, const Orientation& o, int upper_to_move);

// Reads a FEN into pos (maps and kings scanned) and upper_to_move. On a
// refusal answers the reason, naming the field, and leaves both unchanged.
std::string from_fen(std::string_view fen, const Orientation& o, Position& pos, int& upper_to_move);

// What a move changes of the past the rules keep: castling rights, the en
// passant square and the clocks. `moving` is what left the origin, `captured`
// what the move took. The board is not touched: play_move and the replay of a
// stored record share it.
void note_move(Position& pos, const Move& m, int moving, int captured);

// The past of a new game: every right, no en passant square, clocks at zero.
void clear_history(Position& pos);

// Every move of the army that the game would accept: allowed by the movement
// rules and leaving the own king unattacked. Promotions come once per piece
// kind. The maps are left as they were.
std::vector<Move> legal_moves(const Position& pos, int upper);

// Leaf count of the legal-move tree to the given depth, the armies taking
// turns starting with `upper`.
std::uint64_t perft(const Position& pos, int upper, int depth);

}  // namespace zarvo
