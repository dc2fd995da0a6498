// User options kept in the settings file, and the loaded sounds.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/translation.h"
#include "shell/window_size.h"

namespace zarvo {

struct Options {
  int current_background = 0;                // tile kind 3..7 once the settings are read
  int guidance_colour = 15;                  // white while guidance is on, the grid green while off
  std::optional<WindowSize> window_size;     // the size the player gave the window; none: the start size
  bool settings_save_failure_shown = false;  // the player is told once per run
  std::optional<Language> language;          // chosen in the menu or read from the file; none: the system's
  Language shown_language = Language::Japanese;
};

struct Sounds {
  int32_t sound_device = 0;
  int32_t sound_other = 0;
  int32_t sound_forbidden = 0;
  int32_t sound_piece = 0;
  int32_t sound_music = 0;
};

}  // namespace zarvo
