#include "computer/piece_terms.h"

#include "computer/computer_state.h"
#include "computer/move_scoring.h"
#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {
namespace {

// Pawn chains, pawn captures and a few fixed central patterns.
double pawn_terms(Position& pos, double s, int cap, int x1, int y1, int x2, int y2) {
  Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  if (cap == EMPTY) {
    // The en passant test wants the position before the move.
    b[x1][y1] = B_PAWN;
    b[x2][y2] = EMPTY;
    if (is_en_passant(pos, x1, y1, x2, y2, B_PAWN) == 1) s = s + 10;
    b[x1][y1] = EMPTY;
    b[x2][y2] = B_PAWN;
  }
  if (m.upper_attack_count[x2][y2] > 0) {
    if (y2 < 7) {
      // The defended pawn protects a B piece diagonally ahead of it.
      if (x2 > 1 && b[x2 - 1][y2 + 1] >= B_PAWN) s = s + 5;
      if (x2 < 8 && b[x2 + 1][y2 + 1] >= B_PAWN) s = s + 5;
    }
    if (1 < x2 && x2 < 8 && (b[x2 + 1][y2] == B_ROOK || b[x2 - 1][y2] == B_ROOK)) s = s - 1;
  }
  s = s - 0.1;
  if (y2 == 8) return s;
  if (b[x2][y2 + 1] == B_ROOK) s = s - 1;
  // A W piece right in front that has nowhere safe to go.
  if (b[x2][y2 + 1] < W_PAWN && count_safe_moves(pos, x2, y2 + 1, b[x2][y2 + 1]) == 0) s = s + abs_code(b[x2][y2 + 1]);
  if (y2 >= 7) return s;
  // A rook behind the pawn on its column.
  if (m.upper_defender[x2][y2] == B_ROOK && m.upper_defender_x[x2][y2] == x2 &&
      m.upper_attack_count[x2][y2] >= m.lower_attack_count[x2][y2] && m.upper_defender_y[x2][y2] < y2)
    s = s + 2;
  if (x2 < 8 && b[x2 + 1][y2] == B_BISHOP) {
    s = s + 0.5;
    if (b[x2 + 1][y2 + 2] == W_PAWN) s = s + 5;
  }
  if (x2 > 1) {
    if (m.lower_attack_count[x2][y2] == 0 && y2 == 4) {
      if (x2 == 5) {
        if (b[3][5] == W_PAWN || b[2][6] == W_PAWN) s = s + 20;
        if (b[4][4] == B_PAWN && b[6][6] == W_PAWN) s = s + 20;
      } else if (x2 == 4) {
        s = s + 5;
      } else if (x2 == 3) {
        if (b[5][5] == W_PAWN) s = s + 20;
      }
    }
    if (b[x2 - 1][y2] == B_BISHOP) {
      s = s + 0.5;
      if (b[x2 - 1][y2 + 2] == W_PAWN) s = s + 5;
    }
  }
  if (cap <= W_PAWN && m.upper_attack_count[x1][y1] == 1) {
    if (y2 > 2 && b[x2][y2 - 2] == B_BISHOP) {
      s = s - 5;
    } else {
      s = s + 5;
    }
    // The W pawn taken was covered by a rook and nothing cheaper.
    if (cap == W_PAWN && m.lower_attacker[x2][y2] == W_ROOK && m.upper_attack_count[x1][y1] < 2) s = s + 50;
  }
  return s;
}

// Knight development.
double knight_terms(Position& pos, double s, int x2, int y2) {
  const Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  s = s - 0.1;
  if (x2 == 3 && y2 == 3 && m.lower_attack_count[3][3] == 0 && b[4][5] <= W_PAWN) s = s + 5;
  if (y2 < 7 && 1 < x2 && x2 < 8 && m.lower_attack_count[x2 - 1][y2 + 2] > 0 &&
      m.lower_attack_count[x2 + 1][y2 + 2] > 0)
    s = s - 1;
  return s;
}

// Bishops must not be shut in; one pattern around the W pawn on (8, 5).
double bishop_terms(Position& pos, ComputerState& com, double s, int x1, int y1, int x2, int y2) {
  const Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  s = s + crowding_penalty(pos, x2, y2);
  if (y2 < 8) {
    if (x2 == 7 && y2 == 3 && b[8][5] == W_PAWN && m.lower_defender[8][5] == W_ROOK) s = s + 9;
    if (m.lower_attack_count[x2][y2 + 1] > 0) {
      if (count_safe_moves(pos, x2, y2, B_BISHOP) == 0) s = s - 100;
      if (y2 < 7 && b[x2][y2 + 2] == W_PAWN) s = s - 1;
    }
  }
  if (x1 == 7 && y1 == 3 && b[8][5] == W_PAWN && m.lower_defender[8][5] == W_ROOK &&
      com.pre_upper_attack_count[8][4] > m.upper_attack_count[8][4])
    s = s - 10;
  return s;
}

// Rooks must keep room to move; a rook next to the W king on its line is strong.
double rook_terms(Position& pos, ComputerState& com, double s, int x1, int y1, int x2, int y2) {
  const Board& b = pos.board;
  const BoardMaps& m = pos.maps;
  const KingSquares& k = pos.kings;
  s = s + crowding_penalty(pos, x2, y2);
  if (y2 < 7) {
    if (m.lower_attack_count[x2][y2 + 1] > 0) {
      s = s - 1;
      if (b[x2][y2 + 2] == W_PAWN && y2 == y1) s = s - 5;
    }
    if (y1 < 8 && b[8][y1 + 1] == W_PAWN && m.lower_defender[8][y1 + 1] == W_ROOK) {
      if (m.upper_attack_count[8][y1] < com.pre_upper_attack_count[8][y1]) s = s - 11;
      if (b[7][y1] == B_PAWN && y2 != y1) s = s - 11;
    }
    if (m.lower_attack_count[x1][y1] == 0 && x1 == 2 && y1 == 2 && x2 == 2 && y2 == 3) s = s - 1;
  }
  if (m.lower_attack_count[x2][y2] == 0 || (m.lower_attacker[x2][y2] == W_KING && m.upper_attack_count[x2][y2] > 0)) {
    const int n = count_safe_moves(pos, x2, y2, B_ROOK);
    if (n <= 1) {
      s = s - 35;
    } else if ((x2 == k.lower_king_x || y2 == k.lower_king_y) && abs_code(x2 - k.lower_king_x) < 3 &&
               abs_code(y2 - k.lower_king_y) < 3) {
      s = s + 100;
    }
  }
  return s;
}

// King safety.
double king_terms(Position& pos, ComputerState& com, double s, int x2, int y2) {
  const BoardMaps& m = pos.maps;
  if (pos.pins.upper_pin_found == 1) s = s + 10;
  if (m.upper_attack_count[x2][y2] > com.pre_upper_attack_count[x2][y2]) s = s + 1;
  if (count_safe_moves(pos, x2, y2, B_KING) < 2) s = s - 20;
  return s;
}

}  // namespace

double add_piece_terms(Position& pos, ComputerState& com, double s, int cap, int mp, int x1, int y1, int x2, int y2) {
  switch (mp) {
    case B_PAWN: return pawn_terms(pos, s, cap, x1, y1, x2, y2);
    case B_KNIGHT: return knight_terms(pos, s, x2, y2);
    case B_BISHOP: return bishop_terms(pos, com, s, x1, y1, x2, y2);
    case B_ROOK: return rook_terms(pos, com, s, x1, y1, x2, y2);
    case B_KING: return king_terms(pos, com, s, x2, y2);
    default: return s;  // the queen has no terms of its own
  }
}

}  // namespace zarvo
