#include "shell/window_size.h"

#include <algorithm>
#include <charconv>

namespace zarvo {
namespace {

// Far beyond any screen; a larger number is a damaged line, not a size.
constexpr int LARGEST_TWIPS = 1'000'000;

std::optional<int> parse_twips(std::string_view digits) {
  if (digits.empty() || digits.size() > 7) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (value <= 0 || value > LARGEST_TWIPS) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowSize> parse_window_size(std::string_view value) {
  const size_t comma = value.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<int> w = parse_twips(value.substr(0, comma));
  const std::optional<int> h = parse_twips(value.substr(comma + 1));
  if (!w || !h) return std::nullopt;
  return WindowSize{*w, *h};
}

std::string window_size_value(WindowSize size) {
  return std::to_string(size.width) + "," + std::to_string(size.height);
}

WindowSize clamp_window_size(WindowSize wanted, WindowSize screen) {
  WindowSize s = wanted;
  if (screen.width > 0) s.width = std::min(s.width, screen.width);
  if (screen.height > 0) s.height = std::min(s.height, screen.height);
  return s;
}

}  // namespace zarvo
