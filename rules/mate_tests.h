// Mate and stalemate tests on the position and its board maps.
#pragma once

namespace zarvo {

struct App;

// 1 when the king on that square is not attacked and every neighbouring square
// on the board is attacked by the other army.
int king_boxed_in(App& app, int king_x, int king_y);
// 1 when the B-side king is in check and no move of the B side ends the check.
int upper_king_mated(App& app);

// 1 when the king of player (lower_player or upper_player) stands attacked in
// the position on the board. Maps and king squares are left as they were.
int king_in_check(App& app, int player);
// 1 when player has a move the game would accept: allowed by the movement
// rules and leaving the own king safe (taking a king always counts). Maps and
// king squares are left as they were.
int has_legal_move(App& app, int player);

}  // namespace zarvo
