#include "rules/pin_maps.h"

#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {

// A piece counts as shielding its king when, with the piece lifted off, an
// enemy bishop or rook could move onto the king's square. Queens are not tried
// as pinning pieces, and a line that is open anyway marks every piece.
void find_pins(Position& pos) {
  Board& b = pos.board;
  PinMaps& pins = pos.pins;
  const KingSquares& k = pos.kings;
  pins.upper_pin_found = 0;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      pins.lower_pinned[x][y] = 0;
      if (b[x][y] == EMPTY) continue;
      const int p = b[x][y];
      b[x][y] = EMPTY;
      // Every slider is tried; check_piece_move never rescans for bishops and rooks.
      for (int a = 1; a <= BOARD_SIZE; ++a) {
        for (int c = 1; c <= BOARD_SIZE; ++c) {
          const int slider = b[a][c];
          if (p <= W_PAWN) {
            if ((slider == B_BISHOP || slider == B_ROOK) &&
                check_piece_move(pos, a, c, k.lower_king_x, k.lower_king_y, slider) == 1)
              pins.lower_pinned[x][y] = 1;
          } else if (slider == W_BISHOP || slider == W_ROOK) {
            if (check_piece_move(pos, a, c, k.upper_king_x, k.upper_king_y, slider) == 1) pins.upper_pin_found = 1;
          }
        }
      }
      b[x][y] = p;
    }
  }
}

}  // namespace zarvo
