#include "game/mouse_input.h"

#include <cmath>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "game/computer_turn.h"
#include "game/engine_turn.h"
#include "game/game_end.h"
#include "game/move_commit.h"
#include "game/promotion.h"
#include "game/record_panel.h"
#include "records/move_record.h"
#include "rules/move_rules.h"
#include "shell/app.h"
#include "shell/sound.h"

namespace zarvo {
namespace {

bool belongs_to_player_to_move(const GameState& g, int code) {
  return (g.turn == g.lower_player && code <= W_PAWN) || (g.turn == g.upper_player && code >= B_PAWN);
}

// A click while no game runs: advice, or the resumption of a stopped game.
void click_without_game(App& app) {
  GameState& g = app.game;
  Dialogs& d = *app.platform.dialogs;
  if (g.record_mode == 1) {
    if (d.message_box(QT_TRANSLATE_NOOP("Message", "棋譜を '進 'で進めて下さい"), QT_TRANSLATE_NOOP("Message", "棋譜"),
                      Buttons::YesNo) == Answer::No)
      play_forbidden(app);
    return;
  }
  if (g.move_number == 0) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "「対局」で始めて下さい"), QT_TRANSLATE_NOOP("Message", "開始"));
    return;
  }
  d.message_box(QT_TRANSLATE_NOOP("Message", "OKですか？"), QT_TRANSLATE_NOOP("Message", "再開"), Buttons::Ok);
  // Who made the next move when the game was played decides who moves now.
  // Entries past the end of the record are left over from earlier games.
  const int next = g.move_number + 1;
  const int next_piece = next <= g.record_length ? record_piece_at(app.record, next) : 0;
  if (next_piece >= B_PAWN) {
    if (g.game_kind == KIND_VS_COMPUTER) {
      com_ban(app);
      g.turn = g.lower_player;
    } else if (g.game_kind == KIND_TWO_HUMANS) {
      g.turn = g.upper_player;
    }
  } else {
    g.turn = g.lower_player;
  }
}

void pick(App& app, int x, int y) {
  PlayState& p = app.play;
  p.pick_x = x;
  p.pick_y = y;
  p.picked_piece = app.pos.board[x][y];
  show_guidance(app, x, y, app.options.guidance_colour, p.picked_piece);
}

// Asks the chooser of the promoting army's colour; false when the move must not be made.
bool choose_human_promotion(App& app) {
  GameState& g = app.game;
  PlayState& p = app.play;
  const bool upper = g.turn == g.upper_player;
  const int form = (upper == (g.colors_swapped == 0)) ? FORM_BLACK : FORM_WHITE;
  const bool negate = g.colors_swapped == 1;
  // 0 marks "no button pressed"; the last choice comes back if the window goes away without one.
  const int previous_choice = p.promotion_choice;
  p.promotion_choice = 0;
  app.platform.chooser->show_modal(form, CHOOSER_TOP_OFFSET, CHOOSER_LEFT_OFFSET);
  const int choice = p.promotion_choice;
  if (choice == 0) {
    p.promotion_choice = previous_choice;
    return false;
  }
  if (choice == W_KING || choice == B_KING) {
    // The pawn stays picked as a pawn: keeping the king code would let the next
    // click move the pawn like a king and put a second king on the board.
    refuse(app, QT_TRANSLATE_NOOP("Message", "キングには成れません"), QT_TRANSLATE_NOOP("Message", "エラー"));
    return false;
  }
  p.picked_piece = negate ? -choice : choice;
  return true;
}

void second_click(App& app, int button, int x, int y) {
  GameState& g = app.game;
  PlayState& p = app.play;
  p.drop_x = x;
  p.drop_y = y;
  const int clicked = app.pos.board[x][y];
  if (belongs_to_player_to_move(g, clicked)) {
    mark_square(app, erase_colour, p.pick_x, p.pick_y);
    pick(app, x, y);
    mark_square(app, select_colour, x, y);
    return;
  }
  if (check_piece_move(app.pos, p.pick_x, p.pick_y, x, y, p.picked_piece) == 0) {
    clear_marks(app);
    g.selection_state = 0;
    return;
  }
  if (promotion_not_due(x, y, p.picked_piece) == 0 && button == MOUSE_LEFT) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "マウスの右をクリックして下さい"), QT_TRANSLATE_NOOP("Message", "成り"));
    return;
  }
  if (move_keeps_king_safe(app.pos, p.pick_x, p.pick_y, x, y, g.turn == g.upper_player ? 1 : 0) == 0 &&
      g.mate_announced == 0) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "自殺できません"), QT_TRANSLATE_NOOP("Message", "チェックです"));
    return;
  }
  if (record_has_room(g.move_number) == 0) {
    refuse(app, RECORD_FULL_MESSAGE, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  if (button == MOUSE_RIGHT && promotion_due(p.pick_x, p.pick_y, x, y, p.picked_piece) == 1) {
    if (!choose_human_promotion(app)) return;
  }

  g.selection_state = 0;
  mark_square(app, erase_colour, p.pick_x, p.pick_y);
  mark_square(app, erase_colour, x, y);
  show_guidance(app, p.pick_x, p.pick_y, erase_colour, p.picked_piece);

  // Declined, the capture is no move at all: a pawn may not step diagonally
  // onto an empty square. The pick is dropped and the same player moves again.
  if (is_en_passant(app.pos, p.pick_x, p.pick_y, x, y, p.picked_piece) == 1 &&
      app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "取りますか？"),
                                        QT_TRANSLATE_NOOP("Message", "アンパッサン"), Buttons::YesNo) != Answer::Yes)
    return;

  const MoveChanges changes = commit_move(app, {p.pick_x, p.pick_y, x, y, p.picked_piece}, 0);
  if (p.picked_piece >= B_PAWN) {
    show_move_caption(app, UPPER_CAPTION_X, UPPER_CAPTION_Y, x, y, p.picked_piece, QB_BRIGHT_WHITE);
  } else {
    show_move_caption(app, LOWER_CAPTION_X, LOWER_CAPTION_Y, x, y, p.picked_piece, QB_BRIGHT_WHITE);
  }
  end_of_move_evaluation(app, changes.captured);
}

}  // namespace

// The squares a move of the piece would be accepted on: the king of its army
// left unattacked, unless the computer has announced mate (then any move counts).
void show_guidance(App& app, int fx, int fy, int colour, int piece) {
  clear_marks(app);
  if (app.game.guidance_on != 1) return;
  const int upper = piece >= B_PAWN ? 1 : 0;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y)
      if (check_piece_move(app.pos, fx, fy, x, y, piece) == 1 &&
          (app.game.mate_announced == 1 || move_keeps_king_safe(app.pos, fx, fy, x, y, upper) == 1))
        mark_square(app, colour, x, y);
}

void Form_MouseDown(App& app, int button, int /*shift*/, double X, double Y) {
  close_record_panel(app);
  // The engine's move is on its way: the board is not the player's now.
  if (engine_thinking(app) == 1) {
    play_forbidden(app);
    return;
  }
  app.platform.chooser->hide_all();
  clear_hint(app);

  GameState& g = app.game;
  if (g.turn == NONE) {
    click_without_game(app);
    return;
  }
  const double fx = std::floor((X - GRID_LEFT) / SQUARE_W);
  const double fy = std::floor((Y - GRID_TOP) / SQUARE_H);
  if (!(fx >= 1 && fx <= BOARD_SIZE && fy >= 1 && fy <= BOARD_SIZE)) return;
  const int x = static_cast<int>(fx);
  const int y = static_cast<int>(fy);

  if (g.selection_state == 0) {
    const int code = app.pos.board[x][y];
    if (code == EMPTY) return;
    pick(app, x, y);
    if (belongs_to_player_to_move(g, code)) {
      g.selection_state = 1;
      mark_square(app, select_colour, x, y);
    } else {
      mark_square(app, app.options.guidance_colour, x, y);
    }
    return;
  }
  second_click(app, button, x, y);
}

}  // namespace zarvo
