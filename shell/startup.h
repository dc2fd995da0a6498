// The life of the main window: start-up, the ways the program ends.
#pragma once

#include <cstdint>

namespace zarvo {

struct App;

// Start-up: load_first_frame, then open_sounds.
void Form_Load(App& app);
// What the first frame needs: start values, constants, settings, a new game.
void load_first_frame(App& app);
// Opens the sound device, loads the four sounds and starts the music the
// settings ask for. The window calls it once it shows, so that a warning box
// appears over the board and the board does not wait for the audio device.
void open_sounds(App& app);
// Lays out a new game, stores it as record entry 0 and redraws the window.
void reset_game(App& app);
// Frees the four sound buffers and closes the sound device; does not terminate.
void end_program(App& app);

}  // namespace zarvo
