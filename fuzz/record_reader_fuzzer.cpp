// Feeds arbitrary bytes to the record file reader. Besides not crashing, a
// file the reader accepts must hold only valid codes and squares, and what the
// writer makes of it must read back to the same entries and the same image.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/record_file.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

bool same_entries(const zarvo::RecordFile& a, const zarvo::RecordFile& b) {
  if (a.entries.size() != b.entries.size()) return false;
  for (size_t n = 0; n < a.entries.size(); ++n) {
    const zarvo::RecordEntry& x = a.entries[n];
    const zarvo::RecordEntry& y = b.entries[n];
    if (x.board != y.board || x.from_x != y.from_x || x.from_y != y.from_y || x.to_x != y.to_x || x.to_y != y.to_y ||
        x.piece != y.piece)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string message;
  const auto file = zarvo::parse_record_file(bytes, message);
  if (!file) {
    check(!message.empty());
    return 0;
  }
  check(file->entries.size() <= static_cast<size_t>(zarvo::RECORD_FILE_MAX_ENTRIES));
  for (const zarvo::RecordEntry& e : file->entries) {
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) check(e.board[x][y] >= -6 && e.board[x][y] <= 6);
    check(e.piece >= -6 && e.piece <= 6);
    for (int v : {e.from_x, e.from_y, e.to_x, e.to_y}) check(v >= 0 && v <= 8);
  }
  const std::string image = zarvo::write_record_file(*file);
  const auto again = zarvo::parse_record_file(image, message);
  check(again.has_value());
  check(same_entries(*file, *again));
  check(zarvo::write_record_file(*again) == image);
  return 0;
}
