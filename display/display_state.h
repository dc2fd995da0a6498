// Drawing constants: the grid in twips, palette indices and the square shades.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/game_state.h"

namespace zarvo {

constexpr int GRID_LEFT = 1000;
constexpr int GRID_TOP = 70;
constexpr int SQUARE_W = 660;
constexpr int SQUARE_H = 670;

// Client area of the main window, in twips; 15 twips make a pixel.
constexpr int CLIENT_W = 11265;
constexpr int CLIENT_H = 8820;
constexpr int TWIPS_PER_PIXEL = 15;

// Indices of the 16-colour palette.
constexpr int QB_BLACK = 0;
constexpr int QB_GREEN = 2;
constexpr int QB_LIGHT_RED = 12;
constexpr int QB_YELLOW = 14;
constexpr int QB_BRIGHT_WHITE = 15;

constexpr int grid_colour = QB_GREEN;
constexpr int erase_colour = QB_GREEN;
constexpr int select_colour = QB_LIGHT_RED;

// Tile kinds of draw_tile.
constexpr int TILE_KARA_MASU1 = 0;
constexpr int TILE_KARA_MASU2 = 1;
constexpr int TILE_LOGO = 2;
constexpr int TILE_MIDORI = 3;
constexpr int TILE_TATAMI = 4;
constexpr int TILE_TAKE = 5;
constexpr int TILE_UCHU = 6;
constexpr int TILE_RENGA = 7;

struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The standard 16-colour palette; indices outside 0..15 give black.
Rgb qb_color(int index);

// 1 where x and y are both odd or both even.
constexpr SquareMap<int> square_shades() {
  SquareMap<int> shade{};
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) shade[x][y] = (x % 2) == (y % 2) ? 1 : 0;
  return shade;
}

// The texts beside the board that say where the game stands: what a redraw of
// the whole window paints again, and what a change of square names rewrites.
struct ShownTexts {
  struct Caption {
    int tx = 0, ty = 0, piece = 0, colour = 0;
  };
  std::optional<Caption> upper_caption, lower_caption;
  std::optional<int> move_number;
  std::optional<int> handicap_grade;
  // The title and players of a record read, at window points in twips.
  struct Header {
    std::string text;
    double left = 0, top = 0, size = 0;
  };
  std::vector<Header> headers;
};

struct DisplayState {
  SquareMap<int> square_shade = square_shades();
  ShownTexts shown;
};

// Fills square_shade.
void fill_square_shade(DisplayState& display);

// Grid position (real-valued square units) to window twips.
constexpr double grid_left(double X) { return GRID_LEFT + SQUARE_W * X; }
constexpr double grid_top(double Y) { return GRID_TOP + SQUARE_H * Y; }

}  // namespace zarvo
