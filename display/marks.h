// Coloured square frames, blinking and move captions.
#pragma once

namespace zarvo {

struct App;

// The anchors of the move captions beside the board.
constexpr int UPPER_CAPTION_X = -1;
constexpr int UPPER_CAPTION_Y = 2;
constexpr int LOWER_CAPTION_X = 10;
constexpr int LOWER_CAPTION_Y = 7;

void mark_square(App& app, int colour, int x, int y);
void clear_marks(App& app);
void blink_square(App& app, int k, int x, int y, int count);
// Covers the two by two squares of a caption with the background.
void clear_caption_area(App& app, int X, int Y);
// Repaints the board squares that the upper caption's tiles overlap.
void redraw_squares_under_upper_caption(App& app);
void show_move_caption(App& app, int X, int Y, int tx, int ty, int k, int col);
// Prints the captions shown again, without the pause: after the background
// or the names of the squares changed.
void reprint_move_captions(App& app);

}  // namespace zarvo
