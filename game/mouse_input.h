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
void show_guidance(App& app, int fx, int fy, int colour, int piece);

}  // namespace zarvo
