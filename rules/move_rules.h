// Movement rules for every piece kind, king safety, promotion tests and the
// move maker. Yes/no functions answer 1 or 0.
#pragma once

#include <array>

namespace zarvo {

// Castling: the king's destination columns in the standard arrangement and in
// the one after kings and queens were exchanged (the king starts on column 4).
constexpr int KING_HOME_X = 5;
constexpr int KING_HOME_X_SWAPPED = 4;
constexpr int CASTLE_SHORT_KING_X = 7;
constexpr int CASTLE_LONG_KING_X = 3;
constexpr int CASTLE_SHORT_KING_X_SWAPPED = 6;
constexpr int CASTLE_LONG_KING_X_SWAPPED = 2;
constexpr int ROOK_LEFT_X = 1;
constexpr int ROOK_RIGHT_X = 8;

struct Position;

// 1 if the piece may go from (移動元X, 移動元Y) to (移動先X, 移動先Y) by its own
// movement rules (castling and en passant included).
int check_piece_move(const Position& pos, int fx, int fy, int tx, int ty, int code);

// 1 when check_piece_move tries castling for this piece: the king on its home
// square with a neighbour square free. The computer rescans the maps whenever
// it is so (its scoring reads what that scan leaves).
int castling_scan_due(const Position& pos, int fx, int fy, int code);
// Rebuilds the board maps and king squares from the board.
void rescan(Position& pos);

int rook_path_clear(const Position& pos, int fx, int fy, int tx, int ty);
int diagonal_path_clear(const Position& pos, int fx, int fy, int tx, int ty);

// 1 if this pawn move captures en passant: the pawn beside it has just made
// its double step over the destination.
int is_en_passant(const Position& pos, int fx, int fy, int tx, int ty, int code);

// 1 when the move, tried on a copy of the board, leaves the king of the moving
// army (upper 1: the upper army) unattacked.
int move_keeps_king_safe(const Position& pos, int fx, int fy, int tx, int ty, int upper);

int promotion_due(int from_x, int from_y, int to_x, int ty, int code);
int promotion_not_due(int to_x, int ty, int code);

// Pieces of the other army than `upper` on the board, kings included.
int count_opponent_pieces(const Position& pos, int upper);

}  // namespace zarvo
