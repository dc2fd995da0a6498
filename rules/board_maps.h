// Per-square attack maps rebuilt from the board by one walk over the position.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

constexpr int NO_DEFENDER = 999;  // reset value of the defender and upper attacker maps
constexpr int NO_LOWER_ATTACKER = -999;

// Marks of the check maps: the square of a checking piece, and a square between
// a checking bishop, rook or queen and the king. Both are where a capture or a
// block can end the check.
constexpr int CHECKER = 9;
constexpr int CHECK_LINE = 1;

struct BoardMaps {
  SquareMap<int> lower_attack_count{};  // W pieces reaching the square
  SquareMap<int> upper_attack_count{};  // B pieces reaching the square
  SquareMap<int> lower_defender{};      // cheapest W defender of a W piece
  SquareMap<int> upper_defender{};      // cheapest B defender of a B piece
  SquareMap<int> upper_defender_x{};    // never reset
  SquareMap<int> upper_defender_y{};    // never reset
  SquareMap<int> lower_attacker{};      // cheapest W attacker of a B piece
  SquareMap<int> lower_attacker_x{};
  SquareMap<int> lower_attacker_y{};
  SquareMap<int> upper_attacker{};    // cheapest B pawn or slider attacking a W piece
  SquareMap<int> upper_attacker_x{};  // never reset
  SquareMap<int> upper_attacker_y{};  // never reset
  SquareMap<int> lower_check_map{};   // CHECKER on W checkers of B_KING, CHECK_LINE between slider and king
  SquareMap<int> upper_check_map{};   // the same for B pieces checking W_KING
};

// Rebuilds every map from the board and stores the squares of both kings (a
// missing king keeps its old square).
void scan_board(const Board& board, BoardMaps& maps, KingSquares& kings);

// Walks one ray of a bishop, rook or queen of code `code` on (x, y).
void scan_ray(const Board& board, BoardMaps& maps, int code, int x, int y, int dx, int dy);

}  // namespace zarvo
