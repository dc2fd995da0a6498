// Movement rules for every piece kind, king safety, promotion tests and the
// move maker. Yes/no functions answer 1 or 0.
#pragma once

namespace zarvo {

struct App;

// 1 if the piece may go from (移動元X, 移動元Y) to (移動先X, 移動先Y) by its own
// movement rules (castling and en passant included). The castling cases rescan
// the board maps as a side effect.
int check_piece_move(App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);

int rook_path_clear(const App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int diagonal_path_clear(const App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// 1 if this pawn move captures en passant; removing the pawn is the caller's task.
int is_en_passant(const App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);

// Tries the move on the board, rescans and answers whether the mover's king is
// unattacked. The board is restored; the maps stay those of the trial position.
int move_keeps_king_safe(App& app, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int 手番);

int promotion_due(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
int promotion_not_due(int IN_移動先X, int IN_移動先Y, int 移動駒種類);
// Like promotion_due; on a yes the moving side's queen goes into computer_promotion_piece.
int computer_promotion_due(App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);

// Pieces of the other side on the board, kings included.
int count_opponent_pieces(const App& app, int IN_手番);

// Puts 移動駒 on the destination, empties the origin, moves a castling rook and
// redraws every square it changes.
void make_move(App& app, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);

}  // namespace zarvo
