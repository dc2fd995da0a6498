#include "tools/position_analysis.h"

#include <cstdio>
#include <memory>

#include "computer/move_scoring.h"
#include "computer/search.h"
#include "records/move_record.h"
#include "records/pgn.h"
#include "records/record_file.h"
#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "rules/pin_maps.h"
#include "shell/app.h"
#include "shell/file_io.h"

namespace zarvo {
namespace {

// Everything a query may change. Each query starts from the state right after
// the first scan, so the side effects of one (castling rescans, trial moves of
// the mate tests) never reach the next.
struct Snapshot {
  GameState game;
  Position pos;
  ComputerState com;

  explicit Snapshot(const App& app) : game(app.game), pos(app.pos), com(app.com) {}
  void restore(App& app) const {
    app.game = game;
    app.pos = pos;
    app.com = com;
  }
};

std::optional<int> parse_number(std::string_view s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

std::string number(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::string square(int x, int y) { return "[" + std::to_string(x) + "," + std::to_string(y) + "]"; }

std::string candidate_json(const Candidate& c) {
  return "{\"from\":" + square(c.x1, c.y1) + ",\"to\":" + square(c.x2, c.y2) +
         ",\"piece\":" + std::to_string(c.moving) + ",\"placed\":" + std::to_string(c.placed) +
         ",\"captured\":" + std::to_string(c.captured) + ",\"score\":" + number(c.score) + "}";
}

// 8 rows (y = 1..8) of 8 values (x = 1..8).
std::string map_json(const SquareMap<int>& m) {
  std::string out = "[";
  for (int y = 1; y <= BOARD_SIZE; ++y) {
    out += y > 1 ? ",[" : "[";
    for (int x = 1; x <= BOARD_SIZE; ++x) out += (x > 1 ? "," : "") + std::to_string(m[x][y]);
    out += "]";
  }
  return out + "]";
}

std::string maps_json(const BoardMaps& m) {
  const std::pair<const char*, const SquareMap<int>*> maps[] = {
      {"lower_attack_count", &m.lower_attack_count}, {"upper_attack_count", &m.upper_attack_count},
      {"lower_defender", &m.lower_defender},         {"upper_defender", &m.upper_defender},
      {"upper_defender_x", &m.upper_defender_x},     {"upper_defender_y", &m.upper_defender_y},
      {"lower_attacker", &m.lower_attacker},         {"lower_attacker_x", &m.lower_attacker_x},
      {"lower_attacker_y", &m.lower_attacker_y},     {"upper_attacker", &m.upper_attacker},
      {"upper_attacker_x", &m.upper_attacker_x},     {"upper_attacker_y", &m.upper_attacker_y},
      {"lower_check_map", &m.lower_check_map},       {"upper_check_map", &m.upper_check_map},
  };
  std::string out = "{";
  bool first = true;
  for (const auto& [name, map] : maps) {
    out += (first ? "\"" : ",\"") + std::string(name) + "\":" + map_json(*map);
    first = false;
  }
  return out + "}";
}

// Destinations by the movement rules, and those that keep the owner's king safe.
std::string moves_json(App& app, const Snapshot& start) {
  std::string out = "[";
  bool first_piece = true;
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      const int piece = start.pos.board[x][y];
      if (piece == EMPTY) continue;
      const int upper = piece >= B_PAWN ? 1 : 0;
      std::string to, safe;
      for (int a = 1; a <= BOARD_SIZE; ++a) {
        for (int b = 1; b <= BOARD_SIZE; ++b) {
          start.restore(app);
          if (check_piece_move(app.pos, x, y, a, b, piece) != 1) continue;
          to += (to.empty() ? "" : ",") + square(a, b);
          start.restore(app);
          if (move_keeps_king_safe(app.pos, x, y, a, b, upper) == 1) safe += (safe.empty() ? "" : ",") + square(a, b);
        }
      }
      out += (first_piece ? "" : ",") + std::string("{\"from\":") + square(x, y) +
             ",\"piece\":" + std::to_string(piece) + ",\"to\":[" + to + "],\"safe\":[" + safe + "]}";
      first_piece = false;
    }
  }
  return out + "]";
}

std::string state_json(App& app, const Snapshot& start) {
  std::string out = ",\"maps\":" + maps_json(start.pos.maps);

  start.restore(app);
  find_pins(app.pos);
  out += ",\"pins\":{\"lower_pinned\":" + map_json(app.pos.pins.lower_pinned) +
         ",\"upper_pin_found\":" + std::to_string(app.pos.pins.upper_pin_found) + "}";

  const KingSquares& k = start.pos.kings;
  out += ",\"kings\":{\"lower\":" + square(k.lower_king_x, k.lower_king_y) +
         ",\"upper\":" + square(k.upper_king_x, k.upper_king_y) + "}";

  out += ",\"moves\":" + moves_json(app, start);

  start.restore(app);
  const int upper_mated = upper_king_mated(app.pos);
  start.restore(app);
  const int lower_mated = lower_king_mated(app.pos);
  start.restore(app);
  const int upper_boxed = king_boxed_in(app.pos, k.upper_king_x, k.upper_king_y);
  start.restore(app);
  const int lower_boxed = king_boxed_in(app.pos, k.lower_king_x, k.lower_king_y);
  // Whether each side has a move the game accepts: without one it is mated or stalemated.
  start.restore(app);
  const int upper_can_move = has_legal_move(app.pos, 1, 0);
  start.restore(app);
  const int lower_can_move = has_legal_move(app.pos, 0, 0);
  out += ",\"tests\":{\"upper_king_mated\":" + std::to_string(upper_mated) +
         ",\"lower_king_mated\":" + std::to_string(lower_mated) +
         ",\"upper_king_boxed_in\":" + std::to_string(upper_boxed) +
         ",\"lower_king_boxed_in\":" + std::to_string(lower_boxed) +
         ",\"upper_has_legal_move\":" + std::to_string(upper_can_move) +
         ",\"lower_has_legal_move\":" + std::to_string(lower_can_move) + "}";
  return out;
}

}  // namespace

std::optional<AnalyseOptions> parse_analyse_arguments(const std::vector<std::string>& args, std::string& error) {
  AnalyseOptions o;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--maps") {
      o.maps = true;
    } else if (a == "--level") {
      if (i + 1 >= args.size() || (args[i + 1] != "1" && args[i + 1] != "2" && args[i + 1] != "3")) {
        error = "--level wants 1, 2 or 3";
        return std::nullopt;
      }
      o.level = args[++i][0] - '0';
    } else if (a == "--lower") {
      if (i + 1 >= args.size() || (args[i + 1] != "first" && args[i + 1] != "second")) {
        error = "--lower wants first or second";
        return std::nullopt;
      }
      o.lower_first = args[++i] == "first";
    } else if (a.size() > 1 && a[0] == '-') {
      error = "unknown option " + a;
      return std::nullopt;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.empty() || positional.size() > 2) {
    error = "usage: zarvo-analyse [--level 1|2|3] [--lower first|second] [--maps] FILE [ENTRY]";
    return std::nullopt;
  }
  o.file = positional[0];
  if (positional.size() == 2) {
    o.entry = parse_number(positional[1]);
    if (!o.entry) {
      error = "ENTRY must be a whole number, not " + positional[1];
      return std::nullopt;
    }
  }
  return o;
}

bool analyse_record(std::string_view file_bytes, const AnalyseOptions& options, std::string& json, std::string& error) {
  std::string reader_message;
  // A .pgn game (the first of a collection) comes with its FEN's rights and counters.
  const bool pgn = options.file.size() >= 4 && options.file.ends_with(".pgn");
  const std::optional<RecordFile> file =
      pgn ? parse_pgn(file_bytes, reader_message) : parse_record_file(file_bytes, reader_message);
  if (!file) {
    error = options.file + ": " + reader_message;
    return false;
  }
  const int count = static_cast<int>(file->entries.size());
  if (count == 0) {
    error = options.file + ": no entry line";
    return false;
  }
  const int entry = options.entry.value_or(count - 1);
  if (entry < 0 || entry >= count) {
    error = "ENTRY " + std::to_string(entry) + " is out of range 0.." + std::to_string(count - 1);
    return false;
  }

  // A freshly started program with the record loaded, in a game against the computer.
  auto owned = std::make_unique<App>();
  App& app = *owned;
  GameState& g = app.game;
  app.com.level = options.level;
  for (int i = 0; i < count; ++i) {
    const RecordEntry& e = file->entries[i];
    record_move(app.record, e.board, i, e.from_x, e.from_y, e.to_x, e.to_y, e.piece);
  }
  if (!file->origin.start_fen.empty()) {
    Position start;
    int upper = 0;
    if (from_fen(file->origin.start_fen, Orientation{}, start, upper).empty()) app.record.start = start;
  }
  app.pos.board = file->entries[entry].board;
  restore_history(app.record, entry, app.pos);
  g.move_number = entry;
  g.record_length = entry;
  g.game_kind = KIND_VS_COMPUTER;
  g.lower_player = options.lower_first ? FIRST : SECOND;
  g.upper_player = options.lower_first ? SECOND : FIRST;
  rescan(app.pos);
  const Snapshot start(app);

  std::string candidates;
  const int found = search_computer_move(
      app.pos, app.com, [&](const Candidate& c) { candidates += (candidates.empty() ? "" : ",") + candidate_json(c); });
  json = "{\"level\":" + std::to_string(options.level) + ",\"candidates\":[" + candidates +
         "],\"best\":" + (found ? candidate_json(app.com.best) : std::string("null"));
  if (options.maps) json += state_json(app, start);
  json += "}";
  return true;
}

int run_analyse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<AnalyseOptions> options = parse_analyse_arguments(args, error);
  if (!options) {
    err << "zarvo-analyse: " << error << "\n";
    return 2;
  }
  std::string bytes;
  switch (read_whole_file(options->file, RECORD_FILE_MAX_BYTES, bytes)) {
    case FileError::none: break;
    case FileError::not_found:
    case FileError::not_a_file: err << "zarvo-analyse: " << options->file << ": no such file\n"; return 2;
    case FileError::too_big: err << "zarvo-analyse: " << options->file << ": not a record file\n"; return 2;
    default: err << "zarvo-analyse: " << options->file << ": cannot be read\n"; return 2;
  }
  std::string json;
  if (!analyse_record(bytes, *options, json, error)) {
    err << "zarvo-analyse: " << error << "\n";
    return 2;
  }
  out << json << "\n";
  return 0;
}

}  // namespace zarvo
