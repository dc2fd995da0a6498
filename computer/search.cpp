#include "computer/search.h"

#include "computer/computer_state.h"
#include "computer/move_scoring.h"
#include "rules/move_rules.h"
#include "rules/pin_maps.h"
#include "rules/position.h"

namespace zarvo {

void prepare_search(Position& pos, ComputerState& com) {
  com.best_score = SCORE_BEFORE_SEARCH;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) com.board_at_turn_start[x][y] = pos.board[x][y];
  // On the maps of the last scan before the turn.
  com.flight_squares_before = count_flight_squares(pos);
  com.b_piece_count = count_opponent_pieces(pos, 0);
  rescan(pos);
  find_pins(pos);
  com.pre_lower_attack_count = pos.maps.lower_attack_count;
  com.pre_upper_attack_count = pos.maps.upper_attack_count;
  com.pre_upper_attacker_x = pos.maps.upper_attacker_x;
  com.pre_upper_attacker_y = pos.maps.upper_attacker_y;
}

int search_candidates(Position& pos, ComputerState& com, const CandidateCallback& on_candidate) {
  Board& b = pos.board;
  com.best = Candidate{};
  com.takes_king = 0;
  com.best_found = 0;
  for (int x1 = 1; x1 <= BOARD_SIZE; ++x1) {
    for (int y1 = 1; y1 <= BOARD_SIZE; ++y1) {
      if (b[x1][y1] < B_PAWN) continue;
      for (int x2 = 1; x2 <= BOARD_SIZE; ++x2) {
        for (int y2 = 1; y2 <= BOARD_SIZE; ++y2) {
          if (scored_move_allowed(pos, x1, y1, x2, y2, b[x1][y1]) != 1) continue;
          com.moving_piece = b[x1][y1];
          const int dx = abs_code(x1 - pos.kings.lower_king_x);
          const int dy = abs_code(y1 - pos.kings.lower_king_y);
          com.origin_king_distance = dx > dy ? dx : dy;
          const int captured = b[x2][y2];

          // Only the moving piece moves: a castling rook stays and an en passant victim stays.
          b[x1][y1] = EMPTY;
          b[x2][y2] = com.moving_piece;
          int placed = com.moving_piece;
          if (promotion_due(x1, y1, x2, y2, com.moving_piece) == 1) {
            com.computer_promotion_piece = B_QUEEN;
            b[x2][y2] = com.computer_promotion_piece;
            placed = B_QUEEN;
          }
          rescan(pos);
          const double score = score_move(pos, com, captured, placed, x1, y1, x2, y2);
          b[x2][y2] = captured;
          b[x1][y1] = com.moving_piece;

          const Candidate c{x1, y1, x2, y2, com.moving_piece, placed, captured, score};
          if (on_candidate) on_candidate(c);
          // Strictly greater: of equal scores the first one tried stays.
          if (score > com.best_score) {
            com.best = c;
            com.best_found = 1;
            com.best_score = score;
            if (captured == W_KING) {
              com.takes_king = 1;
              return 1;
            }
          }
        }
      }
    }
  }
  return com.best_found;
}

int search_computer_move(Position& pos, ComputerState& com, const CandidateCallback& on_candidate) {
  prepare_search(pos, com);
  return search_candidates(pos, com, on_candidate);
}

}  // namespace zarvo
