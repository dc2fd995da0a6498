// Games between two opponents without a window, through the game's own rules,
// its search and the engine talk: what zarvo-match plays.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "computer/uci.h"
#include "shell/posix_engine_process.h"

namespace zarvo {

struct Opponent {
  enum Kind { Level, Random } kind = Level;
  int level = 3;
  std::string name() const;
};
// "level:1" … "level:9" or "random".
std::optional<Opponent> parse_opponent(std::string_view name);

// An engine asked and answered in turn, waiting for each answer.
class WaitingEngine {
 public:
  explicit WaitingEngine(std::string program) : program_(std::move(program)) {}
  // The engine's move for the position at the level; nullopt and a reason when it fails.
  std::optional<std::string> best_move(const std::string& fen, const EngineLevel& level, std::string& reason);

 private:
  // Waits for the session's next event that is not Nothing.
  UciEvent next_event();

  std::string program_;
  PosixEngineProcess process_;
  UciSession session_;
  std::optional<UciEvent> event_;
};

struct GameOutcome {
  std::string result;  // "1-0", "0-1", "1/2-1/2", or "*" at the ply cap
  std::string reason;  // how it ended, in Japanese
  int plies = 0;
  int fallbacks = 0;  // engine answers the rules refused or that never came
  std::string pgn;
};

struct GameSettings {
  int max_plies = 400;
  int opening_plies = 0;  // random moves by both sides before the opponents take over
  std::string engine;     // the engine program for engine levels
};

// Plays one game from the initial position, White first.
GameOutcome play_match_game(const Opponent& white, const Opponent& black, const GameSettings& settings,
                            std::mt19937& random, WaitingEngine* white_engine, WaitingEngine* black_engine);

}  // namespace zarvo
