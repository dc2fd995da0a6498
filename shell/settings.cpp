#include "shell/settings.h"

#include "shell/app.h"

namespace zarvo {

// Until the settings file is read, every start uses the green background.
void load_settings(App& app) { app.options.current_background = TILE_MIDORI; }

void save_settings(App&) {}

}  // namespace zarvo
