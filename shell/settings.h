// The settings file "Zarvoチェス.ini" and the option menu.
#pragma once

namespace zarvo {

struct App;

void load_settings(App& app);
// The same, without painting the background or starting the music: start-up
// draws the whole window next and starts the music once the sounds are open.
void load_settings_for_start_up(App& app);
void save_settings(App& app);
void check_background_item(App& app, int kind);
// Ticks "移動指導" and sets the guidance on or off with its frame colour.
void set_guidance(App& app, bool on);

}  // namespace zarvo
