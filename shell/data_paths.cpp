#include "shell/data_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zarvo {
namespace {

namespace fs = std::filesystem;

// Set by the build to match the install layout (bin/ → share/zarvo-chess/).
#ifndef ZARVO_DATA_FROM_BINDIR
#define ZARVO_DATA_FROM_BINDIR "../share/zarvo-chess"
#endif

constexpr const char* SETTINGS_NAME = "Zarvoチェス.ini";
// The one data file every copy of the game ships: its presence marks a data folder.
constexpr const char* HELP_PAGE = "Zarvoチェス.htm";

bool is_file(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

bool is_folder(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

std::string getenv_string(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// The settings folder, or nothing when there is no home to put it in.
fs::path config_folder(const Environment& env) {
  // Relative values are invalid and ignored, so the folder never depends on
  // where the game happens to be started.
  const fs::path xdg(env.xdg_config_home);
  if (!env.xdg_config_home.empty() && xdg.is_absolute()) return xdg / "zarvo-chess";
  const fs::path home(env.home);
  if (!env.home.empty() && home.is_absolute()) return home / ".config" / "zarvo-chess";
  return {};
}

}  // namespace

Environment current_environment() {
  Environment env{getenv_string("XDG_CONFIG_HOME"), getenv_string("HOME")};
  if (env.home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) env.home = pw->pw_dir;
  }
  return env;
}

DataPaths locate_data_paths(const std::string& program_dir, const Environment& env) {
  const fs::path program(program_dir);
  DataPaths paths;
  const bool data_beside_program = is_file(program / HELP_PAGE);
  const fs::path installed = (program / ZARVO_DATA_FROM_BINDIR).lexically_normal();
  if (data_beside_program || !is_folder(installed)) {
    // A folder without any data still beats the current directory: the
    // program then plays silently instead of picking up stray files.
    paths.data_dir = program.string();
  } else {
    paths.data_dir = installed.string();
  }

  const bool writable = ::access(program.c_str(), W_OK) == 0;
  const fs::path config = config_folder(env);
  if (data_beside_program && writable) {
    paths.settings_file = (program / SETTINGS_NAME).string();
  } else if (!config.empty()) {
    paths.settings_file = (config / SETTINGS_NAME).string();
  }
  // With no home at all the current directory serves, as it always did.
  return paths;
}

std::string data_file(const DataPaths& paths, const std::string& file_name) {
  if (paths.data_dir.empty()) return file_name;
  return (fs::path(paths.data_dir) / file_name).string();
}

std::string settings_file(const DataPaths& paths) {
  return paths.settings_file.empty() ? std::string(SETTINGS_NAME) : paths.settings_file;
}

bool make_settings_folder(const DataPaths& paths) {
  if (paths.settings_file.empty()) return true;
  const fs::path folder = fs::path(paths.settings_file).parent_path();
  if (folder.empty() || is_folder(folder)) return true;
  // Each missing level is made 0700 (a missing ~/.config included): others
  // have no business in a user's configuration.
  fs::path built;
  for (const fs::path& part : folder) {
    built /= part;
    if (is_folder(built)) continue;
    if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return is_folder(folder);
}

}  // namespace zarvo
