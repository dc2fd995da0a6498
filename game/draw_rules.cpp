#include "game/draw_rules.h"

#include <string>

#include "game/engine_position.h"
#include "game/game_end.h"
#include "records/move_record.h"
#include "rules/draw_rules.h"
#include "shell/app.h"
#include "shell/settings.h"
#include "shell/translation.h"

namespace zarvo {

// Fifty moves by each side.
constexpr int FIFTY_MOVES_PLIES = 100;

DrawRule draw_by_rule(const App& app, int n) {
  if (n < 0 || n > RECORD_LAST) return DrawRule::None;
  const Board& board = n == app.game.move_number ? app.pos.board : app.record.record_board[static_cast<size_t>(n)];
  if (insufficient_material(board) == 1) return DrawRule::Material;
  const int quiet = plies_since_capture_or_pawn(app, n);
  // Only positions since the last capture or pawn move can come back.
  const std::string key = repetition_key(app, n);
  int seen = 1;
  for (int k = n - 2; k >= n - quiet && k >= 0; k -= 2)
    if (repetition_key(app, k) == key) ++seen;
  if (seen >= 3) return DrawRule::Repetition;
  if (quiet >= FIFTY_MOVES_PLIES) return DrawRule::FiftyMoves;
  return DrawRule::None;
}

std::string_view draw_rule_text(DrawRule rule) {
  switch (rule) {
    case DrawRule::Repetition: return QT_TRANSLATE_NOOP("Message", "同一局面が３回現れました");
    case DrawRule::FiftyMoves: return QT_TRANSLATE_NOOP("Message", "50手ルール");
    case DrawRule::Material: return QT_TRANSLATE_NOOP("Message", "駒不足");
    default: return "";
  }
}

int end_game_by_draw_rules(App& app) {
  if (!app.draw_rules.on) return 0;
  const DrawRule rule = draw_by_rule(app, app.game.move_number);
  if (rule == DrawRule::None) return 0;
  app.platform.dialogs->message_box(draw_rule_text(rule), QT_TRANSLATE_NOOP("Message", "判定"), Buttons::Ok);
  announce_result(app, "引分");
  return 1;
}

void HIKIWAKE_Click(App& app) {
  app.draw_rules.on = !app.draw_rules.on;
  app.draw_rules.in_file = true;
  app.platform.widgets->set_checked("HIKIWAKE", app.draw_rules.on);
  save_settings(app);
}

}  // namespace zarvo
