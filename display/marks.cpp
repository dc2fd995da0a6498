#include "display/marks.h"

#include "display/board_drawing.h"
#include "display/texts.h"
#include "shell/app.h"
#include "shell/waits.h"

namespace zarvo {

void mark_square(App& app, int colour, int x, int y) {
  app.platform.canvas->draw_box(grid_left(x), grid_top(y), grid_left(x + 1), grid_top(y + 1), colour);
}

void clear_marks(App& app) {
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) mark_square(app, erase_colour, x, y);
}

void blink_square(App& app, int k, int x, int y, int count) {
  for (int i = 0; i < count; ++i) {
    draw_square(app, EMPTY, x, y);
    mark_square(app, grid_colour, x, y);
    app.platform.canvas->refresh();
    wait_seconds(app, 0.2);
    draw_square(app, k, x, y);
    mark_square(app, grid_colour, x, y);
    app.platform.canvas->refresh();
    wait_seconds(app, 0.2);
  }
}

void clear_caption_area(App& app, int X, int Y) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, X, Y);
  draw_tile(app, bg, X + 1, Y);
  draw_tile(app, bg, X, Y + 1);
  draw_tile(app, bg, X + 1, Y + 1);
}

// The tiles of column 0 overlap the board's first column.
void redraw_squares_under_upper_caption(App& app) {
  draw_square(app, app.pos.board[1][2], 1, 2);
  draw_square(app, app.pos.board[1][3], 1, 3);
}

void show_move_caption(App& app, int X, int Y, int tx, int ty, int k, int col) {
  clear_caption_area(app, X, Y);
  redraw_squares_under_upper_caption(app);
  print_shadowed(app, X + 0.5, Y + 0.6, square_name(file_number(app, tx)), col, 14);
  print_shadowed(app, X + 0.8, Y + 0.7, square_name(1000 + rank_number(app, ty)), col, 12);
  print_shadowed(app, X + 0.3, Y + 1.1, piece_name(k), col, 12);
  app.platform.canvas->refresh();
  wait_seconds(app, 0.3);
}

}  // namespace zarvo
