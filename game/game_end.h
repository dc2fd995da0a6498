// The end of a move as the players see it: check, mate, stalemate and the result.
#pragma once

#include <string_view>

namespace zarvo {

struct App;

// Shows the result for the winner's label and asks whether to play again.
void announce_result(App& app, std::string_view label);
// After a human move: results, check, the computer's reply or the turn switch.
void end_of_move_evaluation(App& app, int captured);

}  // namespace zarvo
