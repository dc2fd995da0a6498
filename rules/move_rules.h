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

struct App;

// 1 if the piece may go from (移動元X, 移動元Y) to (移動先X, 移動先Y) by its own
// movement rules (castling and en passant included). The castling cases rescan
// the board maps as a side effect.
int check_piece_move(App& app, int fx, int fy, int tx, int ty, int code);

// The castling test's rebuild of the board maps from the current board. The
// computer's choices depend on the maps it leaves behind, so it stays.
void rescan_for_castling(App& app);

int rook_path_clear(const App& app, int fx, int fy, int tx, int ty);
int diagonal_path_clear(const App& app, int fx, int fy, int tx, int ty);

// 1 if this pawn move captures en passant; removing the pawn is the caller's task.
int is_en_passant(const App& app, int fx, int fy, int tx, int ty, int code);

// Tries the move on the board, rescans and answers whether the mover's king is
// unattacked. The board is restored; the maps stay those of the trial position.
int move_keeps_king_safe(App& app, int fx, int fy, int tx, int ty, int side);

int promotion_due(int from_x, int from_y, int to_x, int ty, int code);
int promotion_not_due(int to_x, int ty, int code);
// Like promotion_due; on a yes the moving side's queen goes into computer_promotion_piece.
int computer_promotion_due(App& app, int fx, int fy, int tx, int ty, int code);

// Pieces of the other side on the board, kings included.
int count_opponent_pieces(const App& app, int side);

// The squares a move changed, in the order it changed them.
struct MoveChanges {
  struct Square {
    int x = 0, y = 0;
  };
  std::array<Square, 4> squares{};
  int count = 0;
  void add(int x, int y) { squares[count++] = {x, y}; }
};

// Puts the piece on the destination, empties the origin and moves a castling
// rook; answers the squares it changed for the caller to draw.
MoveChanges make_move(App& app, int from_x, int from_y, int to_x, int to_y, int piece);

}  // namespace zarvo
