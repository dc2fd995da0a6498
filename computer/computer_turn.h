// The computer's move: a one-ply search over every move of the upper army.
#pragma once

namespace zarvo {

struct App;

// Plays one whole move for the computer (the B side) and hands the turn back.
void com_ban(App& app);

}  // namespace zarvo
