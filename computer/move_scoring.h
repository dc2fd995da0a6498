// The score of one candidate move of the computer, and the small board
// functions the scoring and the computer's turn share.
#pragma once

namespace zarvo {

struct App;

// Scores the position after a trial move of the upper army. The board holds
// the trial move and the maps were rebuilt for it; 取得駒 is what stood on the
// destination, 移動駒 what stands there now.
double score_move(App& app, int cap, int mp, int x1, int y1, int x2, int y2);

// Empty, unattacked squares next to the W king.
int count_flight_squares(App& app);
// 1 if some B piece may move onto the W king's square.
int lower_king_attacked(App& app);
// 1 if the W king is in check and neither a king step nor a capture or block
// by another W piece ends it.
int lower_king_mated(App& app);
// Destinations of the piece that the other army does not attack.
int count_safe_moves(App& app, int x, int y, int p);
// Minus the number of B bishops, rooks, queens and kings next to the square.
int crowding_penalty(App& app, int x, int y);

}  // namespace zarvo
