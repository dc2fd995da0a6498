// zarvo-record convert [--game N] IN OUT    .棋譜 <-> .pgn, chosen by the extensions
// zarvo-record fen [--game N] FILE [ENTRY]  the FEN of one entry (default: the last)
// zarvo-record list FILE                    the games of a PGN collection, one a line
// zarvo-record check FILE                   the games of a collection that cannot be read
// Reads and writes through the same code as the record panel. Exit 0 on
// success, 2 with a message on stderr when a file is refused; check exits 1
// when a game cannot be read.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "records/pgn.h"
#include "records/pgn_collection.h"
#include "records/record_file.h"
#include "records/record_storage.h"

namespace {

using zarvo::RecordFile;

constexpr int REFUSED = 2;
constexpr int UNREADABLE_GAMES = 1;

int usage() {
  std::cerr << "usage: zarvo-record convert [--game N] IN OUT   (.棋譜 <-> .pgn)\n"
               "       zarvo-record fen [--game N] FILE [ENTRY]\n"
               "       zarvo-record list FILE\n"
               "       zarvo-record check FILE\n";
  return REFUSED;
}

bool is_record_name(const std::string& name) { return name.ends_with(zarvo::RECORD_EXTENSION); }

std::optional<int> whole_number(const std::string& text) {
  size_t used = 0;
  int n = 0;
  try {
    n = std::stoi(text, &used);
  } catch (...) {
    return std::nullopt;
  }
  if (used != text.size()) return std::nullopt;
  return n;
}

// Game number-th of a PGN file, replayed.
std::optional<RecordFile> load_pgn_game(const std::string& path, int number) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": " << zarvo::record_read_error_text(zarvo::FileError::not_found) << "\n";
    return std::nullopt;
  }
  std::optional<zarvo::PgnGameEntry> chosen;
  int count = 0;
  zarvo::index_pgn(in, [&](zarvo::PgnGameEntry&& g) {
    ++count;
    if (g.number == number) chosen = std::move(g);
  });
  if (!chosen) {
    if (count == 0) {
      std::cerr << path << ": PGNﾌｧｲﾙではありません\n";
    } else {
      std::cerr << path << ": 対局番号は 1 から " << count << " までです\n";
    }
    return std::nullopt;
  }
  if (!chosen->problem.empty()) {
    std::cerr << path << ": " << chosen->problem << "\n";
    return std::nullopt;
  }
  std::string bytes, message;
  if (!zarvo::read_pgn_game(in, *chosen, bytes)) {
    std::cerr << path << ": " << zarvo::record_read_error_text(zarvo::FileError::failed) << "\n";
    return std::nullopt;
  }
  std::optional<RecordFile> file = zarvo::parse_pgn(bytes, message, chosen->line);
  if (!file) std::cerr << path << ": " << message << "\n";
  return file;
}

std::optional<RecordFile> load(const std::string& path, int game) {
  const bool pgn = zarvo::is_pgn_name(path);
  if (!pgn && !is_record_name(path)) {
    std::cerr << path << ": 拡張子が .棋譜 でも .pgn でもありません\n";
    return std::nullopt;
  }
  std::optional<RecordFile> file;
  if (pgn) {
    file = load_pgn_game(path, game);
  } else {
    if (game != 1) {
      std::cerr << path << ": .棋譜 ﾌｧｲﾙには対局が1つしかありません\n";
      return std::nullopt;
    }
    std::string bytes, message;
    if (const zarvo::FileError error = zarvo::read_whole_file(path, zarvo::RECORD_FILE_MAX_BYTES, bytes);
        error != zarvo::FileError::none) {
      std::cerr << path << ": " << zarvo::record_read_error_text(error) << "\n";
      return std::nullopt;
    }
    file = zarvo::parse_record_file(bytes, message);
    if (!file) std::cerr << path << ": " << message << "\n";
  }
  if (file && file->entries.empty()) {
    // Not even a first position: nothing to convert or to show.
    std::cerr << path << ": 棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\n";
    file.reset();
  }
  return file;
}

int convert(const std::string& in, const std::string& out, int game) {
  const bool to_pgn = zarvo::is_pgn_name(out);
  if (!to_pgn && !is_record_name(out)) {
    std::cerr << out << ": 拡張子が .棋譜 でも .pgn でもありません\n";
    return REFUSED;
  }
  const std::optional<RecordFile> file = load(in, game);
  if (!file) return REFUSED;
  std::string image;
  if (to_pgn) {
    zarvo::ChessReading reading;
    image = zarvo::write_pgn(*file, zarvo::today(), &reading);
    if (image.empty()) {
      std::cerr << in << ": " << reading.problem << "。PGNには書き出せません\n";
      return REFUSED;
    }
    if (reading.left_out > 0)
      std::cerr << in << ": " << reading.problem << "。以降の" << reading.left_out << "手は書き出していません\n";
  } else {
    for (const std::string& loss : zarvo::record_file_losses(*file)) std::cerr << in << ": " << loss << "\n";
    image = zarvo::write_record_file(*file);
  }
  if (const zarvo::FileError error = zarvo::replace_file(out, image); error != zarvo::FileError::none) {
    std::cerr << out << ": " << zarvo::record_write_error_text(error) << "\n";
    return REFUSED;
  }
  return 0;
}

int fen(const std::string& path, const std::string* entry_text, int game) {
  const std::optional<RecordFile> file = load(path, game);
  if (!file) return REFUSED;
  const zarvo::ChessReading reading = zarvo::read_as_chess(*file);
  const int last = static_cast<int>(file->entries.size()) - 1;
  int entry = last;
  if (entry_text) {
    const std::optional<int> n = whole_number(*entry_text);
    if (!n || *n < 0 || *n > last) {
      std::cerr << path << ": 局面番号は 0 から " << last << " までです\n";
      return REFUSED;
    }
    entry = *n;
  }
  if (entry >= static_cast<int>(reading.fens.size())) {
    std::cerr << path << ": " << reading.problem << "\n";
    return REFUSED;
  }
  std::cout << reading.fens[static_cast<size_t>(entry)] << "\n";
  return 0;
}

// Tabs and line ends inside a tag would break the columns.
std::string cell(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}

int list(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": " << zarvo::record_read_error_text(zarvo::FileError::not_found) << "\n";
    return REFUSED;
  }
  std::string out;
  zarvo::index_pgn(in, [&](zarvo::PgnGameEntry&& g) {
    out += std::to_string(g.number) + '\t' + cell(g.white) + '\t' + cell(g.black) + '\t' + cell(g.result) + '\t' +
           cell(g.date) + '\t' + cell(g.event) + '\t' + std::to_string(g.plies) + '\n';
    if (out.size() > (1 << 16)) {
      std::cout << out;
      out.clear();
    }
  });
  std::cout << out;
  return 0;
}

int check(const std::string& path) {
  std::ifstream in(path, std::ios::binary), games(path, std::ios::binary);
  if (!in || !games) {
    std::cerr << path << ": " << zarvo::record_read_error_text(zarvo::FileError::not_found) << "\n";
    return REFUSED;
  }
  int unreadable = 0;
  std::string bytes, message;
  zarvo::index_pgn(in, [&](zarvo::PgnGameEntry&& g) {
    message = g.problem;
    if (message.empty() && !zarvo::read_pgn_game(games, g, bytes))
      message = zarvo::record_read_error_text(zarvo::FileError::failed);
    if (message.empty() && !zarvo::parse_pgn(bytes, message, g.line)) {
      // message says why
    }
    if (message.empty()) return;
    ++unreadable;
    std::cout << g.number << '\t' << g.line << '\t' << cell(g.white) << '\t' << cell(g.black) << '\t' << message
              << '\n';
  });
  return unreadable > 0 ? UNREADABLE_GAMES : 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  int game = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--game" && i + 1 < argc) {
      const std::optional<int> n = whole_number(argv[++i]);
      if (!n || *n < 1) {
        std::cerr << "--game: 対局番号は 1 以上です\n";
        return REFUSED;
      }
      game = *n;
      continue;
    }
    args.push_back(a);
  }
  if (args.size() == 3 && args[0] == "convert") return convert(args[1], args[2], game);
  if ((args.size() == 2 || args.size() == 3) && args[0] == "fen")
    return fen(args[1], args.size() == 3 ? &args[2] : nullptr, game);
  if (args.size() == 2 && args[0] == "list") return list(args[1]);
  if (args.size() == 2 && args[0] == "check") return check(args[1]);
  return usage();
}
