// The main window's size as the settings file remembers it between runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarvo {

// The window's size in twips (15 twips a pixel), menu bar included; the frame
// is left out, since the window manager adds it only once the window is shown.
struct WindowSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// The key of the settings line "ウィンドウサイズ=WIDTH,HEIGHT".
inline constexpr std::string_view WINDOW_SIZE_KEY = "ウィンドウサイズ";

// "9700,8000" to a size; anything else (signs, blanks, zero, absurd sizes) is no size.
std::optional<WindowSize> parse_window_size(std::string_view value);
// The value part of the settings line.
std::string window_size_value(WindowSize size);
// A remembered size that no longer fits the screen (a smaller monitor) is cut to it.
WindowSize clamp_window_size(WindowSize wanted, WindowSize screen);

}  // namespace zarvo
