// Where the game finds its sounds and help page, and where it keeps its
// settings file: beside the program in a build folder, or in the shared data
// folder and the user's configuration folder once installed.
#pragma once

#include <string>

namespace zarvo {

// Empty members mean the current directory, which is how tests and the
// developer tools run the game.
struct DataPaths {
  std::string data_dir;       // the four sound files and the help page
  std::string settings_file;  // full name of "Zarvoチェス.ini"
};

// The parts of the environment that choose the settings folder.
struct Environment {
  std::string xdg_config_home;
  std::string home;
};

// The environment of this process; HOME falls back to the password database.
Environment current_environment();

// The data folder is the program's own folder when it holds the help page,
// otherwise the installed data folder relative to it when that exists. The
// settings stay beside the program when it holds the data and may be written
// there; otherwise they go to $XDG_CONFIG_HOME/zarvo-chess (or
// ~/.config/zarvo-chess).
DataPaths locate_data_paths(const std::string& program_dir, const Environment& env);

// The full name of a data file.
std::string data_file(const DataPaths& paths, const std::string& file_name);

// The full name of the settings file.
std::string settings_file(const DataPaths& paths);

// Creates the settings file's folder, private to the user, when it is missing.
// False when it cannot be made; the settings then live for this run only.
bool make_settings_folder(const DataPaths& paths);

}  // namespace zarvo
