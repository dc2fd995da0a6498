// A move made on the board of a running game, as both players see it.
#pragma once

#include "rules/position.h"

namespace zarvo {

struct App;

// Plays the move, draws the squares it changed, waits `pause` seconds, sounds
// the piece, records the move as the next entry and shows the move number;
// the maps are rescanned for the position after it. Answers what it changed.
MoveChanges commit_move(App& app, const Move& m, double pause);

}  // namespace zarvo
