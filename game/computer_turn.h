// The computer's turn as the player sees it: the thinking caption, the blinking
// piece, the move, its sound and the check or mate that follows.
#pragma once

namespace zarvo {

struct App;

// Plays one whole move for the computer (the B side) and hands the turn back.
void com_ban(App& app);

}  // namespace zarvo
