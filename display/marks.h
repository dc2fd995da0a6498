// Coloured square frames, blinking and move captions.
#pragma once

namespace zarvo {

struct App;

// The anchors of the move captions beside the board.
constexpr int UPPER_CAPTION_X = -1;
constexpr int UPPER_CAPTION_Y = 2;
constexpr int LOWER_CAPTION_X = 10;
constexpr int LOWER_CAPTION_Y = 7;

void mark_square(App& app, int 描画色, int 座標X, int 座標Y);
void clear_marks(App& app);
void blink_square(App& app, int 入力_駒, int 入力_X, int 入力_Y, int 入力_点滅回数);
void show_move_caption(App& app, int WK_X, int WK_Y, int 移動先X, int 移動先Y, int 移動駒, int 駒色);

}  // namespace zarvo
