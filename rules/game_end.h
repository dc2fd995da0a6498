// Check, mate, stalemate and the end of a game.
#pragma once

#include <string_view>

namespace zarvo {

struct App;

// 1 when the king on that square is not attacked and every neighbouring square
// on the board is attacked by the other army.
int king_boxed_in(App& app, int IN_キング座標X, int IN_キング座標Y);
// 1 when the B-side king is in check and no move of the B side ends the check.
int upper_king_mated(App& app);
// Shows the result for the winner's label and asks whether to play again.
void announce_result(App& app, std::string_view 勝手);
// After a human move: results, check, the computer's reply or the turn switch.
void end_of_move_evaluation(App& app, int captured);

}  // namespace zarvo
