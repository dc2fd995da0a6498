#include "game/move_commit.h"

#include "display/board_drawing.h"
#include "display/texts.h"
#include "records/move_record.h"
#include "rules/move_rules.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/waits.h"

namespace zarvo {

MoveChanges commit_move(App& app, const Move& m, double pause) {
  GameState& g = app.game;
  const MoveChanges changes = play_move(app.pos, m);
  draw_changed_squares(app, changes);
  if (pause > 0) wait_seconds(app, pause);
  play_piece_placed(app);
  g.move_number += 1;
  record_move(app.record, app.pos.board, g.move_number, m.from_x, m.from_y, m.to_x, m.to_y, m.piece);
  g.record_length = g.move_number;
  show_move_number(app, g.record_length, QB_BLACK);
  rescan(app.pos);
  return changes;
}

}  // namespace zarvo
