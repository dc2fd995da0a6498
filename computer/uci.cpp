#include "computer/uci.h"

#include <array>

namespace zarvo {
namespace {

// Ratings the engine limits itself to, a step apart that the stronger level
// wins about three games in four. At a tenth of a second the ratings near the
// top lie closer together than they say, so the upper levels think longer.
constexpr std::array<EngineLevel, 6> LEVELS = {{
    {4, 1350, 0, 100, 1350},
    {5, 1600, 3, 100, 1600},
    {6, 1850, 6, 100, 1850},
    {7, 2100, 9, 100, 2100},
    {8, 2600, 15, 300, 2600},
    {9, 0, 20, 500, 3000},
}};

// An engine that talks this much without answering is not talking UCI.
constexpr size_t MAX_OUTPUT_BYTES = 4 * 1024 * 1024;

std::string_view first_word(std::string_view line, std::string_view& rest) {
  size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  size_t j = i;
  while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
  rest = line.substr(j);
  return line.substr(i, j - i);
}

// Text lines only: control bytes mean the other end is not a UCI engine.
bool readable(std::string_view line) {
  for (const char c : line) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\r') || u == 0x7f) return false;
  }
  return true;
}

// "option name Skill Level type spin ..." gives "Skill Level".
std::string option_name(std::string_view rest) {
  const size_t name = rest.find("name ");
  if (name == std::string_view::npos) return {};
  std::string_view tail = rest.substr(name + 5);
  const size_t type = tail.find(" type ");
  if (type != std::string_view::npos) tail = tail.substr(0, type);
  while (!tail.empty() && tail.back() == ' ') tail.remove_suffix(1);
  return std::string(tail);
}

}  // namespace

const EngineLevel* engine_level(int level) {
  for (const EngineLevel& l : LEVELS)
    if (l.level == level) return &l;
  return nullptr;
}

std::optional<UciMove> parse_uci_move(std::string_view t) {
  if (t.size() != 4 && t.size() != 5) return std::nullopt;
  auto file = [](char c) { return c >= 'a' && c <= 'h' ? c - 'a' : -1; };
  auto rank = [](char c) { return c >= '1' && c <= '8' ? c - '1' : -1; };
  UciMove m{file(t[0]), rank(t[1]), file(t[2]), rank(t[3]), 0};
  if (m.from_file < 0 || m.from_rank < 0 || m.to_file < 0 || m.to_rank < 0) return std::nullopt;
  if (t.size() == 5) {
    if (t[4] != 'q' && t[4] != 'r' && t[4] != 'b' && t[4] != 'n') return std::nullopt;
    m.promotion = t[4];
  }
  return m;
}

std::string uci_move_text(const UciMove& m) {
  std::string s{static_cast<char>('a' + m.from_file), static_cast<char>('1' + m.from_rank),
                static_cast<char>('a' + m.to_file), static_cast<char>('1' + m.to_rank)};
  if (m.promotion) s += m.promotion;
  return s;
}

std::vector<std::string> UciSession::start() {
  phase_ = Phase::Handshake;
  options_.clear();
  name_.clear();
  sent_strength_.clear();
  output_bytes_ = 0;
  return {"uci"};
}

std::vector<std::string> UciSession::search(const std::string& fen, const EngineLevel& level) {
  if (phase_ != Phase::Idle) return {};
  std::vector<std::string> out;
  std::vector<std::string> strength;
  const bool limit = level.elo > 0;
  if (has_option("UCI_LimitStrength") && has_option("UCI_Elo")) {
    strength.push_back(std::string("setoption name UCI_LimitStrength value ") + (limit ? "true" : "false"));
    if (limit) strength.push_back("setoption name UCI_Elo value " + std::to_string(level.elo));
    // A rating does the limiting; a skill left over from an earlier level would hold it down further.
    if (has_option("Skill Level")) strength.push_back("setoption name Skill Level value 20");
  } else if (has_option("Skill Level")) {
    strength.push_back("setoption name Skill Level value " + std::to_string(level.skill));
  }
  std::string joined;
  for (const std::string& s : strength) joined += s + "\n";
  if (joined != sent_strength_) {
    out.insert(out.end(), strength.begin(), strength.end());
    sent_strength_ = joined;
  }
  out.push_back("position fen " + fen);
  out.push_back("go movetime " + std::to_string(level.movetime_ms));
  movetime_ms_ = level.movetime_ms;
  output_bytes_ = 0;
  phase_ = Phase::Searching;
  return out;
}

UciEvent UciSession::fail(std::string reason) {
  phase_ = Phase::Failed;
  UciEvent e;
  e.kind = UciEvent::Failure;
  e.reason = std::move(reason);
  return e;
}

UciEvent UciSession::on_line(std::string_view line) {
  if (phase_ == Phase::Stopped || phase_ == Phase::Failed) return {};
  output_bytes_ += line.size() + 1;
  if (!readable(line) || output_bytes_ > MAX_OUTPUT_BYTES) return fail(std::string(ENGINE_GARBAGE));
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string_view rest;
  const std::string_view word = first_word(line, rest);
  switch (phase_) {
    case Phase::Handshake:
      if (word == "option") {
        const std::string name = option_name(rest);
        if (!name.empty()) options_.insert(name);
      } else if (word == "id") {
        std::string_view value;
        if (first_word(rest, value) == "name") {
          while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
          name_ = std::string(value);
        }
      } else if (word == "uciok") {
        phase_ = Phase::Syncing;
        UciEvent e;
        e.send.push_back("isready");
        return e;
      }
      return {};
    case Phase::Syncing:
      if (word == "readyok") {
        phase_ = Phase::Idle;
        UciEvent e;
        e.kind = UciEvent::Ready;
        return e;
      }
      return {};
    case Phase::Searching:
      if (word == "bestmove") {
        std::string_view after;
        const std::string_view move = first_word(rest, after);
        if (!parse_uci_move(move)) return fail(std::string(ENGINE_GARBAGE));
        phase_ = Phase::Idle;
        UciEvent e;
        e.kind = UciEvent::BestMove;
        e.move = std::string(move);
        return e;
      }
      return {};
    default: return {};
  }
}

UciEvent UciSession::on_exit() {
  if (phase_ == Phase::Stopped || phase_ == Phase::Failed) return {};
  return fail(std::string(phase_ == Phase::Handshake || phase_ == Phase::Syncing ? ENGINE_NO_HANDSHAKE : ENGINE_ENDED));
}

UciEvent UciSession::on_deadline() {
  switch (phase_) {
    case Phase::Handshake:
    case Phase::Syncing: return fail(std::string(ENGINE_NO_HANDSHAKE));
    case Phase::Searching: return fail(std::string(ENGINE_NO_MOVE));
    default: return {};
  }
}

int UciSession::deadline_ms() const {
  switch (phase_) {
    case Phase::Handshake:
    case Phase::Syncing: return ENGINE_HANDSHAKE_MS;
    case Phase::Searching: return movetime_ms_ + ENGINE_GRACE_MS;
    default: return 0;
  }
}

}  // namespace zarvo
