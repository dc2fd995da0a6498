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

void restore_history(const MoveRecord& record, int n, Position& pos) {
  const Position& s = record.start;
  pos.unmoved = s.unmoved;
  pos.ep_x = s.ep_x;
  pos.ep_y = s.ep_y;
  pos.halfmove_clock = s.halfmove_clock;
  pos.plies = 0;
  pos.start_fullmove = s.start_fullmove;
  pos.turned = s.turned;
  // Entry 0 may hold the double step that came before a set-up position.
  const int p0 = record.record_piece[0];
  if ((p0 == B_PAWN || p0 == W_PAWN) && on_board(record.record_to_x[0], record.record_to_y[0]) &&
      record.record_from_x[0] == record.record_to_x[0] &&
      abs_code(record.record_to_y[0] - record.record_from_y[0]) == 2) {
    pos.ep_x = record.record_to_x[0];
    pos.ep_y = (record.record_from_y[0] + record.record_to_y[0]) / 2;
  }
  const int last = n < RECORD_LAST ? n : RECORD_LAST;
  for (int i = 1; i <= last; ++i) {
    const Move m{record.record_from_x[i], record.record_from_y[i], record.record_to_x[i], record.record_to_y[i],
                 record.record_piece[i]};
    if (!on_board(m.from_x, m.from_y) || !on_board(m.to_x, m.to_y)) continue;
    const Board& before = record.record_board[i - 1];
    note_move(pos, m, before[m.from_x][m.from_y], before[m.to_x][m.to_y]);
  }
}

}  // namespace zarvo
