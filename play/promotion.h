// The promotion chooser windows Form2 (black pictures) and Form3 (white pictures).
#pragma once

namespace zarvo {

struct App;

// Shows the computer's promotion piece in the chooser of the colour the upper
// army is drawn in and presses its button.
void choose_promotion(App& app, int IN_成駒);

}  // namespace zarvo
