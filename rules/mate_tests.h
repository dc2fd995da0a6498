// Mate and stalemate tests on the position and its board maps.
#pragma once

namespace zarvo {

struct App;

// 1 when the king on that square is not attacked and every neighbouring square
// on the board is attacked by the other army.
int king_boxed_in(App& app, int king_x, int king_y);
// 1 when the B-side king is in check and no move of the B side ends the check.
int upper_king_mated(App& app);

}  // namespace zarvo
