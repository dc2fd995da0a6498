// Level-3 scoring terms chosen by the kind of piece on the destination.
#pragma once

namespace zarvo {

struct Position;
struct ComputerState;

// Adds the terms for the piece 移動駒 now on the destination to the running
// score s and returns it. 取得駒 is what stood on the destination before.
double add_piece_terms(Position& pos, ComputerState& com, double s, int cap, int mp, int x1, int y1, int x2, int y2);

}  // namespace zarvo
