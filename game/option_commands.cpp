#include "game/option_commands.h"

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"
#include "shell/settings.h"
#include "shell/sound.h"

namespace zarvo {
namespace {

void background_click(App& app, const char* item, int kind) {
  if (!app.platform.widgets->is_checked(item)) {
    check_background_item(app, kind);
    app.options.current_background = kind;
  }
  save_settings(app);
  redraw_window(app);
  app.platform.canvas->refresh();
}

}  // namespace

void MIDORI_Click(App& app) { background_click(app, "MIDORI", TILE_MIDORI); }
void TATAMI_Click(App& app) { background_click(app, "TATAMI", TILE_TATAMI); }
void TAKE_Click(App& app) { background_click(app, "TAKE", TILE_TAKE); }
void UCHU_Click(App& app) { background_click(app, "UCHU", TILE_UCHU); }
void RENGA_Click(App& app) { background_click(app, "RENGA", TILE_RENGA); }

void SIDOU_Click(App& app) {
  if (app.platform.widgets->is_checked("SIDOU")) {
    // Frames of a piece picked up before are wiped now, not at the next move.
    for (int x = 1; x <= BOARD_SIZE; ++x)
      for (int y = 1; y <= BOARD_SIZE; ++y) mark_square(app, erase_colour, x, y);
    app.platform.canvas->refresh();
    set_guidance(app, false);
  } else {
    set_guidance(app, true);
  }
  save_settings(app);
}

void BGM_Click(App& app) {
  Widgets& w = *app.platform.widgets;
  if (w.is_checked("BGM")) {
    w.set_checked("BGM", false);
    stop_music(app);
  } else {
    w.set_checked("BGM", true);
    start_music(app);
  }
  save_settings(app);
}

}  // namespace zarvo
