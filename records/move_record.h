// The move record: a full board snapshot and the move that produced it for
// every move number 0..500.
#pragma once

#include "rules/game_state.h"

namespace zarvo {

constexpr int RECORD_LAST = 500;  // highest entry index
constexpr int RECORD_ENTRIES = RECORD_LAST + 1;

struct MoveRecord {
  std::array<Board, RECORD_ENTRIES> record_board{};
  std::array<int, RECORD_ENTRIES> record_from_x{};
  std::array<int, RECORD_ENTRIES> record_from_y{};
  std::array<int, RECORD_ENTRIES> record_to_x{};
  std::array<int, RECORD_ENTRIES> record_to_y{};
  std::array<int, RECORD_ENTRIES> record_piece{};
};

// Stores entry IN_手数 from the current board. Entries outside 0..500 are
// ignored: callers refuse the move before they get here.
void record_move(MoveRecord& record, const Board& board, int IN_手数, int IN_元X, int IN_元Y, int IN_先X,
                 int IN_先Y, int IN_移動駒);

// The piece of entry n, 0 for an index outside the record.
int record_piece_at(const MoveRecord& record, int n);

// 1 when another move still fits into the record (move_number + 1 <= 500).
int record_has_room(int move_number);

}  // namespace zarvo
