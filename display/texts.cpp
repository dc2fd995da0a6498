#include "display/texts.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"

namespace zarvo {
namespace {

const char* const kanji_numerals[9] = {"", "一", "二", "三", "四", "五", "六", "七", "八"};
const char* const file_letters[9] = {"",
                                     QT_TRANSLATE_NOOP("Board", "ａ"),
                                     QT_TRANSLATE_NOOP("Board", "ｂ"),
                                     QT_TRANSLATE_NOOP("Board", "ｃ"),
                                     QT_TRANSLATE_NOOP("Board", "ｄ"),
                                     QT_TRANSLATE_NOOP("Board", "ｅ"),
                                     QT_TRANSLATE_NOOP("Board", "ｆ"),
                                     QT_TRANSLATE_NOOP("Board", "ｇ"),
                                     QT_TRANSLATE_NOOP("Board", "ｈ")};
const char* const row_digits[9] = {"",
                                   QT_TRANSLATE_NOOP("Board", "１"),
                                   QT_TRANSLATE_NOOP("Board", "２"),
                                   QT_TRANSLATE_NOOP("Board", "３"),
                                   QT_TRANSLATE_NOOP("Board", "４"),
                                   QT_TRANSLATE_NOOP("Board", "５"),
                                   QT_TRANSLATE_NOOP("Board", "６"),
                                   QT_TRANSLATE_NOOP("Board", "７"),
                                   QT_TRANSLATE_NOOP("Board", "８")};

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

namespace {

double relative_luminance(Rgb c) {
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

}  // namespace

double contrast_ratio(Rgb a, Rgb b) {
  const double la = relative_luminance(a), lb = relative_luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// The average colour of each background tile as it is drawn: 畳 and 竹 are
// light, 緑, 宇宙 and 煉瓦 dark.
std::optional<Rgb> tile_average(int kind) {
  switch (kind) {
    case TILE_MIDORI: return Rgb{49, 111, 64};
    case TILE_TATAMI: return Rgb{181, 181, 109};
    case TILE_TAKE: return Rgb{108, 143, 63};
    case TILE_UCHU: return Rgb{11, 13, 29};
    case TILE_RENGA: return Rgb{160, 83, 67};
    default: return std::nullopt;
  }
}

// Black under a light text, white under a dark one.
int shadow_colour(int shown) { return relative_luminance(qb_color(shown)) > 0.5 ? QB_BLACK : QB_BRIGHT_WHITE; }

}  // namespace

int readable_colour(const App& app, int colour) {
  constexpr double ENOUGH = 4.5;
  const std::optional<Rgb> ground = tile_average(app.options.current_background);
  if (!ground || contrast_ratio(qb_color(colour), *ground) >= ENOUGH) return colour;
  return contrast_ratio(qb_color(QB_BLACK), *ground) >= contrast_ratio(qb_color(QB_BRIGHT_WHITE), *ground)
             ? QB_BLACK
             : QB_BRIGHT_WHITE;
}

void print_shadowed(App& app, double X, double Y, std::string_view text, int colour, double size) {
  const int shown = readable_colour(app, colour);
  const int shadow = shadow_colour(shown);
  print_text_at(app, X + SHADOW_TWIPS / SQUARE_W, Y + SHADOW_TWIPS / SQUARE_H, text, shadow, size);
  print_text_at(app, X, Y, text, shown, size);
}

std::string piece_name(int code) {
  static const char* const names[7] = {"",
                                       QT_TRANSLATE_NOOP("Board", "ポーン"),
                                       QT_TRANSLATE_NOOP("Board", "ナイト"),
                                       QT_TRANSLATE_NOOP("Board", "ビショップ"),
                                       QT_TRANSLATE_NOOP("Board", "ルーク"),
                                       QT_TRANSLATE_NOOP("Board", "クィーン"),
                                       QT_TRANSLATE_NOOP("Board", "キング")};
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
  // A language that puts the number after its word gets the counter as one text.
  if (const std::string counter = translate("Board", "%1 手目"); counter != "%1 手目") {
    print_shadowed(app, 10.1, 4.3, fill(counter, {std::to_string(n)}), QB_BRIGHT_WHITE, 10);
    return;
  }
  print_shadowed(app, x - 0.1, 4.3, number_text(n), QB_BRIGHT_WHITE, 12);
  print_label_shadowed(app, 10.8, 4.1, LABEL_MOVES, QB_BRIGHT_WHITE, 10);
  app.display.shown.move_number = n;
}

void print_record_header(App& app, const std::string& text, double left, double top, double size) {
  if (text.empty()) return;
  Canvas& c = *app.platform.canvas;
  c.set_font_size(size);
  c.set_fore_colour(readable_colour(app, QB_BLACK));
  c.set_text_position(left, top);
  c.print(text);
  app.display.shown.headers.push_back({text, left, top, size});
}

std::string label_text(int n) {
  static const char* const grades[15] = {
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"), QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"),
      QT_TRANSLATE_NOOP("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級")};
  if (n >= -7 && n <= 7) return grades[n + 7];
  if (n == LABEL_MOVES) return QT_TRANSLATE_NOOP("Board", "手目");
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
  const int shown = readable_colour(app, colour);
  const int shadow = shadow_colour(shown);
  print_label(app, X + SHADOW_TWIPS / SQUARE_W, Y + SHADOW_TWIPS / SQUARE_H, n, shadow, size);
  print_label(app, X, Y, n, shown, size);
}

void show_level(App& app, int n) {
  print_shadowed(app, -0.7, 0.6, QT_TRANSLATE_NOOP("Board", "LEVEL"), QB_BRIGHT_WHITE, 10);
  print_shadowed(app, 0.3, 0.5, number_text(n), QB_BRIGHT_WHITE, 12);
}

void show_handicap_grade(App& app, int g) {
  const int bg = app.options.current_background;
  draw_tile(app, bg, 11, 2);
  draw_tile(app, bg, 12, 2);
  print_label_shadowed(app, 10, 2, g, QB_BRIGHT_WHITE, 10);
  app.display.shown.handicap_grade = g;
}

}  // namespace zarvo
