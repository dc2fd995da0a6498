// The computer's turn as the player sees it: the thinking caption, the blinking
// piece, the move, its sound and the check or mate that follows.
#pragma once

#include "computer/computer_state.h"

namespace zarvo {

struct App;

// Plays one whole move for the computer (the B side) and hands the turn back.
// At an engine level the move is chosen by the engine while the window goes
// on; the turn ends when its answer arrives.
void com_ban(App& app);
// The rest of the turn once the search is prepared: the game's own search
// chooses the move and it is played.
void play_searched_move(App& app);
// Shows, plays, records and announces the upper army's chosen move.
void play_computer_move(App& app, const Candidate& c);

}  // namespace zarvo
