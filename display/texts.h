// Printing on the board window: texts with drop shadows, labels, the counter.
#pragma once

#include <string>
#include <string_view>

namespace zarvo {

struct App;

// Mode 0 prints the value as it is (a number with a blank before and after it),
// mode 1 the kanji numeral and mode 2 the file letter of 1..8.
void print_at(App& app, double 入力X, double 入力Y, int 数値, int 色, int モード, double フォントサイズ);
void print_at(App& app, double 入力X, double 入力Y, std::string_view 数値, int 色, int モード, double フォントサイズ);
void print_text_at(App& app, double 入力X, double 入力Y, std::string_view 駒文字, int 色, double 文字サイズ);

// How print_at shows a number in mode 0: " 5 ", "-5 ".
std::string number_text(int value);

std::string piece_name(int IN_文字列);
std::string square_name(int IN_文字列);

// The file (1 = ａ) and rank (1 = １) that column x and row y are labelled with
// for the side shown below, and a square's whole name, e.g. "ｅ４". Names
// follow the board as it is seen; record files keep their (x, y) squares.
int file_number(const App& app, int x);
int rank_number(const App& app, int y);
std::string square_label(const App& app, int x, int y);

void draw_coordinates(App& app);
void show_move_number(App& app, int 数値, int 色);

// Captions chosen by number at a board-relative position: the handicap grades
// -7..7 and 99 for the unit "手目".
void print_label(App& app, double 入力X, double 入力Y, int 数値, int 色, double サイズ);
std::string label_text(int 数値);
void show_level(App& app, int IN_LEVEL);
void show_handicap_grade(App& app, int IN_ハンデレベル);

}  // namespace zarvo
