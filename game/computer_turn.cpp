#include "game/computer_turn.h"

#include "computer/move_scoring.h"
#include "computer/search.h"
#include "computer/uci.h"
#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "game/draw_rules.h"
#include "game/engine_position.h"
#include "game/engine_turn.h"
#include "game/game_end.h"
#include "game/move_commit.h"
#include "game/promotion.h"
#include "records/move_record.h"
#include "rules/move_rules.h"
#include "rules/pin_maps.h"
#include "shell/app.h"
#include "shell/sound.h"
#include "shell/waits.h"

namespace zarvo {
namespace {

// "思考中" in white over a dark shadow, left of the board where the caption of
// the computer's move will appear.
void show_thinking_caption(App& app) {
  clear_caption_area(app, UPPER_CAPTION_X, UPPER_CAPTION_Y);
  redraw_squares_under_upper_caption(app);
  print_shadowed(app, -0.6, 2.4, QT_TRANSLATE_NOOP("Board", "思考中"), QB_BRIGHT_WHITE, 12);
}

}  // namespace

void com_ban(App& app) {
  GameState& g = app.game;
  // An upper army without a legal move has been mated or stalemated.
  if (end_game_without_moves(app, g.upper_player, "あなた") == 1) return;
  if (record_has_room(g.move_number) == 0) {
    refuse(app, RECORD_FULL_MESSAGE, QT_TRANSLATE_NOOP("Message", "棋譜"));
    g.turn = g.lower_player;
    return;
  }

  show_thinking_caption(app);
  prepare_search(app.pos, app.com);
  app.platform.canvas->refresh();
  wait_seconds(app, 0.3);

  // The engine answers later, through the event loop; a position it cannot
  // be given (a king left to be taken) is the game's own search's.
  if (is_engine_level(app.com.level) && position_for_engine(app, true) == 1 &&
      engine_begin(app, EngineTask::Move, true))
    return;
  play_searched_move(app);
}

void play_searched_move(App& app) {
  // Nothing of the upper army can move: the game ends drawn, as a stalemate.
  if (search_candidates(app.pos, app.com) == 0) {
    app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "ステールメイト"),
                                      QT_TRANSLATE_NOOP("Message", "判定"), Buttons::Ok);
    announce_result(app, "引分");
    return;
  }
  if (app.com.takes_king == 1) app.game.winner = app.game.upper_player;
  play_computer_move(app, app.com.best);
}

void play_computer_move(App& app, const Candidate& c) {
  GameState& g = app.game;
  Dialogs& dialogs = *app.platform.dialogs;

  blink_square(app, c.moving, c.x1, c.y1, 2);
  if (c.placed != c.moving) {
    choose_promotion(app, c.placed);
  } else if (is_en_passant(app.pos, c.x1, c.y1, c.x2, c.y2, c.placed) == 1) {
    dialogs.message_box(QT_TRANSLATE_NOOP("Message", "アンパッサンします！"),
                        QT_TRANSLATE_NOOP("Message", "アンパッサン"), Buttons::Ok);
  }
  commit_move(app, {c.x1, c.y1, c.x2, c.y2, c.placed}, 0.5);

  if (g.winner == g.upper_player) {
    announce_result(app, "ｺﾝﾋﾟｭｰﾀ");
    return;
  }
  if (app.pos.maps.upper_attack_count[app.pos.kings.lower_king_x][app.pos.kings.lower_king_y] > 0) {
    if (lower_king_mated(app.pos) == 1) {
      dialogs.message_box(QT_TRANSLATE_NOOP("Message", "よし！!"), QT_TRANSLATE_NOOP("Message", "チェックメイト ?"),
                          Buttons::Ok);
      g.mate_announced = 1;
    } else {
      dialogs.message_box(QT_TRANSLATE_NOOP("Message", "   ** チェック **"), "", Buttons::Ok);
    }
  }

  show_move_caption(app, UPPER_CAPTION_X, UPPER_CAPTION_Y, c.x2, c.y2, c.placed, QB_BRIGHT_WHITE);
  mark_square(app, QB_BRIGHT_WHITE, c.x2, c.y2);
  g.turn = g.lower_player;
  // The human left without a move: mated, or stalemated.
  if (end_game_without_moves(app, g.lower_player, "ｺﾝﾋﾟｭｰﾀ") == 1) return;
  if (g.mate_announced == 0) end_game_by_draw_rules(app);
}

}  // namespace zarvo
