// The game in progress when the program ended, kept beside the settings as
// "前回の対局.棋譜" so that it can be taken up at the next start.
#pragma once

#include <optional>
#include <string>

#include "records/record_file.h"

namespace zarvo {

struct App;
struct DataPaths;

inline constexpr std::string_view LAST_GAME_NAME = "前回の対局.棋譜";

// The full name of the kept game: in the settings file's folder.
std::string last_game_file(const DataPaths& paths);

// Whether moves of a game played here (not a record being read) are on the
// move record.
bool game_in_progress(const App& app);

// Writes the whole game on the move record, every move up to the last one
// made, to the kept game's file in one step; nothing without a game in
// progress. Quietly: the program is ending.
void keep_game_in_progress(App& app);

// The kept game, read and checked; std::nullopt with the player's message
// when there is none or it cannot be read.
std::optional<RecordFile> read_kept_game(const App& app, std::string& message);

}  // namespace zarvo
