#include "game/menu_commands.h"

#include <functional>
#include <string>
#include <unordered_map>

#include "display/board_drawing.h"
#include "game/draw_rules.h"
#include "game/engine_turn.h"
#include "game/flip.h"
#include "game/game_modes.h"
#include "game/language.h"
#include "game/last_game.h"
#include "game/levels.h"
#include "game/option_commands.h"
#include "game/program_commands.h"
#include "game/record_navigation.h"
#include "game/record_panel.h"
#include "shell/app.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "shell/startup.h"

namespace zarvo {

const std::vector<MenuItem>& menu_items() {
  static const std::vector<MenuItem> items = {
      {"TAIKYOKU", QT_TRANSLATE_NOOP("Menu", "対局"), "", false, false},
      {"MATCH_MAN", QT_TRANSLATE_NOOP("Menu", "対局(人間)"), "TAIKYOKU", false, false},
      {"START", QT_TRANSLATE_NOOP("Menu", "スタート"), "MATCH_MAN", false, false},
      {"START2", QT_TRANSLATE_NOOP("Menu", "対局(COM)"), "TAIKYOKU", false, false},
      {"SENTE", QT_TRANSLATE_NOOP("Menu", "先手"), "START2", false, false},
      {"GOTE", QT_TRANSLATE_NOOP("Menu", "後手"), "START2", false, false},
      {"LEVEL", QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"), "TAIKYOKU", false, false},
      {"LEVEL1", "LEVEL1", "LEVEL", true, false},
      {"LEVEL2", "LEVEL2", "LEVEL", true, false},
      {"LEVEL3", "LEVEL3", "LEVEL", true, false},
      {"LEVEL4", "LEVEL4", "LEVEL", true, true},
      {"LEVEL5", "LEVEL5", "LEVEL", true, false},
      {"LEVEL6", "LEVEL6", "LEVEL", true, false},
      {"LEVEL7", "LEVEL7", "LEVEL", true, false},
      {"LEVEL8", "LEVEL8", "LEVEL", true, false},
      {"LEVEL9", "LEVEL9", "LEVEL", true, false},
      {"HINT", QT_TRANSLATE_NOOP("Menu", "ヒント"), "TAIKYOKU", false, false},
      {"OWARI", QT_TRANSLATE_NOOP("Menu", "終わり"), "TAIKYOKU", false, true},
      {"STOP", QT_TRANSLATE_NOOP("Menu", "局面"), "", false, false},
      {"CANCEL", QT_TRANSLATE_NOOP("Menu", "最初"), "STOP", false, false},
      {"REPLAY", QT_TRANSLATE_NOOP("Menu", "戻"), "STOP", false, false},
      {"AFTER", QT_TRANSLATE_NOOP("Menu", "進"), "STOP", false, false},
      {"REVERSE", QT_TRANSLATE_NOOP("Menu", "反転"), "STOP", false, true},
      {"ZENKAI", QT_TRANSLATE_NOOP("Menu", "前回の対局を再開"), "STOP", false, true},
      {"KIFU", QT_TRANSLATE_NOOP("Menu", "棋譜"), "", false, false},
      {"KIFU_WRITE", QT_TRANSLATE_NOOP("Menu", "書込"), "KIFU", false, false},
      {"KIFU_READ", QT_TRANSLATE_NOOP("Menu", "読込"), "KIFU", false, false},
      {"KIFU_COPY_PGN", QT_TRANSLATE_NOOP("Menu", "PGNをｺﾋﾟｰ"), "KIFU", false, false},
      {"KIFU_COPY_FEN", QT_TRANSLATE_NOOP("Menu", "FENをｺﾋﾟｰ"), "KIFU", false, false},
      {"KIFU_PASTE", QT_TRANSLATE_NOOP("Menu", "貼り付け"), "KIFU", false, false},
      {"OPTION", QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"), "", false, false},
      {"MIDORI", QT_TRANSLATE_NOOP("Menu", "緑"), "OPTION", true, false},
      {"TATAMI", QT_TRANSLATE_NOOP("Menu", "畳"), "OPTION", true, false},
      {"TAKE", QT_TRANSLATE_NOOP("Menu", "竹"), "OPTION", true, false},
      {"UCHU", QT_TRANSLATE_NOOP("Menu", "宇宙"), "OPTION", true, false},
      {"RENGA", QT_TRANSLATE_NOOP("Menu", "煉瓦"), "OPTION", true, false},
      {"SIDOU", QT_TRANSLATE_NOOP("Menu", "移動指導"), "OPTION", true, true},
      {"BGM", QT_TRANSLATE_NOOP("Menu", "BGM"), "OPTION", true, false},
      {"HIKIWAKE", QT_TRANSLATE_NOOP("Menu", "引き分け規則"), "OPTION", true, true},
      {"ENGINE", QT_TRANSLATE_NOOP("Menu", "エンジン…"), "OPTION", false, false},
      {"GENGO", QT_TRANSLATE_NOOP("Menu", "言語 / Language"), "OPTION", false, true},
      {"SONOTA", QT_TRANSLATE_NOOP("Menu", "その他"), "", false, false},
      {"KAISETU", QT_TRANSLATE_NOOP("Menu", "解説"), "SONOTA", false, false},
      {"VER", QT_TRANSLATE_NOOP("Menu", "バージョン情報"), "SONOTA", false, false},
      {"LBEL_UP", "▲", "", false, false},
      {"LEBEL_DOWN", "▼", "", false, false},
  };
  return items;
}

namespace {

using Handler = std::function<void(App&)>;

const std::unordered_map<std::string, Handler>& handlers() {
  static const std::unordered_map<std::string, Handler> table = {
      {"TAIKYOKU", TAIKYOKU_Click},
      {"MATCH_MAN", MATCH_MAN_Click},
      {"START", START_Click},
      {"SENTE", SENTE_Click},
      {"GOTE", GOTE_Click},
      {"LEVEL1", LEVEL1_Click},
      {"LEVEL2", LEVEL2_Click},
      {"LEVEL3", LEVEL3_Click},
      {"LEVEL4", LEVEL4_Click},
      {"LEVEL5", LEVEL5_Click},
      {"LEVEL6", LEVEL6_Click},
      {"LEVEL7", LEVEL7_Click},
      {"LEVEL8", LEVEL8_Click},
      {"LEVEL9", LEVEL9_Click},
      {"HINT", HINT_Click},
      {"OWARI", OWARI_Click},
      {"STOP", STOP_Click},
      {"CANCEL", CANCEL_Click},
      {"REPLAY", REPLAY_Click},
      {"AFTER", AFTER_Click},
      {"REVERSE", REVERSE_Click},
      {"ZENKAI", ZENKAI_Click},
      {"KIFU_WRITE", KIFU_WRITE_Click},
      {"KIFU_READ", KIFU_READ_Click},
      {"KIFU_COPY_PGN", KIFU_COPY_PGN_Click},
      {"KIFU_COPY_FEN", KIFU_COPY_FEN_Click},
      {"KIFU_PASTE", KIFU_PASTE_Click},
      {"OPTION", OPTION_Click},
      {"MIDORI", MIDORI_Click},
      {"TATAMI", TATAMI_Click},
      {"TAKE", TAKE_Click},
      {"UCHU", UCHU_Click},
      {"RENGA", RENGA_Click},
      {"SIDOU", SIDOU_Click},
      {"BGM", BGM_Click},
      {"GENGO", GENGO_Click},
      {"HIKIWAKE", HIKIWAKE_Click},
      {"ENGINE", ENGINE_Click},
      {"KAISETU", KAISETU_Click},
      {"VER", VER_Click},
      {"LBEL_UP", LBEL_UP_Click},
      {"LEBEL_DOWN", LEBEL_DOWN_Click},
  };
  return table;
}

}  // namespace

namespace {

// While the engine thinks the position must stay as it was given: commands
// that change it wait, and a new game takes the engine off its search first.
bool changes_the_position(std::string_view name) {
  for (const char* n : {"REPLAY", "AFTER", "REVERSE", "KIFU_READ", "LBEL_UP", "LEBEL_DOWN", "HINT"})
    if (name == n) return true;
  return false;
}

bool starts_a_game(std::string_view name) {
  for (const char* n : {"START", "SENTE", "GOTE", "CANCEL"})
    if (name == n) return true;
  return false;
}

}  // namespace

bool menu_command(App& app, std::string_view name) {
  const auto& table = handlers();
  const auto it = table.find(std::string(name));
  if (it == table.end()) return false;
  if (engine_thinking(app) == 1) {
    if (changes_the_position(name)) {
      refuse(app, QT_TRANSLATE_NOOP("Message", "コンピュータの思考中です"), QT_TRANSLATE_NOOP("Message", "思考中"));
      return true;
    }
    if (starts_a_game(name)) engine_cancel(app);
  }
  it->second(app);
  return true;
}

}  // namespace zarvo
