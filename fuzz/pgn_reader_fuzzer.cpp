// Feeds arbitrary bytes to the PGN reader. Besides not crashing, a game the
// reader accepts must be a record of valid codes whose PGN, as the writer
// makes it, reads back to the same positions and is written the same again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/pgn.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
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
  check(reading.left_out == 0);
  check(reading.sans.size() + 1 == file->entries.size());
  const auto again = zarvo::parse_pgn(pgn, message);
  check(again.has_value());
  check(again->entries.size() == file->entries.size());
  for (size_t n = 0; n < file->entries.size(); ++n) check(again->entries[n].board == file->entries[n].board);
  check(zarvo::write_pgn(*again, date) == pgn);
  return 0;
}
