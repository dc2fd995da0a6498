// The human's move: two clicks on the board, hints while no game runs.
#pragma once

namespace zarvo {

struct App;

constexpr int MOUSE_LEFT = 1;
constexpr int MOUSE_RIGHT = 2;

// X and Y in twips of the window's client area; shift is not used.
void Form_MouseDown(App& app, int button, int shift, double X, double Y);

}  // namespace zarvo
