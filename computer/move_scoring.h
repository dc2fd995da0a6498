// The score of one candidate move of the computer, and the small board
// functions the scoring and the computer's turn share.
#pragma once

namespace zarvo {

struct Position;
struct ComputerState;

// Scores the position after a trial move of the upper army. The board holds
// the trial move and the maps were rebuilt for it; 取得駒 is what stood on the
// destination, 移動駒 what stands there now.
double score_move(Position& pos, ComputerState& com, int cap, int mp, int x1, int y1, int x2, int y2);

// check_piece_move as the scoring has always asked it: for a king on its home
// square the maps are rescanned first, and the terms after it read that scan.
int scored_move_allowed(Position& pos, int fx, int fy, int tx, int ty, int code);

// Empty, unattacked squares next to the W king.
int count_flight_squares(Position& pos);
// 1 if some B piece may move onto the W king's square.
int lower_king_attacked(Position& pos);
// 1 if the W king is in check and neither a king step nor a capture or block
// by another W piece ends it.
int lower_king_mated(Position& pos);
// Destinations of the piece that the other army does not attack.
int count_safe_moves(Position& pos, int x, int y, int p);
// Minus the number of B bishops, rooks, queens and kings next to the square.
int crowding_penalty(Position& pos, int x, int y);

}  // namespace zarvo
