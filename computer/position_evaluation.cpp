#include "computer/position_evaluation.h"

#include "computer/computer_state.h"
#include "computer/move_scoring.h"
#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {
// Looks for the W rook and the W queen: the W pieces that move straight up a
// column. The first B piece on the way closes the column.
int file_attack_from_below(Position& pos, int x, int y) {
  Board& b = pos.board;
  const int saved = b[x][y];
  b[x][y] = EMPTY;
  int answer = 0;
  for (int r = y + 1; r <= BOARD_SIZE; ++r) {
    const int k = b[x][r];
    if (k >= B_PAWN) break;
    if (k == W_ROOK || k == W_QUEEN) {
      answer = scored_move_allowed(pos, x, r, x, y, k);
      break;
    }
  }
  b[x][y] = saved;
  return answer;
}

double evaluate_position(Position& pos, ComputerState& com, int mp, int x2, int y2) {
  const Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  const KingSquares& k = pos.kings;
  const SquareMap<int>& pinned = pos.pins.lower_pinned;
  double s = 0;
  int forks = 0;
  int fork_min = B_KING + 1;  // above every piece value

  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int p = b[x][y];
      if (p == EMPTY) {
        if (m.lower_attack_count[x][y] <= 0) continue;
        // W attacks next to the B king, worst where one defender faces several attackers.
        if (abs_code(k.upper_king_x - x) < 2 && abs_code(k.upper_king_y - y) < 2) {
          s = s - 0.5 * m.lower_attack_count[x][y];
          if (m.upper_attack_count[x][y] == 1 && m.lower_attack_count[x][y] > 1) s = s - 10;
        }
        // Undefended holes in the home rows, worse when a rook or queen can come up the column.
        if (m.upper_attack_count[x][y] == 0 && y < 4) {
          s = s - 0.1;
          if (file_attack_from_below(pos, x, y) == 1) s = s - 10;
        }
        // A W pawn about to advance into the home rows.
        if (y < 4 && b[x][y + 1] == W_PAWN && m.lower_attack_count[x][y] >= m.upper_attack_count[x][y]) {
          s = s - 30;
          if (file_attack_from_below(pos, x, y + 1) == 1) s = s - 70;
        }
      } else if (p >= B_PAWN) {
        if (p == B_KING && y == 1) {
          // The square in front of the king on its home row.
          if (m.lower_attack_count[x][2] > 0) {
            s = s - 50;
            if (m.lower_attack_count[x][2] >= m.upper_attack_count[x][2]) s = s - 250;
          }
        }
        if (m.lower_attack_count[x][y] <= 0) continue;
        const int ax = m.lower_attacker_x[x][y];
        const int ay = m.lower_attacker_y[x][y];
        if (m.upper_defender[x][y] == B_KING &&
            (m.lower_attack_count[x][y] > 1 || p > abs_code(m.lower_attacker[x][y])))
          s = s - 100;
        // A cheaper attacker wins material, unless it is pinned to its king.
        if (pinned[ax][ay] == 0 && p > abs_code(m.lower_attacker[x][y])) s = s - p + abs_code(m.lower_attacker[x][y]);
        if (m.upper_attack_count[x][y] > 0 && pinned[ax][ay] == 0) {
          if (m.lower_attack_count[x][y] > m.upper_attack_count[x][y] &&
              m.upper_defender[x][y] >= abs_code(m.lower_attacker[x][y]))
            s = s - p;
          if (y <= 3 && m.upper_attack_count[x][y] == m.lower_attack_count[x][y] && b[x][y + 1] != EMPTY &&
              file_attack_from_below(pos, x, y + 1) == 1)
            s = s - p - abs_code(m.lower_attacker[x][y + 1]);
        }
        // Hanging.
        if (m.upper_attack_count[x][y] == 0) {
          s = s - p;
          if (y <= 3) s = s - 1;
          // The piece has just taken a W piece here: it gets the capture back.
          if (com.board_at_turn_start[x][y] <= W_PAWN) s = s + abs_code(com.board_at_turn_start[x][y]);
          if (y < 3 && m.lower_attacker[x][y] == W_PAWN) s = s - 20;
        }
      } else {
        // W pieces newly attacked near the B king.
        if (com.pre_upper_attack_count[x][y] == 0 && m.upper_attack_count[x][y] > 0 &&
            abs_code(x - k.upper_king_x) < 3 && abs_code(y - k.upper_king_y) < 3)
          s = s + 15;
        if (p == W_ROOK && x == k.upper_king_x) s = s - 1;
        // Undefended W pieces, and the W king, that the moved piece attacks from a safe square.
        if (m.lower_attack_count[x2][y2] == 0 &&
            (m.lower_attack_count[x][y] == 0 || (x == k.lower_king_x && y == k.lower_king_y)) &&
            scored_move_allowed(pos, x2, y2, x, y, mp) == 1) {
          s = s + 0.1;
          forks = forks + 1;
          if (abs_code(p) < fork_min) fork_min = abs_code(p);
        }
      }
    }
  }
  // A double attack is worth the cheaper of the attacked pieces.
  if (forks > 1) s = s + fork_min;
  return s;
}

}  // namespace zarvo
