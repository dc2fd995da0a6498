// How the window's twips meet the screen's pixels when the window is resized:
// one factor for both directions, so the picture keeps its shape.
#pragma once

#include <algorithm>
#include <cmath>

#include "display/display_state.h"

namespace zarvo {

struct BoardScale {
  double scale = 1.0;  // logical pixels per 15 twips: 1 at the window's start size
  double dpr = 1.0;    // device pixels per logical pixel of the screen

  double device_per_twip() const { return scale * dpr / TWIPS_PER_PIXEL; }
  // The device pixel a twip position falls in. Rounding the ends of every
  // rectangle through this one function keeps neighbours gap-free.
  int to_device(double twips) const { return static_cast<int>(std::floor(twips * device_per_twip() + 0.5)); }
  // A logical pixel position (a mouse position) back to twips.
  double to_twips(double logical) const { return logical * TWIPS_PER_PIXEL / scale; }
  // Frames grow with the board so that they stay as visible as at the start size.
  int line_width() const { return std::max(1, static_cast<int>(std::lround(scale * dpr))); }

  friend bool operator==(const BoardScale&, const BoardScale&) = default;
};

// The smallest and largest board scale a window may take.
constexpr double MIN_BOARD_SCALE = 0.5;
constexpr double MAX_BOARD_SCALE = 6.0;

// The largest scale at which an area laid out for base_w x base_h fits into
// area_w x area_h with its shape kept; the rest of the area is margin.
inline double fit_scale(double area_w, double area_h, double base_w, double base_h) {
  if (!(base_w > 0) || !(base_h > 0) || !(area_w > 0) || !(area_h > 0)) return 1.0;
  const double s = std::min(area_w / base_w, area_h / base_h);
  return std::clamp(s, MIN_BOARD_SCALE, MAX_BOARD_SCALE);
}

}  // namespace zarvo
