// The engine player's values: where the engine program is, the session with
// it, and what its answer is awaited for.
#pragma once

#include <string>

#include "computer/uci.h"

namespace zarvo {

// What a search of the engine was asked for.
enum class EngineTask { None, Move, Hint };

struct EngineState {
  std::string configured;           // the program the player chose; empty: look for stockfish
  bool configured_in_file = false;  // the settings file names one (written back only then)
  std::string program;              // the program found at start-up or chosen; empty: none
  UciSession session;
  EngineTask task = EngineTask::None;
  std::string fen;    // the position the awaited search is about
  bool upper = true;  // the army it is for
  // Hint squares framed on the board, to be wiped at the next click.
  int hint_x1 = 0, hint_y1 = 0, hint_x2 = 0, hint_y2 = 0;
};

// The draw rules of chess as an option.
struct DrawRulesOption {
  bool on = false;
  bool in_file = false;  // the settings file has the line (written back only then)
};

}  // namespace zarvo
