// Opening the sound device, loading the four sounds, playing and shutting down.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

struct App;

void start_sound(App& app, intptr_t window);
// Reads a whole .wav file and hands it to the sound library; 0 when the device
// is closed, the file is missing, or it cannot be read (with a warning).
int32_t load_sound(App& app, const std::string& file_name, int32_t flags);
void stop_sound(App& app);
void show_warning(App& app, std::string_view text);

// The sounds by the game event they belong to. A sound that did not load has
// id 0, which the library plays as silence.
void play_piece_placed(App& app);
void play_forbidden(App& app);
void play_other(App& app);
void start_music(App& app);
void stop_music(App& app);

// The answer to a move or command that is not allowed: the forbidden sound,
// then a message box with OK.
void refuse(App& app, std::string_view text, std::string_view title);

}  // namespace zarvo
