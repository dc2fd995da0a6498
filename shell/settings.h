// The settings file "Zarvoチェス.ini" and the option menu.
#pragma once

namespace zarvo {

struct App;

void load_settings(App& app);
// The same, without painting the background or starting the music: start-up
// draws the whole window next and starts the music once the sounds are open.
void load_settings_for_start_up(App& app);
void save_settings(App& app);
void check_background_item(App& app, int IN_背景種類);
void MIDORI_Click(App& app);
void TATAMI_Click(App& app);
void TAKE_Click(App& app);
void UCHU_Click(App& app);
void RENGA_Click(App& app);
void SIDOU_Click(App& app);
void BGM_Click(App& app);

}  // namespace zarvo
