#include "shell/startup.h"

#include <filesystem>

#include "display/board_drawing.h"
#include "records/last_game.h"
#include "records/move_record.h"
#include "shell/app.h"
#include "shell/engine_program.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "shell/sound_library/zarvo_sound.h"

namespace zarvo {

void Form_Load(App& app) {
  load_first_frame(app);
  open_sounds(app);
}

void load_first_frame(App& app) {
  std::error_code ec;
  app.program_dir = app.paths.data_dir.empty() ? std::filesystem::current_path(ec).string() : app.paths.data_dir;

  GameState& g = app.game;
  g.record_mode = 0;
  g.board_reversed = 0;
  g.handicap_set = 0;
  g.guidance_on = 0;
  g.record_length = 0;

  app.platform.widgets->set_checked("SIDOU", false);
  app.platform.widgets->set_checked("LEVEL1", false);
  app.platform.widgets->set_checked("LEVEL2", false);
  app.platform.widgets->set_checked("LEVEL3", true);
  app.com.level = 3;
  app.com.handicap_grade = 0;
  app.options.guidance_colour = QB_BRIGHT_WHITE;

  app.platform.canvas->fill_background(QB_GREEN);
  fill_square_shade(app.display);

  make_settings_folder(app.paths);
  load_settings_for_start_up(app);
  look_for_engine(app);
  reset_game(app);
}

void open_sounds(App& app) {
  start_sound(app, app.platform.window_handle);
  app.sounds.sound_other = load_sound(app, "その他.wav", ZARVO_DSB_EFFECT);
  app.sounds.sound_forbidden = load_sound(app, "禁止.wav", ZARVO_DSB_EFFECT);
  app.sounds.sound_piece = load_sound(app, "駒打音.wav", ZARVO_DSB_EFFECT);
  app.sounds.sound_music = load_sound(app, "BGM.wav", ZARVO_DSB_MUSIC);
  // The settings read before asked for music.
  if (app.platform.widgets->is_checked("BGM")) start_music(app);
}

void reset_game(App& app) {
  // An engine still thinking about the old game is let go.
  app.platform.engine->stop();
  app.engine.session = UciSession{};
  app.engine.task = EngineTask::None;
  app.engine.hint_x1 = app.engine.hint_y1 = app.engine.hint_x2 = app.engine.hint_y2 = 0;
  GameState& g = app.game;
  g.game_kind = NONE;
  g.winner = NONE;
  g.turn = NONE;
  g.move_number = 0;
  g.selection_state = 0;
  g.colors_swapped = 0;
  g.mate_announced = 0;
  set_initial_position(app.pos.board);
  clear_history(app.pos);
  clear_history(app.record.start);
  app.origin = {};
  record_move(app.record, app.pos.board, g.move_number, 0, 0, 0, 0, 0);
  redraw_all(app);
}

void end_program(App& app) {
  // However the program ends, a game in progress is there at the next start.
  keep_game_in_progress(app);
  // No engine process outlives the game.
  app.platform.engine->stop();
  SoundLibrary& s = *app.platform.sound;
  s.dsFree(app.sounds.sound_other);
  s.dsFree(app.sounds.sound_forbidden);
  s.dsFree(app.sounds.sound_piece);
  s.dsFree(app.sounds.sound_music);
  stop_sound(app);
}

}  // namespace zarvo
