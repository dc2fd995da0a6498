#include "game/flip.h"

#include "display/board_drawing.h"
#include "display/texts.h"
#include "game/game_modes.h"
#include "shell/app.h"
#include "shell/sound.h"

namespace zarvo {

void REVERSE_Click(App& app) {
  GameState& g = app.game;
  if (g.record_mode == 1) {
    refuse(app, "棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  g.board_reversed = 1;
  g.selection_state = 0;
  // Castling rights and the en passant square turn with the board, so both
  // are judged after the flip as they were before it.
  app.pos = flipped(app.pos);
  redraw_all(app);
  show_move_number(app, g.move_number, QB_BLACK);
  if (g.handicap_set == 1) {
    app.com.handicap_grade = -app.com.handicap_grade;
    show_handicap_grade(app, app.com.handicap_grade);
  }
  play_piece_placed(app);
  continue_after_flip(app);
}

}  // namespace zarvo
