#include "game/language.h"

#include <algorithm>

#include "display/board_drawing.h"
#include "display/marks.h"
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
  // Every text on the board again, in the new language: the counter, the
  // handicap grade and the captions of the last two moves, each on its side.
  const GameState& g = app.game;
  redraw_all(app);
  if (g.handicap_set == 1) show_handicap_grade(app, app.com.handicap_grade);
  if (g.game_kind != NONE || g.record_mode == 1) {
    show_move_number(app, g.move_number, QB_BLACK);
    for (int n = std::max(1, g.move_number - 1); n <= g.move_number; ++n) {
      const int piece = app.record.record_piece[n];
      if (piece == EMPTY) continue;
      const bool upper = piece > 0;
      show_move_caption(app, upper ? UPPER_CAPTION_X : LOWER_CAPTION_X, upper ? UPPER_CAPTION_Y : LOWER_CAPTION_Y,
                        app.record.record_to_x[n], app.record.record_to_y[n], piece, QB_BRIGHT_WHITE);
    }
  }
  app.platform.canvas->refresh();
}

}  // namespace zarvo
