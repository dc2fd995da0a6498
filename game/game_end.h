// The end of a move as the players see it: check, mate, stalemate and the result.
#pragma once

#include <string_view>

namespace zarvo {

struct App;

// Shows the result for the winner's label and asks whether to play again.
void announce_result(App& app, std::string_view label);
// "ステールメイト", then the draw.
void announce_stalemate(App& app);
// A player without a legal move has lost when in check (the other side, named
// by winner, wins) and is stalemated otherwise; answers 1 when the game was ended.
int end_game_without_moves(App& app, int player, std::string_view winner);
// After a human move: results, check, the computer's reply or the turn switch.
// A game never goes on with a side that cannot move.
void end_of_move_evaluation(App& app, int captured);

}  // namespace zarvo
