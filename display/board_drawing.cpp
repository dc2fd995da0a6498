#include "display/board_drawing.h"

#include "display/marks.h"
#include "display/picture_names.h"
#include "display/texts.h"
#include "shell/app.h"

namespace zarvo {

Rgb qb_color(int index) {
  static constexpr Rgb palette[16] = {{0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
                                      {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
                                      {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                      {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
  return index >= 0 && index < 16 ? palette[index] : Rgb{0, 0, 0};
}

void fill_square_shade(DisplayState& display) { display.square_shade = square_shades(); }

int picture_id(int code, int shade) {
  if (code > 0) return 10 * code + shade;
  if (code < 0) return 10 * code - shade;
  return 0;
}

std::string piece_picture_name(int id) {
  const int magnitude = id < 0 ? -id : id;
  const int kind = magnitude / 10;
  const int shade = magnitude % 10;
  if (kind < 1 || kind > 6 || shade > 1) return {};
  return std::string(id > 0 ? "B_" : "W_") + PIECE_KIND_NAMES[kind] + (shade == 0 ? "_1" : "_2");
}

std::string tile_picture_name(int kind) {
  static const char* const names[8] = {"KARA_MASU1",    "KARA_MASU2",  "ZARVOCHESS",  "HAIKEI_MIDORI",
                                       "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"};
  return kind >= 0 && kind < 8 ? names[kind] : std::string();
}

void draw_piece_picture(App& app, int id, double X, double Y) {
  // With the colours swapped every army is painted with the other army's pictures.
  if (app.game.colors_swapped == 1) {
    id = -id;
  } else if (app.game.colors_swapped != 0) {
    return;
  }
  const std::string name = piece_picture_name(id);
  if (!name.empty()) app.platform.canvas->paint_picture(name, grid_left(X), grid_top(Y));
}

void draw_tile(App& app, int kind, double X, double Y) {
  const std::string name = tile_picture_name(kind);
  if (!name.empty()) app.platform.canvas->paint_picture(name, grid_left(X), grid_top(Y));
}

void draw_square(App& app, int k, int x, int y) {
  if (x < 0 || x > BOARD_SIZE || y < 0 || y > BOARD_SIZE) return;
  const int s = app.display.square_shade[x][y];
  if (k == EMPTY) {
    draw_tile(app, s, x, y);
  } else if (is_piece_code(k)) {
    draw_piece_picture(app, picture_id(k, s), x, y);
  }
  mark_square(app, grid_colour, x, y);
}

void draw_changed_squares(App& app, const MoveChanges& changes) {
  for (int i = 0; i < changes.count; ++i) {
    const MoveChanges::Square s = changes.squares[i];
    draw_square(app, app.pos.board[s.x][s.y], s.x, s.y);
  }
}

void draw_board(App& app) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) draw_square(app, app.pos.board[x][y], x, y);
}

void tile_background(App& app, int kind) {
  for (int X = -3; X <= 20; ++X) {
    for (int Y = -2; Y <= 15; ++Y) {
      if (X < 1 || X > BOARD_SIZE || Y < 1 || Y > BOARD_SIZE) draw_tile(app, kind, X, Y);
    }
  }
}

void redraw_all(App& app) {
  const int bg = app.options.current_background;
  tile_background(app, bg);
  clear_caption_area(app, UPPER_CAPTION_X, UPPER_CAPTION_Y);
  draw_coordinates(app);
  draw_board(app);
  if (app.game.game_kind == KIND_VS_COMPUTER) show_level(app, app.com.level);
  draw_tile(app, TILE_LOGO, 10.1, 0.5);
}

void prepare_game_screen(App& app) {
  draw_coordinates(app);
  const int bg = app.options.current_background;
  draw_tile(app, bg, -1, 9);
  draw_tile(app, bg, 0, 9);
  for (int X = 1; X <= BOARD_SIZE; ++X) {
    draw_tile(app, bg, X, 9);
    mark_square(app, grid_colour, X, 8);
  }
}

}  // namespace zarvo
