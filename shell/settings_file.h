// The text of the settings file "Zarvoチェス.ini", apart from the file itself:
// what a file image says, and the image of a set of options.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/translation.h"
#include "shell/window_size.h"

namespace zarvo {

// A settings file is three short lines; anything much bigger is something else.
constexpr size_t SETTINGS_FILE_MAX_BYTES = 4096;

inline constexpr std::string_view DRAW_RULES_KEY = "引き分け規則";
inline constexpr std::string_view ENGINE_KEY = "エンジン";

struct BackgroundItem {
  const char* item;   // the menu item
  const char* value;  // its value in the file
  int kind;           // tile kind
};
// In the order the save routine looks for the checked item.
extern const BackgroundItem BACKGROUNDS[5];
const BackgroundItem* background_of_kind(int kind);

// What a settings file says; an option it has no readable line for is empty.
struct SettingsFile {
  std::optional<int> background;
  std::optional<bool> guidance;
  std::optional<bool> music;
  std::optional<WindowSize> window = std::nullopt;
  std::optional<bool> draw_rules = std::nullopt;     // "引き分け規則=ON"
  std::optional<std::string> engine = std::nullopt;  // "エンジン=PATH"
  std::optional<Language> language = std::nullopt;
  // Lines the program has no key for ("; note"), as they stand in the file,
  // without their line ends; written back after the program's own lines.
  std::vector<std::string> other_lines = {};
  bool operator==(const SettingsFile&) const = default;
};

// Reads a file image (Shift-JIS, any line ends). Lines without "=", with
// another key or with a background the program does not know say nothing; the
// last readable line of an option counts. Guidance and music are on only for
// exactly "ON". Lines without "=" or with another key are kept in other_lines.
SettingsFile parse_settings_file(std::string_view bytes);

// The image the program writes: background (when known), guidance, music,
// the window size, the language, the draw rules and the engine once the player
// has chosen them, then the other lines as far as the image stays readable;
// Shift-JIS with CR LF.
std::string write_settings_file(const SettingsFile& settings);

}  // namespace zarvo
