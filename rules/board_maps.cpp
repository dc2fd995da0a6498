#include "rules/board_maps.h"

#include <cassert>

namespace zarvo {
namespace {

[[maybe_unused]] bool has_piece(const Board& board, int code) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (board[x][y] == code) return true;
  return false;
}

// One target square t reached by the piece `k` standing on (x, y).
inline void visit(const Board& board, BoardMaps& m, int k, int x, int y, int tx, int ty) {
  assert(on_board(x, y) && on_board(tx, ty));
  const int target = board[tx][ty];
  if (k < 0) {
    m.lower_attack_count[tx][ty] += 1;
    if (is_w_piece(target)) {
      if (k < m.lower_defender[tx][ty]) m.lower_defender[tx][ty] = k;
    } else if (is_b_piece(target)) {
      // Raising is strict: of equally cheap attackers the first scanned keeps the square.
      if (k > m.lower_attacker[tx][ty]) {
        m.lower_attacker[tx][ty] = k;
        m.lower_attacker_x[tx][ty] = x;
        m.lower_attacker_y[tx][ty] = y;
      }
      if (target == B_KING && (k == W_PAWN || k == W_KNIGHT)) m.lower_check_map[x][y] = CHECKER;
    }
    return;
  }
  m.upper_attack_count[tx][ty] += 1;
  const bool slider = k == B_BISHOP || k == B_ROOK || k == B_QUEEN;
  if (is_b_piece(target)) {
    if (k < m.upper_defender[tx][ty]) {
      m.upper_defender[tx][ty] = k;
      // Pawns and the king lower the defender without leaving their square.
      if (slider || k == B_KNIGHT) {
        m.upper_defender_x[tx][ty] = x;
        m.upper_defender_y[tx][ty] = y;
      }
    }
  } else if (is_w_piece(target) && (slider || k == B_PAWN)) {
    if (k < m.upper_attacker[tx][ty]) {
      m.upper_attacker[tx][ty] = k;
      if (slider) {
        m.upper_attacker_x[tx][ty] = x;
        m.upper_attacker_y[tx][ty] = y;
      }
    }
  }
  if (target == W_KING && (k == B_PAWN || k == B_KNIGHT)) m.upper_check_map[x][y] = CHECKER;
}

void scan_knight(const Board& board, BoardMaps& m, int k, int x, int y) {
  for (int i = x - 2; i <= x + 2; ++i) {
    for (int j = y - 2; j <= y + 2; ++j) {
      if (!on_board(i, j) || i == x || j == y) continue;
      const int di = i > x ? i - x : x - i;
      const int dj = j > y ? j - y : y - j;
      if ((di == 2 || dj == 2) && di != dj) visit(board, m, k, x, y, i, j);
    }
  }
}

void scan_king(const Board& board, BoardMaps& m, KingSquares& kings, int k, int x, int y) {
  if (k == W_KING) {
    kings.lower_king_x = x;
    kings.lower_king_y = y;
  } else {
    kings.upper_king_x = x;
    kings.upper_king_y = y;
  }
  for (int i = x - 1; i <= x + 1; ++i) {
    for (int j = y - 1; j <= y + 1; ++j) {
      if (on_board(i, j) && !(i == x && j == y)) visit(board, m, k, x, y, i, j);
    }
  }
}

void scan_rook_rays(const Board& board, BoardMaps& m, int k, int x, int y) {
  scan_ray(board, m, k, x, y, 0, 1);
  scan_ray(board, m, k, x, y, 0, -1);
  scan_ray(board, m, k, x, y, 1, 0);
  scan_ray(board, m, k, x, y, -1, 0);
}

void scan_bishop_rays(const Board& board, BoardMaps& m, int k, int x, int y) {
  scan_ray(board, m, k, x, y, -1, -1);
  scan_ray(board, m, k, x, y, 1, -1);
  scan_ray(board, m, k, x, y, -1, 1);
  scan_ray(board, m, k, x, y, 1, 1);
}

}  // namespace

void scan_ray(const Board& board, BoardMaps& m, int code, int x, int y, int dx, int dy) {
  const int enemy_king = code < 0 ? B_KING : W_KING;
  SquareMap<int>& check = code < 0 ? m.lower_check_map : m.upper_check_map;
  int tx = x + dx;
  int ty = y + dy;
  while (on_board(tx, ty)) {
    visit(board, m, code, x, y, tx, ty);
    const int target = board[tx][ty];
    if (target != EMPTY && target != enemy_king) return;
    if (target == enemy_king) {
      for (int bx = x + dx, by = y + dy; bx != tx || by != ty; bx += dx, by += dy) check[bx][by] = CHECK_LINE;
      check[x][y] = CHECKER;
    }
    // The ray goes on through the enemy king: the squares behind it are attacked too.
    tx += dx;
    ty += dy;
  }
}

void scan_board(const Board& board, BoardMaps& m, KingSquares& kings) {
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      m.lower_attack_count[x][y] = 0;
      m.upper_attack_count[x][y] = 0;
      m.lower_check_map[x][y] = 0;
      m.upper_check_map[x][y] = 0;
      m.lower_attacker[x][y] = NO_LOWER_ATTACKER;
      m.lower_attacker_x[x][y] = 0;
      m.lower_attacker_y[x][y] = 0;
      m.upper_attacker[x][y] = NO_DEFENDER;
      m.lower_defender[x][y] = NO_DEFENDER;
      m.upper_defender[x][y] = NO_DEFENDER;
    }
  }
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int k = board[x][y];
      switch (k) {
        case W_PAWN:
          if (y > 1) {
            if (x - 1 >= 1) visit(board, m, k, x, y, x - 1, y - 1);
            if (x + 1 <= BOARD_SIZE) visit(board, m, k, x, y, x + 1, y - 1);
          }
          break;
        case B_PAWN:
          if (y < BOARD_SIZE) {
            if (x - 1 >= 1) visit(board, m, k, x, y, x - 1, y + 1);
            if (x + 1 <= BOARD_SIZE) visit(board, m, k, x, y, x + 1, y + 1);
          }
          break;
        case W_KNIGHT:
        case B_KNIGHT: scan_knight(board, m, k, x, y); break;
        case W_BISHOP:
        case B_BISHOP: scan_bishop_rays(board, m, k, x, y); break;
        case W_ROOK:
        case B_ROOK: scan_rook_rays(board, m, k, x, y); break;
        case W_QUEEN:
        case B_QUEEN:
          scan_rook_rays(board, m, k, x, y);
          scan_bishop_rays(board, m, k, x, y);
          break;
        case W_KING:
        case B_KING: scan_king(board, m, kings, k, x, y); break;
        default: break;  // empty, or a code no piece has
      }
    }
  }
  // A king found by the walk is where the king squares say; a missing king
  // keeps its old square, which then names no king at all.
  assert(!on_board(kings.lower_king_x, kings.lower_king_y) || board[kings.lower_king_x][kings.lower_king_y] == W_KING ||
         !has_piece(board, W_KING));
  assert(!on_board(kings.upper_king_x, kings.upper_king_y) || board[kings.upper_king_x][kings.upper_king_y] == B_KING ||
         !has_piece(board, B_KING));
}

}  // namespace zarvo
