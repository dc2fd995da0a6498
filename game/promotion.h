// The promotion choice: the buttons of the chooser windows and the computer's choice.
#pragma once

#include "shell/promotion_windows.h"

namespace zarvo {

struct App;

// Left edge of a selected picture, and its top for each piece kind 1..5.
constexpr int SELECTED_LEFT = 600;
int selected_picture_top(int kind);

// The event of a piece button (kind 1..5 = pawn..queen) of a chooser window.
void promotion_button_click(App& app, int form, int kind);
// The event of the king button: the choice is made at once, without the animation.
void promotion_king_click(App& app, int form);

// Shows the computer's promotion piece in the chooser of the colour the upper
// army is drawn in and presses its button.
void choose_promotion(App& app, int piece);

}  // namespace zarvo
