// The settings file "Zarvoチェス.ini" and the option menu.
#pragma once

namespace zarvo {

struct App;

void load_settings(App& app);
void save_settings(App& app);

}  // namespace zarvo
