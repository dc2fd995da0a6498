// Whole-board terms of the position after a candidate move of the computer.
#pragma once

namespace zarvo {

struct Position;
struct ComputerState;

// Penalties for W attacks near the B king and in the B home rows, for B
// pieces that hang or can be won, and bonuses for W pieces newly attacked and
// for a fork by the moved piece.
double evaluate_position(Position& pos, ComputerState& com, int mp, int x2, int y2);

// 1 when a W rook or queen lower on column 入力X could move up the column to
// (入力X, 入力Y), with that square treated as empty.
int file_attack_from_below(Position& pos, int x, int y);

}  // namespace zarvo
