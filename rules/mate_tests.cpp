#include "rules/mate_tests.h"

#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {

int king_boxed_in(const Position& pos, int kx, int ky) {
  if (!on_board(kx, ky)) return 1;
  const int k = pos.board[kx][ky];
  if (k != B_KING && k != W_KING) return 1;
  // A king is boxed in when it stands free but every square around it is watched.
  const SquareMap<int>& attacks = k == B_KING ? pos.maps.lower_attack_count : pos.maps.upper_attack_count;
  if (attacks[kx][ky] != 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y) || (x == kx && y == ky)) continue;
      if (attacks[x][y] == 0) return 0;
    }
  }
  return 1;
}

int upper_king_mated(Position& pos) {
  const int kx = pos.kings.upper_king_x;
  const int ky = pos.kings.upper_king_y;
  if (!on_board(kx, ky)) return 0;
  if (pos.maps.lower_attack_count[kx][ky] == 0) return 0;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!on_board(x, y)) continue;
      // A king on its home square has its maps rescanned first, as the castling test always did.
      if (castling_scan_due(pos, kx, ky, B_KING) == 1) rescan(pos);
      if (check_piece_move(pos, kx, ky, x, y, B_KING) == 1 && pos.maps.lower_attack_count[x][y] == 0) return 0;
    }
  }
  // Any other piece that captures the checker or steps between. The squares
  // that end the check are those of the real position: each trial rescans the
  // maps, and a trial that uncovers a second checker must not hide the squares
  // still to be tried.
  const SquareMap<int> check_squares = pos.maps.lower_check_map;
  Board& b = pos.board;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      const int piece = b[a][c];
      if (piece < B_PAWN || piece > B_QUEEN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (check_squares[x][y] <= 0) continue;
          if (check_piece_move(pos, a, c, x, y, piece) != 1) continue;
          const int taken = b[x][y];
          b[x][y] = piece;
          b[a][c] = EMPTY;
          rescan(pos);
          b[x][y] = taken;
          b[a][c] = piece;
          const KingSquares& k = pos.kings;
          if (pos.maps.lower_attack_count[k.upper_king_x][k.upper_king_y] == 0) return 0;
        }
      }
    }
  }
  return 1;
}

int king_in_check(const Position& pos, int upper) {
  BoardMaps maps;
  KingSquares kings = pos.kings;
  scan_board(pos.board, maps, kings);
  const int x = upper ? kings.upper_king_x : kings.lower_king_x;
  const int y = upper ? kings.upper_king_y : kings.lower_king_y;
  if (!on_board(x, y) || pos.board[x][y] != (upper ? B_KING : W_KING)) return 0;
  return (upper ? maps.lower_attack_count[x][y] : maps.upper_attack_count[x][y]) > 0 ? 1 : 0;
}

int has_legal_move(const Position& pos, int upper, int unsafe_accepted) {
  const Board& b = pos.board;
  for (int a = 1; a <= BOARD_SIZE; ++a) {
    for (int c = 1; c <= BOARD_SIZE; ++c) {
      const int piece = b[a][c];
      if (upper ? piece < B_PAWN : piece > W_PAWN) continue;
      for (int x = 1; x <= BOARD_SIZE; ++x) {
        for (int y = 1; y <= BOARD_SIZE; ++y) {
          if (check_piece_move(pos, a, c, x, y, piece) != 1) continue;
          // Taking the king ends the game, whatever it leaves behind.
          const int target = b[x][y];
          if (target == B_KING || target == W_KING || unsafe_accepted) return 1;
          if (move_keeps_king_safe(pos, a, c, x, y, upper) == 1) return 1;
        }
      }
    }
  }
  return 0;
}

}  // namespace zarvo
