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

void show_move_caption(App& app, int X, int Y, int tx, int ty, int k, int col) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, X, Y);
  draw_tile(app, bg, X + 1, Y);
  draw_tile(app, bg, X, Y + 1);
  draw_tile(app, bg, X + 1, Y + 1);
  // The tiles of column 0 overlap the board's first column.
  draw_square(app, app.game.board[1][2], 1, 2);
  draw_square(app, app.game.board[1][3], 1, 3);
  const std::string file = square_name(file_number(app, tx));
  print_text_at(app, X + 0.6, Y + 0.7, file, QB_BLACK, 14);
  print_text_at(app, X + 0.5, Y + 0.6, file, col, 14);
  const std::string row = square_name(1000 + rank_number(app, ty));
  print_text_at(app, X + 0.9, Y + 0.8, row, QB_BLACK, 12);
  print_text_at(app, X + 0.8, Y + 0.7, row, col, 12);
  const std::string name = piece_name(k);
  print_text_at(app, X + 0.4, Y + 1.2, name, QB_BLACK, 12);
  print_text_at(app, X + 0.3, Y + 1.1, name, col, 12);
  app.platform.canvas->refresh();
  wait_seconds(app, 0.3);
}

}  // namespace zarvo
