// The computer player's working values and its strength settings.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

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
};

}  // namespace zarvo
