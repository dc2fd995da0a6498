#include "display/texts.h"

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"

namespace zarvo {
namespace {

const char* const kanji_numerals[9] = {"", "一", "二", "三", "四", "五", "六", "七", "八"};
const char* const file_letters[9] = {"", "ａ", "ｂ", "ｃ", "ｄ", "ｅ", "ｆ", "ｇ", "ｈ"};
const char* const row_digits[9] = {"", "１", "２", "３", "４", "５", "６", "７", "８"};

// Size, then colour, then position: the order the window's text state is set in.
void set_text_state(App& app, double X, double Y, int colour, double size) {
  Canvas& c = *app.platform.canvas;
  c.set_font_size(size);
  c.set_fore_colour(colour);
  c.set_text_position(grid_left(X), grid_top(Y));
}

}  // namespace

std::string number_text(int value) {
  return (value < 0 ? std::string("-") : std::string(" ")) +
         std::to_string(value < 0 ? -static_cast<long>(value) : value) + " ";
}

void print_at(App& app, double X, double Y, int value, int colour, int mode, double size) {
  set_text_state(app, X, Y, colour, size);
  const bool numeral = value >= 1 && value <= 8;
  switch (mode) {
    case 0: app.platform.canvas->print(number_text(value)); break;
    case 1:
      if (numeral) app.platform.canvas->print(kanji_numerals[value]);
      break;
    case 2:
      if (numeral) app.platform.canvas->print(file_letters[value]);
      break;
    default: break;
  }
}

void print_at(App& app, double X, double Y, std::string_view text, int colour, int mode, double size) {
  set_text_state(app, X, Y, colour, size);
  if (mode == 0) app.platform.canvas->print(text);
}

void print_text_at(App& app, double X, double Y, std::string_view text, int colour, double size) {
  set_text_state(app, X, Y, colour, size);
  app.platform.canvas->print(text);
}

void print_shadowed(App& app, double X, double Y, std::string_view text, int colour, double size) {
  print_text_at(app, X + SHADOW_OFFSET, Y + SHADOW_OFFSET, text, QB_BLACK, size);
  print_text_at(app, X, Y, text, colour, size);
}

std::string piece_name(int code) {
  static const char* const names[7] = {"", "ポーン", "ナイト", "ビショップ", "ルーク", "クィーン", "キング"};
  const int k = code < 0 ? -code : code;
  return k >= 1 && k <= 6 ? names[k] : "";
}

std::string square_name(int n) {
  if (n >= 1 && n <= 8) return file_letters[n];
  if (n >= 1001 && n <= 1008) return row_digits[n - 1000];
  return {};
}

// Seen from Black's side (the lower army drawn black) the files run ｈ..ａ from
// left to right and the ranks 1..8 from top to bottom.
int file_number(const App& app, int x) { return app.game.colors_swapped == 1 ? 9 - x : x; }
int rank_number(const App& app, int y) { return app.game.colors_swapped == 1 ? y : 9 - y; }

std::string square_label(const App& app, int x, int y) {
  return square_name(file_number(app, x)) + square_name(1000 + rank_number(app, y));
}

void draw_coordinates(App& app) {
  app.platform.canvas->set_font_bold(true);
  const int bg = app.options.current_background;
  for (int X = 1; X <= BOARD_SIZE; ++X) {
    draw_tile(app, bg, X, 0);
    print_shadowed(app, X + 0.3, 0.4, square_name(file_number(app, X)), QB_YELLOW, 16);
    draw_square(app, app.pos.board[X][1], X, 1);
    draw_tile(app, bg, 9, X);
    print_shadowed(app, 9.1, X + 0.3, number_text(rank_number(app, X)), QB_YELLOW, 16);
    mark_square(app, grid_colour, 8, X);
  }
}

// Callers pass black; the counter is always drawn white over black.
void show_move_number(App& app, int n, int /*colour*/) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, 10, 4);
  draw_tile(app, bg, 11, 4);
  draw_square(app, app.pos.board[8][4], 8, 4);
  // Wider numbers start further left so that the last digit stays in place.
  const double x = n < 10 ? 10.3 : n < 100 ? 10.2 : 10.1;
  print_shadowed(app, x - 0.1, 4.3, number_text(n), QB_BRIGHT_WHITE, 12);
  print_label_shadowed(app, 10.8, 4.1, LABEL_MOVES, QB_BRIGHT_WHITE, 10);
}

std::string label_text(int n) {
  static const char* const grades[15] = {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段",
                                         "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級",
                                         "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
                                         "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"};
  if (n >= -7 && n <= 7) return grades[n + 7];
  if (n == LABEL_MOVES) return "手目";
  return {};
}

void print_label(App& app, double X, double Y, int n, int colour, double size) {
  Canvas& c = *app.platform.canvas;
  c.set_font_size(size);
  c.set_fore_colour(colour);
  c.set_text_position(X * SQUARE_W + GRID_LEFT + 120, Y * SQUARE_H + GRID_TOP + 160);
  const std::string text = label_text(n);
  if (!text.empty()) c.print(text);
}

void print_label_shadowed(App& app, double X, double Y, int n, int colour, double size) {
  print_label(app, X + SHADOW_OFFSET, Y + SHADOW_OFFSET, n, QB_BLACK, size);
  print_label(app, X, Y, n, colour, size);
}

void show_level(App& app, int n) {
  print_shadowed(app, -0.7, 0.6, "LEVEL", QB_BRIGHT_WHITE, 10);
  print_shadowed(app, 0.3, 0.5, number_text(n), QB_BRIGHT_WHITE, 12);
}

void show_handicap_grade(App& app, int g) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, 11, 2);
  draw_tile(app, bg, 12, 2);
  print_label_shadowed(app, 10, 2, g, QB_BRIGHT_WHITE, 10);
}

}  // namespace zarvo
