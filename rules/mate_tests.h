// Mate and stalemate tests on the position and its board maps.
#pragma once

namespace zarvo {

struct Position;

// 1 when the king on that square is not attacked and every neighbouring square
// on the board is attacked by the other army.
int king_boxed_in(const Position& pos, int king_x, int king_y);
// 1 when the B-side king is in check and no move of the B side ends the check.
// Each trial move rescans the maps, and the maps of the last trial stay: the
// computer's turn that follows reads them.
int upper_king_mated(Position& pos);

// 1 when the king of the army (upper 1: the upper army) stands attacked.
int king_in_check(const Position& pos, int upper);
// 1 when the army has a move the game would accept: allowed by the movement
// rules and leaving the own king safe (taking a king always counts; with
// unsafe_accepted any move the movement rules allow counts).
int has_legal_move(const Position& pos, int upper, int unsafe_accepted);

}  // namespace zarvo
