// Positions in which neither army can ever give mate.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

// 1 for king against king, king and one bishop or knight against king, and
// kings with bishops that all stand on squares of one colour.
int insufficient_material(const Board& board);

}  // namespace zarvo
