// Games in PGN, the text format every chess program reads: a record read as a
// game of chess (FEN of each position, SAN of each move), the PGN writer, and
// the reader that replays a PGN game through the game's own move rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_file.h"

namespace zarvo {

inline constexpr std::string_view PGN_EXTENSION = ".pgn";
inline constexpr std::string_view PGN_PATTERN = "*.pgn";

// The standard initial position.
inline constexpr std::string_view START_FEN = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

// true when a file name ends in ".pgn", in any case.
bool is_pgn_name(std::string_view name);

// A record read as chess. The first mover of a record is White, as the board
// shows it; moves after the first one chess does not allow (the king taken
// after a mate, a declined en passant) are left out and counted.
struct ChessReading {
  std::vector<std::string> fens;  // entries 0 .. moves
  std::vector<std::string> sans;  // moves 1 .. moves, with "+" or "#"
  std::string result = "*";       // from the last position: mate, stalemate or "*"
  int left_out = 0;
  std::string problem;  // why the first left-out move was left out (Japanese)
  // The same as a pattern with %1 for the move number, for the window to translate.
  const char* problem_pattern = "";
  int problem_move = 0;
};
ChessReading read_as_chess(const RecordFile& file);

struct PgnDate {
  int year = 0, month = 0, day = 0;
};
// Today in local time.
PgnDate today();

// The PGN text (UTF-8, LF) of a record: the Seven Tag Roster, SetUp and FEN for
// a game that did not start from the initial position, and the moves in SAN.
// reading, when given, receives what the writer read from the record.
std::string write_pgn(const RecordFile& file, const PgnDate& date, ChessReading* reading = nullptr);

// The first game of a PGN text, replayed move by move into a fresh record. On
// refusal: std::nullopt and a Japanese message naming the move.
std::optional<RecordFile> parse_pgn(std::string_view bytes, std::string& error_message);

}  // namespace zarvo
