#include "rules/mate_tests.h"

#include "rules/move_rules.h"
#include "shell/app.h"

namespace zarvo {

int king_boxed_in(App& app, int kx, int ky) {
  if (!on_board(kx, ky)) return 1;
  const int k = app.game.board[kx][ky];
  if (k != B_KING && k != W_KING) return 1;
  // A king is boxed in when it stands free but every square around it is watched.
  const SquareMap<int>& attacks = k == B_KING ? app.maps.lower_attack_count : app.maps.upper_attack_count;
  if (attacks[kx][ky] != 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y) || (x == kx && y == ky)) continue;
      if (attacks[x][y] == 0) return 0;
    }
  }
  return 1;
}

int upper_king_mated(App& app) {
  const int kx = app.game.kings.upper_king_x;
  const int ky = app.game.kings.upper_king_y;
  if (!on_board(kx, ky)) return 0;
  if (app.maps.lower_attack_count[kx][ky] == 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y)) continue;
      if (check_piece_move(app, kx, ky, x, y, B_KING) == 1 && app.maps.lower_attack_count[x][y] == 0) return 0;
    }
  }
  // Any other piece that captures the checker or steps between. The check map
  // is read as it stands, so the trial scans below change what later squares
  // see; the computer's mate test reads its map the same way, and both keep it
  // so that every game is judged alike.
  Board& b = app.game.board;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      const int piece = b[a][c];
      if (piece < B_PAWN || piece > B_QUEEN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (app.maps.lower_check_map[x][y] <= 0) continue;
          if (check_piece_move(app, a, c, x, y, piece) != 1) continue;
          const int taken = b[x][y];
          b[x][y] = piece;
          b[a][c] = EMPTY;
          scan_board(b, app.maps, app.game.kings);
          b[x][y] = taken;
          b[a][c] = piece;
          const KingSquares& k = app.game.kings;
          if (app.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] == 0) return 0;
        }
      }
    }
  }
  return 1;
}

}  // namespace zarvo
