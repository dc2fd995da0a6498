#include "records/move_record.h"

namespace zarvo {

void record_move(MoveRecord& record, const Board& board, int IN_手数, int IN_元X, int IN_元Y, int IN_先X,
                 int IN_先Y, int IN_移動駒) {
  if (IN_手数 < 0 || IN_手数 > RECORD_LAST) return;
  record.record_board[IN_手数] = board;
  record.record_from_x[IN_手数] = IN_元X;
  record.record_from_y[IN_手数] = IN_元Y;
  record.record_to_x[IN_手数] = IN_先X;
  record.record_to_y[IN_手数] = IN_先Y;
  record.record_piece[IN_手数] = IN_移動駒;
}

int record_piece_at(const MoveRecord& record, int n) {
  return n >= 0 && n <= RECORD_LAST ? record.record_piece[n] : 0;
}

int record_has_room(int move_number) { return move_number >= 0 && move_number < RECORD_LAST ? 1 : 0; }

}  // namespace zarvo
