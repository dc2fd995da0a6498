// Games in PGN, the text format every chess program reads: a record read as a
// game of chess (FEN of each position, SAN of each move), the PGN writer, and
// the reader that replays a PGN game through the game's own move rules.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/record_file.h"
#include "shell/translation.h"

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
  bool white_is_lower = true;  // White is the lower army
  bool white_first = true;     // White makes the first move
  int first_move_number = 1;
};
ChessReading read_as_chess(const RecordFile& file);

struct PgnDate {
  int year = 0, month = 0, day = 0;
};
// Today in local time.
PgnDate today();

// The PGN text (UTF-8, LF) of a record: the Seven Tag Roster (the tags of a
// game read from PGN kept as read, the others after them), SetUp and FEN for a
// game that did not start from the initial position, and the moves in SAN.
// reading, when given, receives what the writer read from the record. Empty
// when the first position is not one chess allows (reading->problem says why):
// written as anything else it would read back as another game.
std::string write_pgn(const RecordFile& file, const PgnDate& date, ChessReading* reading = nullptr);

// What a .棋譜 file cannot keep of a game read from PGN, one Japanese line
// each: texts outside Shift-JIS, comments, variations, tags, and a start
// (side to move, castling rights, en passant, counters) it would read back
// otherwise. Empty when nothing is lost.
std::vector<std::string> record_file_losses(const RecordFile& file);

// A game of chess played move by move from the initial position, White
// below, by choosing among the legal moves: for tools that make records.
class ChessPlayer {
 public:
  ChessPlayer();
  ~ChessPlayer();
  int legal_move_count();
  // Plays the i-th legal move (0 .. legal_move_count() - 1).
  void play(int i);
  const RecordFile& record() const { return file_; }

 private:
  struct Game;
  std::unique_ptr<Game> game_;
  RecordFile file_;
};

// The most one game of a collection may take.
constexpr size_t PGN_GAME_MAX_BYTES = RECORD_FILE_MAX_BYTES;
inline constexpr std::string_view PGN_GAME_TOO_BIG = QT_TRANSLATE_NOOP("Message", "1局が4MBを超えるため読み込めません");

// The first game of a PGN text, replayed move by move into a fresh record. On
// refusal: std::nullopt and a Japanese message naming the move or the line
// (counted from first_line, for a game cut out of a collection).
std::optional<RecordFile> parse_pgn(std::string_view bytes, std::string& error_message, long first_line = 1);

// Text from a PGN file that may not be UTF-8: bytes that do not decode are read as Latin-1.
std::string pgn_text_as_utf8(std::string_view s);

}  // namespace zarvo
