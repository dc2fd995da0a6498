// The board, its pictures and the tiled background, painted on the persistent
// canvas of the main window.
#pragma once

#include <string>

#include "rules/position.h"

namespace zarvo {

struct App;

// Picture id of a piece code on a square of the given shade (0 or 1); 0 for no piece.
int picture_id(int code, int shade);
// Resource name of a piece picture id ("B_PORN_1" ...); empty for an unknown id.
std::string piece_picture_name(int id);
// Resource name of a tile kind 0..7; empty for an unknown kind.
std::string tile_picture_name(int kind);

// Paints one square with its piece and its green outline.
void draw_square(App& app, int k, int x, int y);
// Paints the squares a move changed with what stands on them now, in order.
void draw_changed_squares(App& app, const MoveChanges& changes);
void draw_piece_picture(App& app, int id, double X, double Y);
void draw_tile(App& app, int kind, double X, double Y);
void draw_board(App& app);
// Covers every grid cell outside the board with one picture.
void tile_background(App& app, int kind);
void redraw_all(App& app);
void prepare_game_screen(App& app);

}  // namespace zarvo
