// Where the chess engine program is.
#pragma once

#include <string>

namespace zarvo {

inline constexpr const char* DEFAULT_ENGINE = "/usr/games/stockfish";

// The program to run: the one the player chose when it can be run; without a
// choice Debian's stockfish, then "stockfish" on the PATH. Empty: none.
std::string find_engine_program(const std::string& configured);

struct App;
// Finds the engine (start-up, after the settings are read) and greys the
// engine levels when there is none.
void look_for_engine(App& app);

}  // namespace zarvo
