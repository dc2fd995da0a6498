#include "rules/move_rules.h"

#include <cassert>

#include "shell/app.h"

namespace zarvo {
namespace {

// The previous move of the game, as the en passant rule needs it.
struct PreviousMove {
  int from_y, to_x, to_y, piece;
};

PreviousMove previous_move(const App& app) {
  const int n = app.game.move_number;
  if (n < 0 || n > RECORD_LAST) return {0, 0, 0, 0};
  const MoveRecord& r = app.record;
  return {r.record_from_y[n], r.record_to_x[n], r.record_to_y[n], r.record_piece[n]};
}

// How a pawn of either army moves: forward is down the screen for the upper army.
struct PawnWay {
  int forward;         // +1 down, -1 up
  int start_row;       // where the double step may begin
  int en_passant_row;  // where a capture en passant begins
  int enemy_pawn;
  int enemy_start_row;
};

PawnWay pawn_way(int code) { return code == B_PAWN ? PawnWay{1, 2, 5, W_PAWN, 7} : PawnWay{-1, 7, 4, B_PAWN, 2}; }

int pawn_move(const App& app, int fx, int fy, int tx, int ty, int code) {
  assert(on_board(fx, fy) && on_board(tx, ty));
  const Board& b = app.game.board;
  const PawnWay w = pawn_way(code);
  const int dx = tx - fx;
  if (b[tx][ty] != EMPTY && dx == 0) return 0;
  if (ty == fy + w.forward) {
    if (dx == 0) return b[tx][ty] == EMPTY ? 1 : 0;
    if (abs_code(dx) == 1) return b[tx][ty] != EMPTY ? 1 : is_en_passant(app, fx, fy, tx, ty, code);
  }
  if (fy == w.start_row && ty == fy + 2 * w.forward && dx == 0 && b[tx][fy + w.forward] == EMPTY) return 1;
  return 0;
}

// 1 when no move of this game (record entries 1..move_number) left or entered
// the square: the king or rook standing there has never moved.
int never_moved(const App& app, int x, int y) {
  const MoveRecord& r = app.record;
  const int last = app.game.move_number < RECORD_LAST ? app.game.move_number : RECORD_LAST;
  for (int n = 1; n <= last; ++n) {
    if (r.record_from_x[n] == x && r.record_from_y[n] == y) return 0;
    if (r.record_to_x[n] == x && r.record_to_y[n] == y) return 0;
  }
  return 1;
}

// Castling from (fx, row) two columns over to (tx, row), with the maps freshly
// scanned: the squares up to the rook's corner are empty, the own rook stands
// in the corner, neither king nor rook has moved, and the king is not in check,
// does not cross an attacked square and does not land on one.
int castling_allowed(const App& app, int fx, int tx, int row, int rook, const SquareMap<int>& enemy_attacks) {
  const Board& b = app.game.board;
  const int corner = tx > fx ? ROOK_RIGHT_X : ROOK_LEFT_X;
  const int step = tx > fx ? 1 : -1;
  for (int c = fx + step; c != corner; c += step)
    if (b[c][row] != EMPTY) return 0;
  if (b[corner][row] != rook) return 0;
  for (int c = fx; c != tx + step; c += step)
    if (enemy_attacks[c][row] != 0) return 0;
  return never_moved(app, fx, row) && never_moved(app, corner, row) ? 1 : 0;
}

// The king castles from column 5, or from column 4 where kings and queens were
// exchanged. Both tests rescan the maps first, whatever the destination: the
// computer's scoring reads the maps this scan leaves. row is the king's home
// row, rook the own rook's code.
int king_move(App& app, int fx, int fy, int tx, int ty, int row, int rook) {
  Board& b = app.game.board;
  const SquareMap<int>& enemy_attacks = row == 1 ? app.maps.lower_attack_count : app.maps.upper_attack_count;
  if (fx == KING_HOME_X && fy == row && (b[6][row] == EMPTY || b[2][row] == EMPTY)) {
    rescan_for_castling(app);
    if (ty == row && (tx == CASTLE_SHORT_KING_X || tx == CASTLE_LONG_KING_X) &&
        castling_allowed(app, fx, tx, row, rook, enemy_attacks) == 1)
      return 1;
  } else if (fx == KING_HOME_X_SWAPPED && fy == row && (b[2][row] == EMPTY || b[5][row] == EMPTY)) {
    rescan_for_castling(app);
    if (ty == row && (tx == CASTLE_SHORT_KING_X_SWAPPED || tx == CASTLE_LONG_KING_X_SWAPPED) &&
        castling_allowed(app, fx, tx, row, rook, enemy_attacks) == 1)
      return 1;
  }
  return abs_code(tx - fx) <= 1 && abs_code(ty - fy) <= 1 ? 1 : 0;
}

}  // namespace

void rescan_for_castling(App& app) { scan_board(app.game.board, app.maps, app.game.kings); }

int check_piece_move(App& app, int fx, int fy, int tx, int ty, int code) {
  if (tx < 1 || tx > BOARD_SIZE || ty < 1 || ty > BOARD_SIZE) return 0;
  if (!on_board(fx, fy)) return 0;
  if (tx == fx && ty == fy) return 0;
  const Board& b = app.game.board;
  if (code >= B_PAWN) {
    if (b[tx][ty] >= B_PAWN) return 0;
  } else if (b[tx][ty] <= W_PAWN) {
    return 0;
  }
  const int dx = abs_code(tx - fx);
  const int dy = abs_code(ty - fy);
  switch (code) {
    case B_PAWN:
    case W_PAWN: return pawn_move(app, fx, fy, tx, ty, code);
    case B_KNIGHT:
    case W_KNIGHT: return (dx == 1 && dy == 2) || (dx == 2 && dy == 1) ? 1 : 0;
    case B_BISHOP:
    case W_BISHOP: return diagonal_path_clear(app, fx, fy, tx, ty);
    case B_ROOK:
    case W_ROOK: return rook_path_clear(app, fx, fy, tx, ty);
    case B_QUEEN:
    case W_QUEEN: return rook_path_clear(app, fx, fy, tx, ty) || diagonal_path_clear(app, fx, fy, tx, ty) ? 1 : 0;
    case B_KING: return king_move(app, fx, fy, tx, ty, 1, B_ROOK);
    case W_KING: return king_move(app, fx, fy, tx, ty, 8, W_ROOK);
    default: return 0;  // empty, or a code no piece has
  }
}

int rook_path_clear(const App& app, int fx, int fy, int tx, int ty) {
  if (fx != tx && fy != ty) return 0;
  const Board& b = app.game.board;
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

int diagonal_path_clear(const App& app, int fx, int fy, int tx, int ty) {
  if (tx - fx != ty - fy && tx - fx != fy - ty) return 0;
  const int sx = tx > fx ? 1 : tx < fx ? -1 : 0;
  const int sy = ty > fy ? 1 : ty < fy ? -1 : 0;
  const Board& b = app.game.board;
  for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy) {
    if (sx == 0) break;  // origin and destination are the same square
    if (b[x][y] != EMPTY) return 0;
  }
  return 1;
}

// The enemy pawn beside ours has just made its double step past our capture square.
int is_en_passant(const App& app, int fx, int fy, int tx, int ty, int code) {
  if (!on_board(fx, fy) || !on_board(tx, ty)) return 0;
  if (code != B_PAWN && code != W_PAWN) return 0;
  const Board& b = app.game.board;
  const PawnWay w = pawn_way(code);
  const PreviousMove p = previous_move(app);
  return ty == fy + w.forward && abs_code(tx - fx) == 1 && b[tx][ty] == EMPTY && fy == w.en_passant_row &&
         b[tx][fy] == w.enemy_pawn && p.to_x == tx && p.to_y == fy && p.from_y == w.enemy_start_row &&
         p.piece == w.enemy_pawn;
}

int move_keeps_king_safe(App& app, int fx, int fy, int tx, int ty, int side) {
  if (!on_board(fx, fy) || !on_board(tx, ty)) return 0;
  Board& b = app.game.board;
#ifndef NDEBUG
  const Board before = b;
#endif
  const int origin = b[fx][fy];
  const int destination = b[tx][ty];
  // A pawn taken en passant leaves the board too: taking a checking pawn that
  // way ends the check.
  const bool en_passant = is_en_passant(app, fx, fy, tx, ty, origin) == 1;
  const int passed_pawn = en_passant ? b[tx][fy] : EMPTY;
  if (en_passant) b[tx][fy] = EMPTY;
  b[fx][fy] = EMPTY;
  b[tx][ty] = origin;
  scan_board(b, app.maps, app.game.kings);
  const KingSquares& k = app.game.kings;
  bool unsafe = false;
  if (side == app.game.upper_player) {
    unsafe = app.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] > 0;
  } else if (side == app.game.lower_player) {
    unsafe = app.maps.upper_attack_count[k.lower_king_x][k.lower_king_y] > 0;
  }
  b[fx][fy] = origin;
  b[tx][ty] = destination;
  if (en_passant) b[tx][fy] = passed_pawn;
  assert(b == before);  // the trial leaves the position as it found it
  return unsafe ? 0 : 1;
}

int promotion_due(int /*from_x*/, int /*from_y*/, int /*to_x*/, int ty, int code) {
  return (code == W_PAWN && ty < 2) || (code == B_PAWN && ty > 7) ? 1 : 0;
}

int promotion_not_due(int /*to_x*/, int ty, int code) {
  return (code == B_PAWN && ty == 8) || (code == W_PAWN && ty == 1) ? 0 : 1;
}

int computer_promotion_due(App& app, int fx, int fy, int tx, int ty, int code) {
  if (!promotion_due(fx, fy, tx, ty, code)) return 0;
  app.com.computer_promotion_piece = code == W_PAWN ? W_QUEEN : B_QUEEN;
  return 1;
}

int count_opponent_pieces(const App& app, int side) {
  const Board& b = app.game.board;
  int n = 0;
  if (side == app.game.upper_player) {
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) n += b[x][y] <= W_PAWN;
  } else if (side == app.game.lower_player) {
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) n += b[x][y] >= B_PAWN;
  }
  return n;
}

namespace {

// The rook jumps to the other side of the king: the columns by the king's destination.
void move_castling_rook(App& app, MoveChanges& changes, int king_to_x, int row, int rook) {
  int from = 0, to = 0;
  switch (king_to_x) {
    case CASTLE_LONG_KING_X_SWAPPED: from = ROOK_LEFT_X, to = 3; break;
    case CASTLE_LONG_KING_X: from = ROOK_LEFT_X, to = 4; break;
    case CASTLE_SHORT_KING_X_SWAPPED: from = ROOK_RIGHT_X, to = 5; break;
    case CASTLE_SHORT_KING_X: from = ROOK_RIGHT_X, to = 6; break;
    default: return;
  }
  app.game.board[to][row] = rook;
  changes.add(to, row);
  app.game.board[from][row] = EMPTY;
  changes.add(from, row);
}

}  // namespace

MoveChanges make_move(App& app, int from_x, int from_y, int to_x, int to_y, int piece) {
  MoveChanges changes;
  if (!on_board(from_x, from_y) || !on_board(to_x, to_y)) return changes;
  Board& b = app.game.board;
  b[from_x][from_y] = EMPTY;
  changes.add(from_x, from_y);
  b[to_x][to_y] = piece;
  changes.add(to_x, to_y);
  if (piece == W_KING) {
    app.game.kings.lower_king_x = to_x;
    app.game.kings.lower_king_y = to_y;
    if (abs_code(to_x - from_x) == 2) move_castling_rook(app, changes, to_x, 8, W_ROOK);
  }
  // The B king's square is refreshed by the next scan of the board.
  if (piece == B_KING && abs_code(to_x - from_x) == 2) move_castling_rook(app, changes, to_x, 1, B_ROOK);
  return changes;
}

}  // namespace zarvo
