// Feeds arbitrary bytes to the PGN reader and the collection index. Besides
// not crashing, a game the reader accepts must be a record of valid codes
// whose PGN, as the writer makes it, reads back to the same positions and is
// written the same again; the index must cut the bytes into games that lie
// inside them, in order.
//
// An input that begins with the line "%size K" (an escape line to PGN) is
// padded with a comment up to K kilobytes, so that short seeds reach the
// limit of one game (4 MB) from both sides.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "records/pgn.h"
#include "records/pgn_collection.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// The input, grown as its first line asks.
std::string expanded(std::string_view bytes) {
  std::string text(bytes);
  if (!bytes.starts_with("%size ")) return text;
  const size_t end = bytes.find('\n');
  if (end == std::string_view::npos || end > 12) return text;
  size_t kilobytes = 0;
  for (size_t i = 6; i < end; ++i) {
    if (bytes[i] < '0' || bytes[i] > '9') return text;
    kilobytes = kilobytes * 10 + static_cast<size_t>(bytes[i] - '0');
  }
  const size_t wanted = std::min<size_t>(kilobytes, 5000) * 1024;
  if (wanted <= text.size() + 3) return text;
  return text + "{" + std::string(wanted - text.size() - 3, 'x') + "}\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = expanded(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view bytes(text);

  std::istringstream in(text);
  uint64_t next = 0;
  zarvo::index_pgn(in, [&](zarvo::PgnGameEntry&& g) {
    check(g.offset >= next && g.offset + g.length <= bytes.size());
    check(g.plies >= 0 && g.line >= 1);
    next = g.offset + g.length;
  });

  std::string message;
  const auto file = zarvo::parse_pgn(bytes, message);
  if (!file) {
    check(!message.empty());
    return 0;
  }
  check(!file->entries.empty());
  check(file->entries.size() <= static_cast<size_t>(zarvo::RECORD_FILE_MAX_ENTRIES));
  for (const zarvo::RecordEntry& e : file->entries) {
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) check(e.board[x][y] >= -6 && e.board[x][y] <= 6);
    check(e.piece >= -6 && e.piece <= 6);
  }
  const zarvo::PgnDate date{2026, 1, 2};
  zarvo::ChessReading reading;
  const std::string pgn = zarvo::write_pgn(*file, date, &reading);
  // Every move the reader accepted is a chess move the writer can name.
  check(!pgn.empty());
  check(reading.left_out == 0);
  check(reading.sans.size() + 1 == file->entries.size());
  const auto again = zarvo::parse_pgn(pgn, message);
  check(again.has_value());
  check(again->entries.size() == file->entries.size());
  for (size_t n = 0; n < file->entries.size(); ++n) check(again->entries[n].board == file->entries[n].board);
  check(zarvo::write_pgn(*again, date) == pgn);
  return 0;
}
