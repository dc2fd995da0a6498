#include "computer/move_scoring.h"

#include "computer/computer_state.h"
#include "computer/piece_terms.h"
#include "computer/position_evaluation.h"
#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {
// The maps, the king squares and the board are read where the terms use them,
// never cached: the castling test inside check_piece_move and the trial moves
// of lower_king_mated may rebuild the maps while a score is being made, and
// the later terms then see what those calls left.
double score_move(Position& pos, ComputerState& com, int cap, int mp, int x1, int y1, int x2, int y2) {
  const BoardMaps& m = pos.maps;
  const KingSquares& k = pos.kings;
  const Board& b = pos.board;

  if (cap == W_KING) return SCORE_TAKES_KING;
  // The move leaves the own king attacked.
  if (m.lower_attack_count[k.upper_king_x][k.upper_king_y] >= 1) return SCORE_LOSING;

  double s = 0;
  if (m.upper_attack_count[k.lower_king_x][k.lower_king_y] == 0) {
    // A lone king that boxes the W king in is working towards mate.
    if (com.b_piece_count == 1 && king_boxed_in(pos, k.lower_king_x, k.lower_king_y) == 1) s = s + 1;
  } else {
    // A mate given by a pawn is rated like a losing move.
    if (lower_king_mated(pos) == 1) return mp == B_PAWN ? SCORE_LOSING : SCORE_MATES;
    if (mp == B_KNIGHT) {
      s = s + 1;
      if (count_safe_moves(pos, k.lower_king_x, k.lower_king_y, W_KING) == 0) return SCORE_MATES;
    }
    // Only the W king attacks the checking piece, and it is defended.
    if (m.lower_attacker[x2][y2] == W_KING && m.upper_attack_count[x2][y2] > 0) s = s + 100;
    // A checker diagonally next to the king, backed by a rook on the king's line.
    if (m.lower_attack_count[x2][y2] <= 2 && m.upper_defender[x2][y2] == B_ROOK && x2 != k.lower_king_x &&
        y2 != k.lower_king_y && abs_code(k.lower_king_x - x2) < 2 && abs_code(k.lower_king_y - y2) < 2 &&
        (m.upper_defender_x[x2][y2] == k.lower_king_x || m.upper_defender_y[x2][y2] == k.lower_king_y))
      s = s + 900;
    if (m.lower_attack_count[x2][y2] == 0) s = s + 10;
  }
  if (mp > com.moving_piece) s = s + 10;  // a promotion
  s = s + evaluate_position(pos, com, mp, x2, y2);
  if (com.level < 2) return s;

  // Approach: coming nearer the W king along the larger of the two distances.
  {
    const int dx = abs_code(x2 - k.lower_king_x);
    const int dy = abs_code(y2 - k.lower_king_y);
    if (dx > dy) {
      if (com.origin_king_distance > dx) s = s + 1;
    } else if (com.origin_king_distance > dy) {
      s = s + 0.1;
    }
  }

  // The cheapest W attacker of the destination is pinned to its king and the
  // moved piece could take it.
  {
    const int ax = m.lower_attacker_x[x2][y2];
    const int ay = m.lower_attacker_y[x2][y2];
    const int lkx = k.lower_king_x;
    const int lky = k.lower_king_y;
    if (m.lower_attack_count[ax][ay] > 0 &&
        (m.lower_attack_count[x2][y2] == 1 ||
         (m.lower_attack_count[x2][y2] == 2 && m.upper_attack_count[lkx][lky] > 0 &&
          m.upper_attack_count[x2][y2] > 0)) &&
        pos.pins.lower_pinned[ax][ay] == 1 &&
        ((ax == lkx && x2 != lkx) || (ay == lky && y2 != lky) ||
         (ax != lkx && ay != lky && (x2 == lkx || y2 == lky)))) {
      if (scored_move_allowed(pos, x2, y2, ax, ay, com.moving_piece) == 1 &&
          b[com.pre_upper_attacker_x[ax][ay]][com.pre_upper_attacker_y[ax][ay]] != EMPTY)
        s = s + abs_code(b[ax][ay]);
    }
  }

  // Exchange on the destination.
  if (m.lower_attack_count[x2][y2] > 0) {
    if (m.upper_attack_count[x2][y2] > 0) {
      if (mp > abs_code(m.lower_attacker[x2][y2])) s = s - mp + abs_code(m.lower_attacker[x2][y2]);
      // The W king takes back, but it has to step out of its check towards us.
      if (m.lower_attacker[x2][y2] == W_KING && y2 < k.lower_king_y &&
          m.upper_attack_count[k.lower_king_x][k.lower_king_y] > 0)
        s = s + mp;
    }
  }
  if (m.lower_attack_count[x2][y2] == 0) {
    // The piece fled from an attacked, undefended square.
    if (com.pre_lower_attack_count[x1][y1] > 0 && com.pre_upper_attack_count[x1][y1] == 0) s = s + 6 * mp;
  }

  // A quiet move that takes flight squares from the W king, or a capture.
  if (cap == EMPTY) {
    if (((abs_code(x2 - k.lower_king_x) < 3 && abs_code(y2 - k.lower_king_y) < 3) || (B_BISHOP <= mp && mp < B_KING)) &&
        m.lower_attack_count[x2][y2] == 0) {
      const int after = count_flight_squares(pos);
      if (com.flight_squares_before > after) s = s + (com.flight_squares_before - after);
    }
  } else if (m.lower_attack_count[x2][y2] == 0 ||
             (m.lower_attack_count[x2][y2] > 0 && m.upper_attack_count[x2][y2] > 0 &&
              mp < abs_code(m.lower_attacker[x2][y2])) ||
             (m.lower_attack_count[x2][y2] > 0 && m.upper_attack_count[x2][y2] == 0 &&
              com.pre_lower_attack_count[x1][y1] > 0 && count_safe_moves(pos, x1, y1, mp) == 0)) {
    s = s + 6 * abs_code(cap);
  }
  if (com.level < 3) return s;

  return add_piece_terms(pos, com, s, cap, mp, x1, y1, x2, y2);
}

int scored_move_allowed(Position& pos, int fx, int fy, int tx, int ty, int code) {
  if (castling_scan_due(pos, fx, fy, code) == 1) rescan(pos);
  return check_piece_move(pos, fx, fy, tx, ty, code);
}

int count_flight_squares(Position& pos) {
  const Board& b = pos.board;
  const KingSquares& k = pos.kings;
  int n = 0;
  for (int x = k.lower_king_x - 1; x <= k.lower_king_x + 1; ++x) {
    for (int y = k.lower_king_y - 1; y <= k.lower_king_y + 1; ++y) {
      if (!on_board(x, y) || (x == k.lower_king_x && y == k.lower_king_y)) continue;
      if (b[x][y] == EMPTY && pos.maps.upper_attack_count[x][y] == 0) ++n;
    }
  }
  return n;
}

int lower_king_attacked(Position& pos) {
  const Board& b = pos.board;
  const KingSquares& k = pos.kings;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      if (b[x][y] >= B_PAWN && scored_move_allowed(pos, x, y, k.lower_king_x, k.lower_king_y, b[x][y]) == 1) return 1;
    }
  }
  return 0;
}

// The check map of the last scan names the squares where a W piece can end the
// check. It is copied before the first trial: the castling test inside a trial
// may rebuild the maps for the trial position.
int lower_king_mated(Position& pos) {
  Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  const KingSquares& k = pos.kings;
  if (m.upper_attack_count[k.lower_king_x][k.lower_king_y] == 0) return 0;
  const SquareMap<int> check_squares = m.upper_check_map;

  const int kx = k.lower_king_x;
  const int ky = k.lower_king_y;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y)) continue;
      if (scored_move_allowed(pos, kx, ky, x, y, W_KING) == 1 && m.upper_attack_count[x][y] == 0) return 0;
    }
  }

  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      if (b[a][c] < W_QUEEN || b[a][c] > W_PAWN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (x == a && y == c) continue;
          if (check_squares[x][y] > 0 && scored_move_allowed(pos, a, c, x, y, b[a][c]) == 1) {
            const int piece = b[a][c];
            const int target = b[x][y];
            b[x][y] = piece;
            b[a][c] = EMPTY;
            const int attacked = lower_king_attacked(pos);
            b[a][c] = piece;
            b[x][y] = target;
            if (attacked == 0) return 0;
          }
        }
      }
    }
  }
  return 1;
}

int count_safe_moves(Position& pos, int x, int y, int p) {
  const BoardMaps& m = pos.maps;
  int n = 0;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      if (scored_move_allowed(pos, x, y, a, c, p) != 1) continue;
      if (p >= B_PAWN ? m.lower_attack_count[a][c] == 0 : m.upper_attack_count[a][c] == 0) ++n;
    }
  }
  return n;
}

int crowding_penalty(Position& pos, int x, int y) {
  const Board& b = pos.board;
  int s = 0;
  for (int i = x - 1; i <= x + 1; ++i) {
    for (int j = y - 1; j <= y + 1; ++j) {
      if (!on_board(i, j) || (i == x && j == y)) continue;
      if (b[i][j] >= B_BISHOP) --s;
    }
  }
  return s;
}

}  // namespace zarvo
