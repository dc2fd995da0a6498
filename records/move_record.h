// The move record: a full board snapshot and the move that produced it for
// every move number 0..500.
#pragma once

#include <string_view>

#include "rules/game_state.h"
#include "rules/position.h"

namespace zarvo {

constexpr int RECORD_LAST = 500;  // highest entry index
constexpr int RECORD_ENTRIES = RECORD_LAST + 1;

// The answer to a move that no longer fits into the record.
inline constexpr std::string_view RECORD_FULL_MESSAGE =
    "これ以上の手は棋譜に記録できません（最大500手）。\r\r局面→最初にして下さい";

struct MoveRecord {
  std::array<Board, RECORD_ENTRIES> record_board{};
  std::array<int, RECORD_ENTRIES> record_from_x{};
  std::array<int, RECORD_ENTRIES> record_from_y{};
  std::array<int, RECORD_ENTRIES> record_to_x{};
  std::array<int, RECORD_ENTRIES> record_to_y{};
  std::array<int, RECORD_ENTRIES> record_piece{};
  // Castling rights, en passant square and counters before entry 1; a game
  // set up from a FEN keeps the FEN's.
  Position start;
};

// Gives pos the castling rights, en passant square and counters that the
// start and entries 1..n leave; the board is not touched.
void restore_history(const MoveRecord& record, int n, Position& pos);

// Stores entry n from the current board. Entries outside 0..500 are
// ignored: callers refuse the move before they get here.
void record_move(MoveRecord& record, const Board& board, int n, int from_x, int from_y, int to_x, int to_y, int piece);

// The piece of entry n, 0 for an index outside the record.
int record_piece_at(const MoveRecord& record, int n);

// 1 when another move still fits into the record (move_number + 1 <= 500).
int record_has_room(int move_number);

}  // namespace zarvo
