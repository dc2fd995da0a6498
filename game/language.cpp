#include "game/language.h"

#include "display/board_drawing.h"
#include "display/texts.h"
#include "shell/app.h"
#include "shell/settings.h"
#include "shell/translation.h"

namespace zarvo {

void GENGO_Click(App& app) {
  Options& o = app.options;
  o.shown_language = o.shown_language == Language::Japanese ? Language::English : Language::Japanese;
  o.language = o.shown_language;
  use_language(o.shown_language);
  save_settings(app);
  // Every text on the board again, in the new language; like the flip, the last captions go.
  const GameState& g = app.game;
  redraw_all(app);
  if (g.game_kind != NONE || g.record_mode == 1) show_move_number(app, g.move_number, QB_BLACK);
  if (g.handicap_set == 1) show_handicap_grade(app, app.com.handicap_grade);
  app.platform.canvas->refresh();
}

}  // namespace zarvo
