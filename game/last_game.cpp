#include "game/last_game.h"

#include <string>

#include "display/marks.h"
#include "display/texts.h"
#include "game/record_navigation.h"
#include "game/record_panel.h"
#include "records/last_game.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/translation.h"

namespace zarvo {
namespace {

// Straight to entry n, without a pause and a sound for every move on the way:
// the captions of the last move of each army and the counter.
void go_to_entry(App& app, int n) {
  GameState& g = app.game;
  show_first_mover_in_white(app);
  g.move_number = n;
  g.selection_state = 0;
  clear_marks(app);
  restore_entry(app, n);
  for (int m = n > 1 ? n - 1 : 1; m <= n; ++m) {
    const int piece = app.record.record_piece[m];
    const bool upper = piece > 0;
    show_move_caption(app, upper ? UPPER_CAPTION_X : LOWER_CAPTION_X, upper ? UPPER_CAPTION_Y : LOWER_CAPTION_Y,
                      app.record.record_to_x[m], app.record.record_to_y[m], piece, QB_BRIGHT_WHITE);
  }
  show_move_number(app, n, QB_BLACK);
  play_piece_placed(app);
  g.turn = NONE;
}

}  // namespace

void ZENKAI_Click(App& app) {
  close_record_panel(app);
  std::string message;
  const std::optional<RecordFile> file = read_kept_game(app, message);
  if (!file) {
    refuse(app, message, QT_TRANSLATE_NOOP("Message", "前回の対局"));
    return;
  }
  take_record(app, *file);
  go_to_entry(app, app.game.record_length);
}

}  // namespace zarvo
