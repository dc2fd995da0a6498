#include "shell/settings.h"

#include <string>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/settings_file.h"
#include "shell/sound.h"

namespace zarvo {
namespace {

const SettingsFile DEFAULTS{TILE_MIDORI, false, true};

std::string save_failure_reason(FileError error) {
  switch (error) {
    case FileError::no_permission: return "このﾌｫﾙﾀﾞには書き込めません";
    case FileError::read_only: return "設定ﾌｧｲﾙが読み取り専用です";
    case FileError::no_space: return "ﾃﾞｨｽｸの空きが足りません";
    case FileError::not_found: return "保存先のﾌｫﾙﾀﾞが見つかりません";
    case FileError::not_a_file: return "同じ名前のﾌｫﾙﾀﾞなどがあります";
    default: return "書き込みに失敗しました";
  }
}

// The options as the menu shows them.
SettingsFile settings_from_marks(App& app) {
  Widgets& w = *app.platform.widgets;
  SettingsFile s;
  for (const BackgroundItem& b : BACKGROUNDS) {
    if (w.is_checked(b.item)) {
      s.background = b.kind;
      break;
    }
  }
  s.guidance = w.is_checked("SIDOU");
  s.music = w.is_checked("BGM");
  s.window = app.options.window_size;
  if (app.draw_rules.in_file) s.draw_rules = app.draw_rules.on;
  if (app.engine.configured_in_file) s.engine = app.engine.configured;
  return s;
}

void set_guidance(App& app, bool on) {
  app.platform.widgets->set_checked("SIDOU", on);
  app.game.guidance_on = on ? 1 : 0;
  app.options.guidance_colour = on ? QB_BRIGHT_WHITE : erase_colour;
}

// Only the last word of a file counts for each option, so music that a later
// line switches off is never started and left playing unchecked. At start-up
// the menu marks and values are all there is to do: the whole window is drawn
// right afterwards, and the music starts once the sounds are open.
void apply_settings(App& app, const SettingsFile& s, bool music_may_be_playing, bool start_up = false) {
  if (s.window) app.options.window_size = s.window;
  if (s.draw_rules) {
    app.draw_rules.on = *s.draw_rules;
    app.draw_rules.in_file = true;
    app.platform.widgets->set_checked("HIKIWAKE", *s.draw_rules);
  }
  if (s.engine) {
    app.engine.configured = *s.engine;
    app.engine.configured_in_file = true;
  }
  if (s.background) {
    check_background_item(app, *s.background);
    if (!start_up) tile_background(app, *s.background);
    app.options.current_background = *s.background;
  }
  if (s.guidance) set_guidance(app, *s.guidance);
  if (s.music) {
    Widgets& w = *app.platform.widgets;
    const bool playing = music_may_be_playing && w.is_checked("BGM");
    w.set_checked("BGM", *s.music);
    if (*s.music && !playing && !start_up) start_music(app);
  }
}

void background_click(App& app, const char* item, int kind) {
  if (!app.platform.widgets->is_checked(item)) {
    check_background_item(app, kind);
    app.options.current_background = kind;
  }
  save_settings(app);
  redraw_all(app);
  app.platform.canvas->refresh();
}

void read_and_apply_settings(App& app, bool start_up) {
  const std::string path = settings_file(app.paths);
  std::string bytes;
  const FileError error = read_whole_file(path, SETTINGS_FILE_MAX_BYTES, bytes);
  if (error == FileError::none) {
    SettingsFile s = parse_settings_file(bytes);
    // Always a background ticked and painted; the file changes only when an option does.
    if (!s.background) s.background = DEFAULTS.background;
    apply_settings(app, s, false, start_up);
    return;
  }
  // A file that is there but cannot be read stays as it is: it may be the
  // user's own, shut off for a while. Only a missing one gets the defaults written.
  if (error == FileError::not_found) replace_file(path, write_settings_file(DEFAULTS));
  // Guidance "OFF" only clears its menu mark here: guidance_on and the frame
  // colour keep their start-up values.
  SettingsFile defaults = DEFAULTS;
  defaults.guidance.reset();
  apply_settings(app, defaults, false, start_up);
  app.platform.widgets->set_checked("SIDOU", false);
}

}  // namespace

void load_settings(App& app) { read_and_apply_settings(app, false); }

void load_settings_for_start_up(App& app) { read_and_apply_settings(app, true); }

void save_settings(App& app) {
  const FileError error = replace_file(settings_file(app.paths), write_settings_file(settings_from_marks(app)));
  // The options chosen stay in force for this run either way; the player hears of it once.
  if (error == FileError::none || app.options.settings_save_failure_shown) return;
  app.options.settings_save_failure_shown = true;
  app.platform.dialogs->message_box("設定を保存できません（" + save_failure_reason(error) +
                                        "）。\n変更したｵﾌﾟｼｮﾝはこのまま使えますが、次の起動には引き継がれません。",
                                    "ｵﾌﾟｼｮﾝ", Buttons::Ok, Icon::Exclamation);
}

void check_background_item(App& app, int kind) {
  Widgets& w = *app.platform.widgets;
  for (const BackgroundItem& b : BACKGROUNDS) w.set_checked(b.item, false);
  if (const BackgroundItem* b = background_of_kind(kind)) w.set_checked(b->item, true);
}

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
