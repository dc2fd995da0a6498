// The human's move: two clicks on the board, hints while no game runs.
#pragma once

namespace zarvo {

struct App;

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;
constexpr int MOUSE_MIDDLE = 4;

// X and Y in twips of the window's client area; shift is not used.
void Form_MouseDown(App& app, int button, int shift, double X, double Y);

// Clears every frame, then (with guidance on) frames each square the piece on
// the origin may move to by its movement rules.
void show_guidance(App& app, int 移動元X, int 移動元Y, int 描画色, int 移動駒);

}  // namespace zarvo
