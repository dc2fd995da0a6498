#include "game/game_modes.h"

#include "display/board_drawing.h"
#include "display/texts.h"
#include "game/computer_turn.h"
#include "records/record_panel.h"
#include "rules/move_rules.h"
#include "shell/app.h"

namespace zarvo {

namespace {

// A game starts on the position that is shown; the armies change colour by
// exchanging king and queen, so that the first mover is always White.
void show_colours(App& app, int wanted) {
  if (app.game.colors_swapped == wanted) return;
  swap_kings_and_queens(app.pos.board);
  app.game.colors_swapped = wanted;
  // The labels name the squares as seen from the side now shown below.
  draw_coordinates(app);
}

// The human plays the lower army against the computer; the first mover is White.
void start_against_computer(App& app, int lower, int colours) {
  GameState& g = app.game;
  prepare_game_screen(app);
  show_level(app, app.com.level);
  g.selection_state = 0;
  g.lower_player = lower;
  g.upper_player = lower == FIRST ? SECOND : FIRST;
  g.turn = FIRST;
  g.game_kind = KIND_VS_COMPUTER;
  g.record_mode = 0;
  show_colours(app, colours);
  draw_board(app);
}

}  // namespace

void SENTE_Click(App& app) {
  start_against_computer(app, FIRST, 0);
  app.platform.dialogs->message_box("あなたの番です", " ", Buttons::Ok);
}

void GOTE_Click(App& app) {
  start_against_computer(app, SECOND, 1);
  com_ban(app);
}

void START_Click(App& app) {
  GameState& g = app.game;
  prepare_game_screen(app);
  for (int X = -2; X <= 0; ++X) draw_tile(app, app.options.current_background, X, 0);
  g.lower_player = FIRST;
  g.upper_player = SECOND;
  g.turn = g.lower_player;
  g.game_kind = KIND_TWO_HUMANS;
  show_colours(app, 0);
  draw_board(app);
  app.platform.dialogs->message_box("先手の番です", " ", Buttons::Ok);
}

void continue_after_flip(App& app) {
  GameState& g = app.game;
  if (g.turn == NONE) return;
  // The flip hands each army to the other side of the board; the army that
  // was to move still moves.
  rescan(app.pos);
  if (g.game_kind == KIND_TWO_HUMANS) {
    g.turn = g.turn == g.lower_player ? g.upper_player : g.lower_player;
  } else if (g.game_kind == KIND_VS_COMPUTER && g.turn == g.lower_player) {
    // The human's army is now the computer's.
    com_ban(app);
  }
}

void MATCH_MAN_Click(App&) {}

void TAIKYOKU_Click(App& app) { close_record_panel(app); }
void STOP_Click(App& app) { close_record_panel(app); }
void OPTION_Click(App& app) { close_record_panel(app); }

}  // namespace zarvo
