// A PGN collection: the games of a file found by one pass over its bytes
// (tags and move-text boundaries only), so that files of any size can be
// listed; a game is replayed only when it is chosen.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct PgnGameEntry {
  int number = 0;                                 // 1, 2, ... in file order
  std::uint64_t offset = 0;                       // where its first tag or move begins
  std::uint64_t length = 0;                       // up to the start of the next game
  long line = 1;                                  // the line it begins on (LF, CR or CR LF)
  std::string white, black, result, date, event;  // UTF-8, as tagged
  int plies = 0;                                  // moves counted in the move text
  std::string problem;                            // why it cannot be read, when that shows without replaying it
};

// Finds games in bytes fed in pieces of any size; each game is handed over as
// soon as the next one begins (or at finish).
class PgnIndexer {
 public:
  explicit PgnIndexer(std::function<void(PgnGameEntry&&)> each) : each_(std::move(each)) {}
  void feed(std::string_view bytes);
  void finish();

 private:
  enum class Mode { text, tag_name, tag_value, tag_escape, tag_close, brace, line_comment };
  void start_game();
  void end_game(std::uint64_t end);
  void end_token();
  void take_tag();

  std::function<void(PgnGameEntry&&)> each_;
  Mode mode_ = Mode::text;
  std::uint64_t pos_ = 0;
  long line_ = 1;
  bool last_cr_ = false;
  bool line_blank_ = true;  // nothing but blanks so far on this line
  std::uint64_t line_offset_ = 0;
  bool in_game_ = false, moves_seen_ = false;
  int depth_ = 0;  // variation nesting
  int count_ = 0;
  // The move-text symbol being read; longer ones are cut (they are no moves).
  char token_[32] = {};
  size_t token_size_ = 0;
  std::string tag_name_, tag_value_, token_result_;
  PgnGameEntry game_;
};

// Every game of a stream, read in pieces.
void index_pgn(std::istream& in, const std::function<void(PgnGameEntry&&)>& each);
std::vector<PgnGameEntry> index_pgn(std::istream& in);

// The bytes of one game of a PGN file; false when they cannot be read.
bool read_pgn_game(std::istream& in, const PgnGameEntry& game, std::string& bytes);

}  // namespace zarvo
