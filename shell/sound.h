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

// dsPlay of one loaded sound (id 0 is harmless).
void play_sound(App& app, int32_t id);

}  // namespace zarvo
