#include "game/record_navigation.h"

#include "display/board_drawing.h"
#include "display/display_state.h"
#include "display/marks.h"
#include "display/texts.h"
#include "records/record_panel.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/startup.h"

namespace zarvo {
namespace {

void refuse_step(App& app, std::string_view title) { refuse(app, "できません", title); }

}  // namespace

// A step copies a stored position: captures, castling, en passant and
// promotion come back without any rule of their own.
void restore_entry(App& app, int n) {
  if (n < 0 || n > RECORD_LAST) return;
  restore_history(app.record, n, app.pos);
  Board& board = app.pos.board;
  const Board& stored = app.record.record_board[n];
  for (int x = 1; x <= BOARD_SIZE; ++x) {
    for (int y = 1; y <= BOARD_SIZE; ++y) {
      if (stored[x][y] == board[x][y]) continue;
      board[x][y] = stored[x][y];
      draw_square(app, board[x][y], x, y);
    }
  }
}

void AFTER_Click(App& app) {
  GameState& g = app.game;
  close_record_panel(app);
  if (g.move_number >= g.record_length || g.move_number >= RECORD_LAST) {
    if (g.record_mode == 1) {
      app.platform.dialogs->message_box("終わり", "進む", Buttons::Ok);
    } else {
      refuse_step(app, "進む");
    }
    return;
  }
  // The first mover is shown in white: a record the upper army opened swaps the colours.
  if (g.move_number == 0 && record_piece_at(app.record, 1) >= B_PAWN) {
    g.colors_swapped = 1;
    draw_board(app);
  }
  g.move_number += 1;
  g.selection_state = 0;
  clear_marks(app);
  restore_entry(app, g.move_number);
  play_piece_placed(app);
  const int n = g.move_number;
  const int piece = app.record.record_piece[n];
  const bool upper = piece > 0;
  show_move_caption(app, upper ? UPPER_CAPTION_X : LOWER_CAPTION_X, upper ? UPPER_CAPTION_Y : LOWER_CAPTION_Y,
                    app.record.record_to_x[n], app.record.record_to_y[n], piece, QB_BRIGHT_WHITE);
  show_move_number(app, n, QB_BLACK);
  g.turn = NONE;
}

void REPLAY_Click(App& app) {
  GameState& g = app.game;
  close_record_panel(app);
  clear_marks(app);
  if (g.move_number < 1) {
    refuse_step(app, "戻る");
    return;
  }
  g.move_number -= 1;
  g.selection_state = 0;
  g.mate_announced = 0;
  restore_entry(app, g.move_number);
  play_piece_placed(app);
  if (record_piece_at(app.record, g.move_number) >= B_PAWN) {
    // The move taken back was the lower army's: its caption is on the right.
    clear_caption_area(app, LOWER_CAPTION_X, LOWER_CAPTION_Y);
  } else {
    clear_caption_area(app, UPPER_CAPTION_X, UPPER_CAPTION_Y);
    redraw_squares_under_upper_caption(app);
  }
  g.turn = NONE;
  show_move_number(app, g.move_number, QB_BLACK);
}

void CANCEL_Click(App& app) {
  GameState& g = app.game;
  reset_game(app);
  play_piece_placed(app);
  g.turn = NONE;
  g.winner = NONE;
}

}  // namespace zarvo
