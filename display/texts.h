// Printing on the board window: texts with drop shadows, labels, the counter.
#pragma once

#include <string>
#include <string_view>

#include "display/display_state.h"

namespace zarvo {

struct App;

// Mode 0 prints the value as it is (a number with a blank before and after it),
// mode 1 the kanji numeral and mode 2 the file letter of 1..8.
void print_at(App& app, double X, double Y, int value, int colour, int mode, double size);
void print_at(App& app, double X, double Y, std::string_view value, int colour, int mode, double size);
void print_text_at(App& app, double X, double Y, std::string_view text, int colour, double size);

// Text in a colour over a drop shadow one pixel (at the start size) down and
// right, in the colour the background needs for it to stand out (below); the
// shadow is black under a light text and white under a dark one.
constexpr double SHADOW_TWIPS = TWIPS_PER_PIXEL;
void print_shadowed(App& app, double X, double Y, std::string_view text, int colour, double size);

// The colour a text asked for in `colour` is printed in on the current
// background: that colour where it stands out from the tile's average by a
// contrast ratio of at least 4.5:1, otherwise black or white, whichever stands
// out more.
int readable_colour(const App& app, int colour);
// The contrast ratio of two colours (1 to 21), as for text on a web page.
double contrast_ratio(Rgb a, Rgb b);

// How print_at shows a number in mode 0: " 5 ", "-5 ".
std::string number_text(int value);

std::string piece_name(int code);
std::string square_name(int n);

// The file (1 = ａ) and rank (1 = １) that column x and row y are labelled with
// for the side shown below, and a square's whole name, e.g. "ｅ４". Names
// follow the board as it is seen; record files keep their (x, y) squares.
int file_number(const App& app, int x);
int rank_number(const App& app, int y);
std::string square_label(const App& app, int x, int y);

void draw_coordinates(App& app);
void show_move_number(App& app, int n, int colour);
// A header of a record read (its title, a player) at a window point in twips,
// in black or what the background needs; an empty text prints nothing.
void print_record_header(App& app, const std::string& text, double left, double top, double size);

// Captions chosen by number at a board-relative position: the handicap grades
// -7..7 and 99 for the unit "手目".
void print_label(App& app, double X, double Y, int n, int colour, double size);
std::string label_text(int n);
// The label number of the unit "手目".
constexpr int LABEL_MOVES = 99;
void print_label_shadowed(App& app, double X, double Y, int n, int colour, double size);
void show_level(App& app, int IN_LEVEL);
void show_handicap_grade(App& app, int g);

}  // namespace zarvo
