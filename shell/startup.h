// The life of the main window: start-up, the ways the program ends.
#pragma once

#include <cstdint>

namespace zarvo {

struct App;

// Start-up in its fixed order: sound, constants, settings, a new game.
void Form_Load(App& app);
// Lays out a new game, stores it as record entry 0 and redraws the window.
void reset_game(App& app);
// Frees the four sound buffers and closes the sound device; does not terminate.
void end_program(App& app);
void Form_Unload(App& app);
void Form_KeyDown(App& app, int key_code, int shift);
void OWARI_Click(App& app);

constexpr int KEY_ESCAPE = 27;

}  // namespace zarvo
