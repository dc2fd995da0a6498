// zarvo-record convert IN OUT      .棋譜 <-> .pgn, chosen by the extensions
// zarvo-record fen FILE [ENTRY]    the FEN of one entry (default: the last)
// Reads and writes through the same code as the record panel. Exit 0 on
// success, 2 with a message on stderr when a file is refused.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "records/pgn.h"
#include "records/record_file.h"
#include "records/record_storage.h"

namespace {

using zarvo::RecordFile;

constexpr int REFUSED = 2;

int usage() {
  std::cerr << "usage: zarvo-record convert IN OUT   (.棋譜 <-> .pgn)\n"
               "       zarvo-record fen FILE [ENTRY]\n";
  return REFUSED;
}

bool is_record_name(const std::string& name) { return name.ends_with(zarvo::RECORD_EXTENSION); }

std::optional<RecordFile> load(const std::string& path) {
  const bool pgn = zarvo::is_pgn_name(path);
  if (!pgn && !is_record_name(path)) {
    std::cerr << path << ": 拡張子が .棋譜 でも .pgn でもありません\n";
    return std::nullopt;
  }
  std::string bytes, message;
  if (const zarvo::FileError error = zarvo::read_whole_file(path, zarvo::RECORD_FILE_MAX_BYTES, bytes);
      error != zarvo::FileError::none) {
    std::cerr << path << ": " << zarvo::record_read_error_text(error) << "\n";
    return std::nullopt;
  }
  std::optional<RecordFile> file = pgn ? zarvo::parse_pgn(bytes, message) : zarvo::parse_record_file(bytes, message);
  if (!file) {
    std::cerr << path << ": " << message << "\n";
  } else if (file->entries.empty()) {
    // Not even a first position: nothing to convert or to show.
    std::cerr << path << ": 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\n";
    file.reset();
  }
  return file;
}

int convert(const std::string& in, const std::string& out) {
  const bool to_pgn = zarvo::is_pgn_name(out);
  if (!to_pgn && !is_record_name(out)) {
    std::cerr << out << ": 拡張子が .棋譜 でも .pgn でもありません\n";
    return REFUSED;
  }
  const std::optional<RecordFile> file = load(in);
  if (!file) return REFUSED;
  std::string image;
  if (to_pgn) {
    zarvo::ChessReading reading;
    image = zarvo::write_pgn(*file, zarvo::today(), &reading);
    if (reading.left_out > 0)
      std::cerr << in << ": " << reading.problem << "。以降の" << reading.left_out << "手は書き出していません\n";
  } else {
    image = zarvo::write_record_file(*file);
  }
  if (const zarvo::FileError error = zarvo::replace_file(out, image); error != zarvo::FileError::none) {
    std::cerr << out << ": " << zarvo::record_write_error_text(error) << "\n";
    return REFUSED;
  }
  return 0;
}

int fen(const std::string& path, const std::string* entry_text) {
  const std::optional<RecordFile> file = load(path);
  if (!file) return REFUSED;
  const zarvo::ChessReading reading = zarvo::read_as_chess(*file);
  const int last = static_cast<int>(file->entries.size()) - 1;
  int entry = last;
  if (entry_text) {
    size_t used = 0;
    try {
      entry = std::stoi(*entry_text, &used);
    } catch (...) {
      used = 0;
    }
    if (used == 0 || used != entry_text->size() || entry < 0 || entry > last) {
      std::cerr << path << ": 局面番号は 0 から " << last << " までです\n";
      return REFUSED;
    }
  }
  if (entry >= static_cast<int>(reading.fens.size())) {
    std::cerr << path << ": " << reading.problem << "\n";
    return REFUSED;
  }
  std::cout << reading.fens[static_cast<size_t>(entry)] << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2]);
  if ((args.size() == 2 || args.size() == 3) && args[0] == "fen")
    return fen(args[1], args.size() == 3 ? &args[2] : nullptr);
  return usage();
}
