// The computer player's working values and its strength settings.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

// One move of the upper army as the search tried it: origin, destination, the
// piece that moves, the piece that ends on the destination (the queen of a
// promotion) and what stood there before.
struct Candidate {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int moving = EMPTY;
  int placed = EMPTY;
  int captured = EMPTY;
  double score = 0;
};

// Scores that end the scoring of a move at once.
constexpr double SCORE_TAKES_KING = 9999;
constexpr double SCORE_MATES = 9998;
constexpr double SCORE_LOSING = -9998;  // the own king stays attacked, or a pawn gives the mate
// Below every score a move can get, so that the first candidate is always kept.
constexpr double SCORE_BEFORE_SEARCH = -99999;

struct ComputerState {
  double best_score = 0;
  Board board_at_turn_start{};
  int flight_squares_before = 0;
  int b_piece_count = 0;
  int moving_piece = 0;
  int origin_king_distance = 0;
  SquareMap<int> pre_lower_attack_count{};
  SquareMap<int> pre_upper_attack_count{};
  SquareMap<int> pre_upper_attacker_x{};
  SquareMap<int> pre_upper_attacker_y{};
  int computer_promotion_piece = 0;  // the queen the computer promotes to
  int level = 3;                     // 1..3
  int handicap_grade = 0;            // -7..7, 0 is the even game
  Candidate best{};                  // the move chosen by the last search
  int best_found = 0;                // 0 when the last search met no candidate at all
  int takes_king = 0;                // 1 when the move chosen takes the W king
};

}  // namespace zarvo
