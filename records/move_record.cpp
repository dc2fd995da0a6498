#include "records/move_record.h"

namespace zarvo {

void record_move(MoveRecord& record, const Board& board, int n, int from_x, int from_y, int to_x, int to_y, int piece) {
  if (n < 0 || n > RECORD_LAST) return;
  record.record_board[n] = board;
  record.record_from_x[n] = from_x;
  record.record_from_y[n] = from_y;
  record.record_to_x[n] = to_x;
  record.record_to_y[n] = to_y;
  record.record_piece[n] = piece;
}

int record_piece_at(const MoveRecord& record, int n) { return n >= 0 && n <= RECORD_LAST ? record.record_piece[n] : 0; }

int record_has_room(int move_number) { return move_number >= 0 && move_number < RECORD_LAST ? 1 : 0; }

}  // namespace zarvo
