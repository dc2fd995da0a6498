#include "shell/settings.h"

#include <string>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "shell/translation.h"

namespace zarvo {
namespace {

const SettingsFile DEFAULTS{TILE_MIDORI, false, true};

std::string save_failure_reason(FileError error) {
  switch (error) {
    case FileError::no_permission: return QT_TRANSLATE_NOOP("Message", "このﾌｫﾙﾀﾞには書き込めません");
    case FileError::read_only: return QT_TRANSLATE_NOOP("Message", "設定ﾌｧｲﾙが読み取り専用です");
    case FileError::no_space: return QT_TRANSLATE_NOOP("Message", "ﾃﾞｨｽｸの空きが足りません");
    case FileError::not_found: return QT_TRANSLATE_NOOP("Message", "保存先のﾌｫﾙﾀﾞが見つかりません");
    case FileError::not_a_file: return QT_TRANSLATE_NOOP("Message", "同じ名前のﾌｫﾙﾀﾞなどがあります");
    default: return QT_TRANSLATE_NOOP("Message", "書き込みに失敗しました");
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
  s.language = app.options.language;
  if (app.draw_rules.in_file) s.draw_rules = app.draw_rules.on;
  if (app.engine.configured_in_file) s.engine = app.engine.configured;
  return s;
}

void apply_language(App& app, Language language) {
  app.options.language = language;
  app.options.shown_language = language;
  use_language(language);
}

}  // namespace

void set_guidance(App& app, bool on) {
  app.platform.widgets->set_checked("SIDOU", on);
  app.game.guidance_on = on ? 1 : 0;
  app.options.guidance_colour = on ? QB_BRIGHT_WHITE : erase_colour;
}

namespace {

// Only the last word of a file counts for each option, so music that a later
// line switches off is never started and left playing unchecked. At start-up
// the menu marks and values are all there is to do: the whole window is drawn
// right afterwards, and the music starts once the sounds are open.
void apply_settings(App& app, const SettingsFile& s, bool music_may_be_playing, bool start_up = false) {
  if (s.window) app.options.window_size = s.window;
  if (s.language) apply_language(app, *s.language);
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

void read_and_apply_settings(App& app, bool start_up) {
  const std::string path = settings_file(app.paths);
  std::string bytes;
  const FileError error = read_whole_file(path, SETTINGS_FILE_MAX_BYTES, bytes);
  if (error == FileError::none) {
    SettingsFile s = parse_settings_file(bytes);
    // What the file does not say (an empty or cut-off file) is what a missing
    // file would have given; the file itself changes only when an option does.
    if (!s.background) s.background = DEFAULTS.background;
    if (!s.music) s.music = DEFAULTS.music;
    const bool guidance_given = s.guidance.has_value();
    apply_settings(app, s, false, start_up);
    if (!guidance_given) app.platform.widgets->set_checked("SIDOU", false);
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
  const std::string path = settings_file(app.paths);
  SettingsFile wanted = settings_from_marks(app);
  // A file that already says so is left as it is, and the lines the program
  // does not know stay in the one that is written.
  std::string bytes;
  if (read_whole_file(path, SETTINGS_FILE_MAX_BYTES, bytes) == FileError::none) {
    const SettingsFile now = parse_settings_file(bytes);
    wanted.other_lines = now.other_lines;
    if (now == wanted) return;
  }
  const FileError error = replace_file(path, write_settings_file(wanted));
  // The options chosen stay in force for this run either way; the player hears of it once.
  if (error == FileError::none || app.options.settings_save_failure_shown) return;
  app.options.settings_save_failure_shown = true;
  app.platform.dialogs->message_box(
      fill(
          translate("Message",
                    "設定を保存できません（%1）。\n変更したｵﾌﾟｼｮﾝはこのまま使えますが、次の起動には引き継がれません。"),
          {translate("Message", save_failure_reason(error))}),
      QT_TRANSLATE_NOOP("Message", "ｵﾌﾟｼｮﾝ"), Buttons::Ok, Icon::Exclamation);
}

void check_background_item(App& app, int kind) {
  Widgets& w = *app.platform.widgets;
  for (const BackgroundItem& b : BACKGROUNDS) w.set_checked(b.item, false);
  if (const BackgroundItem* b = background_of_kind(kind)) w.set_checked(b->item, true);
}

}  // namespace zarvo
