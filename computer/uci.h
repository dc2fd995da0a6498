// The talk with a UCI chess engine, as text lines in and out: the levels it
// plays at, its moves in coordinate notation, and the state of one session.
// The process that runs the engine lives behind the platform seam.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/text_mark.h"

namespace zarvo {

constexpr int FIRST_ENGINE_LEVEL = 4;
constexpr int LAST_ENGINE_LEVEL = 9;
constexpr int ENGINE_FALLBACK_LEVEL = 3;  // plays when the engine cannot

// The engine must answer the handshake within this, and a search within its
// move time plus this.
constexpr int ENGINE_HANDSHAKE_MS = 5000;
constexpr int ENGINE_GRACE_MS = 5000;

// One engine level: a rating the engine holds itself to (0: full strength),
// the skill level for engines without ratings, and the time for each move.
struct EngineLevel {
  int level;
  int elo;
  int skill;
  int movetime_ms;
  int approximate_rating;  // what the help page tells the player
};

// The level's settings, or nullptr for a level the engine does not play.
const EngineLevel* engine_level(int level);
inline bool is_engine_level(int level) { return level >= FIRST_ENGINE_LEVEL && level <= LAST_ENGINE_LEVEL; }

// A move as UCI writes it: "e2e4", "e7e8q". Files and ranks count from 0.
struct UciMove {
  int from_file = 0, from_rank = 0, to_file = 0, to_rank = 0;
  char promotion = 0;  // 'q', 'r', 'b', 'n' or 0
  bool operator==(const UciMove&) const = default;
};
std::optional<UciMove> parse_uci_move(std::string_view text);
std::string uci_move_text(const UciMove& move);

// What a line from the engine meant for the session.
struct UciEvent {
  enum Kind { Nothing, Ready, BestMove, Failure } kind = Nothing;
  std::string move;               // BestMove: the move as the engine wrote it
  std::string reason;             // Failure: for the player, in Japanese
  std::vector<std::string> send;  // lines the engine is to get in answer
};

// One engine from its first "uci" to the end. Every method answers the lines
// to send; the owner sends them, reads the engine's lines into on_line and
// arms a timer for deadline_ms().
class UciSession {
 public:
  enum class Phase { Stopped, Handshake, Syncing, Idle, Searching, Failed };

  // The process has just started.
  std::vector<std::string> start();
  // A search of the position at the level; only in Idle.
  std::vector<std::string> search(const std::string& fen, const EngineLevel& level);
  UciEvent on_line(std::string_view line);
  // The process ended by itself, or the timer ran out.
  UciEvent on_exit();
  UciEvent on_deadline();
  // Milliseconds the current phase may take; 0 when nothing is awaited.
  int deadline_ms() const;

  Phase phase() const { return phase_; }
  bool has_option(const std::string& name) const { return options_.count(name) > 0; }
  const std::string& engine_name() const { return name_; }

 private:
  UciEvent fail(std::string reason);

  Phase phase_ = Phase::Stopped;
  std::set<std::string> options_;
  std::string name_;
  int movetime_ms_ = 0;
  std::string sent_strength_;  // the last setoption lines, so they go out only on a change
  size_t output_bytes_ = 0;
};

// The messages the player reads when the engine fails.
inline constexpr std::string_view ENGINE_NO_HANDSHAKE = QT_TRANSLATE_NOOP("Message", "エンジンが応答しません");
inline constexpr std::string_view ENGINE_NO_MOVE = QT_TRANSLATE_NOOP("Message", "エンジンが時間内に指し手を返しません");
inline constexpr std::string_view ENGINE_ENDED = QT_TRANSLATE_NOOP("Message", "エンジンが異常終了しました");
inline constexpr std::string_view ENGINE_GARBAGE = QT_TRANSLATE_NOOP("Message", "エンジンの出力が読めません");

}  // namespace zarvo
