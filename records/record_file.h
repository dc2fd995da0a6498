// The record file (.棋譜): three header lines, then one line per record entry.
// Works on whole file images; opening and writing files lives at the edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/move_record.h"
#include "rules/game_state.h"

namespace zarvo {

struct RecordEntry {
  Board board{};
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0, piece = 0;
};

// A tag of a PGN game as the file has it (UTF-8).
struct PgnTag {
  std::string name, value;
};

// What a game read from PGN brings beyond its positions, kept so that saving
// it again loses nothing; empty for a game played here or read from .棋譜.
struct GameOrigin {
  std::vector<PgnTag> tags;  // every tag, in the file's order
  std::string result;        // the result token that ended the moves
  std::string start_fen;     // entry 0 with side to move, rights, en passant and counters
  int plies = 0;             // moves the game had when read
  bool comments = false;     // the moves carried comments or NAGs
  bool variations = false;   // ... or variations
  bool black_first = false;  // Black moved first, from the lower army's opponent's side
};

// Texts in UTF-8.
struct RecordFile {
  std::string title, upper_name, lower_name;
  std::vector<RecordEntry> entries;
  GameOrigin origin;
};

// A record never holds more entry lines than the move record has entries.
constexpr int RECORD_FILE_MAX_ENTRIES = 501;
// Anything bigger cannot be a record: header lines of typed text plus 501 entries.
constexpr size_t RECORD_FILE_MAX_BYTES = 4 * 1024 * 1024;

// Parses a whole record file image (Shift-JIS, CRLF). On failure: std::nullopt
// and a Japanese message for the user.
std::optional<RecordFile> parse_record_file(std::string_view bytes, std::string& error_message);

// The file image: header lines (UTF-8 converted to CP932) and entries 0..last,
// CRLF line ends.
std::string write_record_file(const RecordFile& file);

// A record file image being read line by line.
struct RecordSource {
  std::string_view bytes;
  size_t position = 0;
};
// Reads the next line into line: 1 when a line was read, 0 at the end of the
// file, leaving line as it was. A line ends at CR LF, a lone CR or a lone LF;
// a last line without a line end counts.
int read_record_line(RecordSource& source, std::string& line);

// The reader's pieces, shared with the tests.
// The digits after optional blanks and an optional '-', up to the first other
// character; a field without digits there is 0.
int read_record_number(std::string_view field);
// Cuts one entry line into its fields by column; missing fields are 0.
RecordEntry decode_record_entry(std::string_view line);
// One entry line as written: 64 squares of two columns, four coordinates, the piece.
std::string encode_record_entry(const RecordEntry& entry);

// Entry n of the move record as one entry of a record file.
RecordEntry record_entry_at(const MoveRecord& record, int n);

}  // namespace zarvo
