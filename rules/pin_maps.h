// Pieces that shield their own king from an enemy bishop or rook.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

struct PinMaps {
  SquareMap<int> lower_pinned{};  // 1 on a W piece that shields W_KING
  int upper_pin_found = 0;        // 1 when some B piece shields B_KING
};

struct Position;

// Lifts each piece in turn and asks whether an enemy bishop or rook could then
// reach its king. The board is restored; the board maps are not touched.
void find_pins(Position& pos);

}  // namespace zarvo
