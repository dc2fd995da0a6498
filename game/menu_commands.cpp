#include "game/menu_commands.h"

#include <functional>
#include <string>
#include <unordered_map>

#include "display/board_drawing.h"
#include "game/flip.h"
#include "game/game_modes.h"
#include "game/levels.h"
#include "game/record_navigation.h"
#include "records/record_panel.h"
#include "shell/app.h"
#include "shell/help_version.h"
#include "shell/settings.h"
#include "shell/startup.h"

namespace zarvo {

const std::vector<MenuItem>& menu_items() {
  static const std::vector<MenuItem> items = {
      {"TAIKYOKU", "対局", "", false, false},
      {"MATCH_MAN", "対局(人間)", "TAIKYOKU", false, false},
      {"START", "スタート", "MATCH_MAN", false, false},
      {"START2", "対局(COM)", "TAIKYOKU", false, false},
      {"SENTE", "先手", "START2", false, false},
      {"GOTE", "後手", "START2", false, false},
      {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", false, false},
      {"LEVEL1", "LEVEL1", "LEVEL", true, false},
      {"LEVEL2", "LEVEL2", "LEVEL", true, false},
      {"LEVEL3", "LEVEL3", "LEVEL", true, false},
      {"OWARI", "終わり", "TAIKYOKU", false, true},
      {"STOP", "局面", "", false, false},
      {"CANCEL", "最初", "STOP", false, false},
      {"REPLAY", "戻", "STOP", false, false},
      {"AFTER", "進", "STOP", false, false},
      {"REVERSE", "反転", "STOP", false, true},
      {"KIFU", "棋譜", "", false, false},
      {"KIFU_WRITE", "書込", "KIFU", false, false},
      {"KIFU_READ", "読込", "KIFU", false, false},
      {"KIFU_COPY_PGN", "PGNをｺﾋﾟｰ", "KIFU", false, false},
      {"KIFU_COPY_FEN", "FENをｺﾋﾟｰ", "KIFU", false, false},
      {"KIFU_PASTE", "貼り付け", "KIFU", false, false},
      {"OPTION", "ｵﾌﾟｼｮﾝ", "", false, false},
      {"MIDORI", "緑", "OPTION", true, false},
      {"TATAMI", "畳", "OPTION", true, false},
      {"TAKE", "竹", "OPTION", true, false},
      {"UCHU", "宇宙", "OPTION", true, false},
      {"RENGA", "煉瓦", "OPTION", true, false},
      {"SIDOU", "移動指導", "OPTION", true, true},
      {"BGM", "BGM", "OPTION", true, false},
      {"SONOTA", "その他", "", false, false},
      {"KAISETU", "解説", "SONOTA", false, false},
      {"VER", "バージョン情報", "SONOTA", false, false},
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
      {"OWARI", OWARI_Click},
      {"STOP", STOP_Click},
      {"CANCEL", CANCEL_Click},
      {"REPLAY", REPLAY_Click},
      {"AFTER", AFTER_Click},
      {"REVERSE", REVERSE_Click},
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
      {"KAISETU", KAISETU_Click},
      {"VER", VER_Click},
      {"LBEL_UP", LBEL_UP_Click},
      {"LEBEL_DOWN", LEBEL_DOWN_Click},
  };
  return table;
}

}  // namespace

bool menu_command(App& app, std::string_view name) {
  const auto& table = handlers();
  const auto it = table.find(std::string(name));
  if (it == table.end()) return false;
  it->second(app);
  return true;
}

}  // namespace zarvo
