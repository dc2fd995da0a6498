#include "rules/draw_rules.h"

namespace zarvo {

int insufficient_material(const Board& b) {
  int knights = 0, bishops = 0;
  bool bishop_square_colour[2] = {false, false};
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      switch (abs_code(b[x][y])) {
        case EMPTY:
        case B_KING: break;
        case B_KNIGHT: ++knights; break;
        case B_BISHOP:
          ++bishops;
          bishop_square_colour[(x + y) % 2] = true;
          break;
        default: return 0;  // a pawn, rook or queen can still mate
      }
    }
  }
  if (knights + bishops <= 1) return 1;
  // Bishops of one square colour never attack the other colour, so a king
  // can always step out of their reach.
  if (knights == 0 && !(bishop_square_colour[0] && bishop_square_colour[1])) return 1;
  return 0;
}

}  // namespace zarvo
