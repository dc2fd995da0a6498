#include "rules/move_rules.h"

#include <cassert>

#include "rules/board_maps.h"
#include "rules/position.h"

namespace zarvo {
namespace {

// How a pawn of either army moves: forward is down the screen for the upper army.
struct PawnWay {
  int forward;         // +1 down, -1 up
  int start_row;       // where the double step may begin
  int en_passant_row;  // where a capture en passant begins
  int enemy_pawn;
  int enemy_start_row;
};

PawnWay pawn_way(int code) { return code == B_PAWN ? PawnWay{1, 2, 5, W_PAWN, 7} : PawnWay{-1, 7, 4, B_PAWN, 2}; }

int pawn_move(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  assert(on_board(fx, fy) && on_board(tx, ty));
  const Board& b = pos.board;
  const PawnWay w = pawn_way(code);
  const int dx = tx - fx;
  if (b[tx][ty] != EMPTY && dx == 0) return 0;
  if (ty == fy + w.forward) {
    if (dx == 0) return b[tx][ty] == EMPTY ? 1 : 0;
    if (abs_code(dx) == 1) return b[tx][ty] != EMPTY ? 1 : is_en_passant(pos, fx, fy, tx, ty, code);
  }
  if (fy == w.start_row && ty == fy + 2 * w.forward && dx == 0 && b[tx][fy + w.forward] == EMPTY) return 1;
  return 0;
}

// Castling from (fx, row) two columns over to (tx, row), with the maps freshly
// scanned: the squares up to the rook's corner are empty, the own rook stands
// in the corner, neither king nor rook has moved, and the king is not in check,
// does not cross an attacked square and does not land on one.
int castling_allowed(const Position& pos, int fx, int tx, int row, int rook) {
  const Board& b = pos.board;
  const int corner = tx > fx ? ROOK_RIGHT_X : ROOK_LEFT_X;
  const int step = tx > fx ? 1 : -1;
  for (int c = fx + step; c != corner; c += step)
    if (b[c][row] != EMPTY) return 0;
  if (b[corner][row] != rook) return 0;
  // The attacks of the position as it stands, whatever maps the caller keeps.
  BoardMaps maps;
  KingSquares kings = pos.kings;
  scan_board(b, maps, kings);
  const SquareMap<int>& enemy_attacks = row == 1 ? maps.lower_attack_count : maps.upper_attack_count;
  for (int c = fx; c != tx + step; c += step)
    if (enemy_attacks[c][row] != 0) return 0;
  return pos.untouched(fx, row) && pos.untouched(corner, row) ? 1 : 0;
}

// The king castles from column 5, or from column 4 where kings and queens were
// exchanged. row is the king's home row, rook the own rook's code.
int king_move(const Position& pos, int fx, int fy, int tx, int ty, int row, int rook) {
  if (castling_scan_due(pos, fx, fy, rook == B_ROOK ? B_KING : W_KING) == 1 && ty == row) {
    const bool swapped = fx == KING_HOME_X_SWAPPED;
    const int short_x = swapped ? CASTLE_SHORT_KING_X_SWAPPED : CASTLE_SHORT_KING_X;
    const int long_x = swapped ? CASTLE_LONG_KING_X_SWAPPED : CASTLE_LONG_KING_X;
    if ((tx == short_x || tx == long_x) && castling_allowed(pos, fx, tx, row, rook) == 1) return 1;
  }
  return abs_code(tx - fx) <= 1 && abs_code(ty - fy) <= 1 ? 1 : 0;
}

}  // namespace

int castling_scan_due(const Position& pos, int fx, int fy, int code) {
  if (code != B_KING && code != W_KING) return 0;
  const int row = code == B_KING ? 1 : 8;
  if (fy != row) return 0;
  const Board& b = pos.board;
  if (fx == KING_HOME_X) return b[6][row] == EMPTY || b[2][row] == EMPTY ? 1 : 0;
  if (fx == KING_HOME_X_SWAPPED) return b[2][row] == EMPTY || b[5][row] == EMPTY ? 1 : 0;
  return 0;
}

void rescan(Position& pos) { scan_board(pos.board, pos.maps, pos.kings); }

int check_piece_move(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  if (tx < 1 || tx > BOARD_SIZE || ty < 1 || ty > BOARD_SIZE) return 0;
  if (!on_board(fx, fy)) return 0;
  if (tx == fx && ty == fy) return 0;
  const Board& b = pos.board;
  if (code >= B_PAWN) {
    if (b[tx][ty] >= B_PAWN) return 0;
  } else if (b[tx][ty] <= W_PAWN) {
    return 0;
  }
  const int dx = abs_code(tx - fx);
  const int dy = abs_code(ty - fy);
  switch (code) {
    case B_PAWN:
    case W_PAWN: return pawn_move(pos, fx, fy, tx, ty, code);
    case B_KNIGHT:
    case W_KNIGHT: return (dx == 1 && dy == 2) || (dx == 2 && dy == 1) ? 1 : 0;
    case B_BISHOP:
    case W_BISHOP: return diagonal_path_clear(pos, fx, fy, tx, ty);
    case B_ROOK:
    case W_ROOK: return rook_path_clear(pos, fx, fy, tx, ty);
    case B_QUEEN:
    case W_QUEEN: return rook_path_clear(pos, fx, fy, tx, ty) || diagonal_path_clear(pos, fx, fy, tx, ty) ? 1 : 0;
    case B_KING: return king_move(pos, fx, fy, tx, ty, 1, B_ROOK);
    case W_KING: return king_move(pos, fx, fy, tx, ty, 8, W_ROOK);
    default: return 0;  // empty, or a code no piece has
  }
}

int rook_path_clear(const Position& pos, int fx, int fy, int tx, int ty) {
  if (fx != tx && fy != ty) return 0;
  const Board& b = pos.board;
  if (fy != ty) {
    const int step = ty > fy ? 1 : -1;
    for (int r = fy + step; r != ty; r += step)
      if (b[tx][r] != EMPTY) return 0;
  } else if (fx != tx) {
    const int step = tx > fx ? 1 : -1;
    for (int c = fx + step; c != tx; c += step)
      if (b[c][ty] != EMPTY) return 0;
  }
  return 1;
}

int diagonal_path_clear(const Position& pos, int fx, int fy, int tx, int ty) {
  if (tx - fx != ty - fy && tx - fx != fy - ty) return 0;
  const int sx = tx > fx ? 1 : tx < fx ? -1 : 0;
  const int sy = ty > fy ? 1 : ty < fy ? -1 : 0;
  const Board& b = pos.board;
  for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy) {
    if (sx == 0) break;  // origin and destination are the same square
    if (b[x][y] != EMPTY) return 0;
  }
  return 1;
}

// The enemy pawn beside ours has just made its double step over our destination.
int is_en_passant(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  if (!on_board(fx, fy) || !on_board(tx, ty)) return 0;
  if (code != B_PAWN && code != W_PAWN) return 0;
  const Board& b = pos.board;
  const PawnWay w = pawn_way(code);
  return ty == fy + w.forward && abs_code(tx - fx) == 1 && b[tx][ty] == EMPTY && fy == w.en_passant_row &&
         b[tx][fy] == w.enemy_pawn && tx == pos.ep_x && ty == pos.ep_y;
}

int move_keeps_king_safe(const Position& pos, int fx, int fy, int tx, int ty, int upper) {
  if (!on_board(fx, fy) || !on_board(tx, ty)) return 0;
  Board b = pos.board;
  const int origin = b[fx][fy];
  // A pawn taken en passant leaves the board too: taking a checking pawn that
  // way ends the check.
  if (is_en_passant(pos, fx, fy, tx, ty, origin) == 1) b[tx][fy] = EMPTY;
  b[fx][fy] = EMPTY;
  b[tx][ty] = origin;
  BoardMaps maps;
  KingSquares k = pos.kings;
  scan_board(b, maps, k);
  const bool unsafe = upper ? maps.lower_attack_count[k.upper_king_x][k.upper_king_y] > 0
                            : maps.upper_attack_count[k.lower_king_x][k.lower_king_y] > 0;
  return unsafe ? 0 : 1;
}

int promotion_due(int /*from_x*/, int /*from_y*/, int /*to_x*/, int ty, int code) {
  return (code == W_PAWN && ty < 2) || (code == B_PAWN && ty > 7) ? 1 : 0;
}

int promotion_not_due(int /*to_x*/, int ty, int code) {
  return (code == B_PAWN && ty == 8) || (code == W_PAWN && ty == 1) ? 0 : 1;
}

int count_opponent_pieces(const Position& pos, int upper) {
  const Board& b = pos.board;
  int n = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) n += upper ? b[x][y] <= W_PAWN : b[x][y] >= B_PAWN;
  return n;
}

}  // namespace zarvo
