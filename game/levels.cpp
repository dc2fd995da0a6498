#include "game/levels.h"

#include <string>

#include "display/board_drawing.h"
#include "display/texts.h"
#include "game/computer_turn.h"
#include "game/engine_turn.h"
#include "game/record_panel.h"
#include "shell/app.h"
#include "shell/sound.h"

namespace zarvo {
namespace {

// The square that changes between grade g - 1 and grade g, with what stands
// on it below that boundary and from it upwards. Row 8 belongs to the human's
// army, row 1 to the computer's; the squares assume the initial position.
struct GradeStep {
  int x, y;
  int below, above;
};

GradeStep grade_step(int g) {
  switch (g) {
    case -6: return {4, 8, EMPTY, W_QUEEN};
    case -5: return {7, 8, EMPTY, W_KNIGHT};
    case -4: return {2, 8, EMPTY, W_KNIGHT};
    case -3: return {6, 8, EMPTY, W_BISHOP};
    case -2: return {3, 8, EMPTY, W_BISHOP};
    case -1: return {8, 8, EMPTY, W_ROOK};
    case 0: return {1, 8, EMPTY, W_ROOK};
    case 1: return {1, 1, B_ROOK, EMPTY};
    case 2: return {8, 1, B_ROOK, EMPTY};
    case 3: return {3, 1, B_BISHOP, EMPTY};
    case 4: return {6, 1, B_BISHOP, EMPTY};
    case 5: return {2, 1, B_KNIGHT, EMPTY};
    case 6: return {7, 1, B_KNIGHT, EMPTY};
    case 7: return {4, 1, B_QUEEN, EMPTY};
    default: return {0, 0, EMPTY, EMPTY};
  }
}

void set_square(App& app, int x, int y, int code) {
  if (!on_board(x, y)) return;
  app.pos.board[x][y] = code;
  draw_square(app, code, x, y);
}

void level_click(App& app, int n) {
  for (int X = -2; X <= 0; ++X) draw_tile(app, app.options.current_background, X, 0);
  // A move the engine is thinking about is thought again at the new level.
  const bool rethink = app.engine.task == EngineTask::Move;
  if (rethink) engine_cancel(app);
  set_level(app, n);
  if (rethink) com_ban(app);
}

// The grade commands work only on the untouched initial position.
bool grade_change_refused(App& app) {
  close_record_panel(app);
  const GameState& g = app.game;
  const int reason = g.record_mode == 1 ? 1 : g.move_number > 0 ? 2 : g.board_reversed == 1 ? 3 : 0;
  if (reason == 0) return false;
  play_forbidden(app);
  handicap_refusal(app, reason);
  return true;
}

}  // namespace

void LEVEL1_Click(App& app) { level_click(app, 1); }
void LEVEL2_Click(App& app) { level_click(app, 2); }
void LEVEL3_Click(App& app) { level_click(app, 3); }
void LEVEL4_Click(App& app) { level_click(app, 4); }
void LEVEL5_Click(App& app) { level_click(app, 5); }
void LEVEL6_Click(App& app) { level_click(app, 6); }
void LEVEL7_Click(App& app) { level_click(app, 7); }
void LEVEL8_Click(App& app) { level_click(app, 8); }
void LEVEL9_Click(App& app) { level_click(app, 9); }

void set_level(App& app, int n) {
  Widgets& w = *app.platform.widgets;
  for (int k = 1; k <= LAST_ENGINE_LEVEL; ++k) w.set_checked("LEVEL" + std::to_string(k), false);
  // An engine level needs an engine; without one the items are greyed out.
  if ((n >= 1 && n <= 3) || (is_engine_level(n) && !app.engine.program.empty())) {
    w.set_checked("LEVEL" + std::to_string(n), true);
    app.com.level = n;
  }
  if (app.game.game_kind == KIND_VS_COMPUTER) show_level(app, app.com.level);
}

void LBEL_UP_Click(App& app) {
  if (grade_change_refused(app)) return;
  int& grade = app.com.handicap_grade;
  if (grade < 7) {
    grade = grade + 1;
    show_handicap_grade(app, grade);
    const GradeStep s = grade_step(grade);
    set_square(app, s.x, s.y, s.above);
    play_piece_placed(app);
  }
  app.game.handicap_set = 1;
}

void LEBEL_DOWN_Click(App& app) {
  if (grade_change_refused(app)) return;
  int& grade = app.com.handicap_grade;
  if (grade > -7) {
    // The step down undoes the step that led into the current grade.
    const GradeStep s = grade_step(grade);
    grade = grade - 1;
    show_handicap_grade(app, grade);
    set_square(app, s.x, s.y, s.below);
    play_piece_placed(app);
  }
  app.game.handicap_set = 1;
}

void handicap_refusal(App& app, int n) {
  const char* reason = n == 1   ? QT_TRANSLATE_NOOP("Message", "棋譜ﾓｰﾄﾞではできません")
                       : n == 2 ? QT_TRANSLATE_NOOP("Message", "対局途中ではできません")
                       : n == 3 ? QT_TRANSLATE_NOOP("Message", "反転後ではできません")
                                : nullptr;
  if (!reason) return;
  app.platform.dialogs->message_box(
      translate("Message", reason) + "\r\r" + translate("Message", "局面→最初にして下さい"),
      QT_TRANSLATE_NOOP("Message", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"), Buttons::Ok);
}

}  // namespace zarvo
