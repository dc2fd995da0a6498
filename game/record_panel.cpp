#include "game/record_panel.h"

#include <fstream>
#include <string>

#include "display/board_drawing.h"
#include "display/texts.h"
#include "records/pgn.h"
#include "records/pgn_collection.h"
#include "records/record_file.h"
#include "records/record_storage.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/record_panel.h"
#include "shell/sound.h"
#include "shell/startup.h"
#include "shell/translation.h"

namespace zarvo {
namespace {

// Where the header texts of a loaded record are printed around the board, in twips.
constexpr double TITLE_LEFT = 800, TITLE_TOP = 6350;
constexpr double UPPER_NAME_LEFT = 3700, UPPER_NAME_TOP = 100;
constexpr double LOWER_NAME_LEFT = 3700, LOWER_NAME_TOP = 6350;
constexpr double HEADER_FONT_SIZE = 12;

// A line the file does not have, or an empty one, prints nothing.
void print_header(App& app, const std::string& text, double left, double top) {
  print_record_header(app, text, left, top, HEADER_FONT_SIZE);
}

}  // namespace

// Puts a checked record into the move record; nothing is touched before this.
void take_record(App& app, const RecordFile& file) {
  GameState& g = app.game;
  reset_game(app);
  app.origin = file.origin;
  // The castling rights, en passant square and counters a FEN gave stay the
  // start of the record, for the rules and for saving again.
  if (!file.origin.start_fen.empty()) {
    Position start;
    int upper = 0;
    if (from_fen(file.origin.start_fen, Orientation{}, start, upper).empty()) app.record.start = start;
  }
  g.record_mode = 1;
  print_header(app, file.title, TITLE_LEFT, TITLE_TOP);
  print_header(app, file.upper_name, UPPER_NAME_LEFT, UPPER_NAME_TOP);
  print_header(app, file.lower_name, LOWER_NAME_LEFT, LOWER_NAME_TOP);
  int n = 0;
  for (const RecordEntry& e : file.entries) {
    record_move(app.record, e.board, n, e.from_x, e.from_y, e.to_x, e.to_y, e.piece);
    ++n;
  }
  g.move_number = 0;
  // Who moved first decides which panel field names which army when the record
  // is saved again; the record tells it, whatever game ran before.
  g.lower_player = file.entries.size() > 1 && file.entries[1].piece >= B_PAWN ? SECOND : FIRST;
  g.upper_player = g.lower_player == FIRST ? SECOND : FIRST;
  g.record_length = n - 1;
  // A position without moves has no step to show it: it is shown at once, to play from.
  if (g.record_length == 0) {
    app.pos.board = file.entries[0].board;
    restore_history(app.record, 0, app.pos);
    rescan(app.pos);
    draw_board(app);
  }
}

namespace {

// Tells what the loaded record holds: moves to step through, or a position.
void announce_loaded(App& app, const RecordFile& file) {
  Dialogs& d = *app.platform.dialogs;
  if (file.entries.size() <= 1 && file.origin.start_fen.empty()) {
    d.message_box(QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), "棋譜", Buttons::Ok);
    return;
  }
  d.message_box(QT_TRANSLATE_NOOP("Message", " 読み込みました"), "棋譜", Buttons::Ok);
  if (file.entries.size() > 1)
    d.message_box(QT_TRANSLATE_NOOP("Message", "棋譜を '進 'で進めて下さい"), "棋譜", Buttons::Ok);
}

// One game of a collection, replayed now; a game that cannot be read is
// refused and marked in the list, and the game on the board stays.
bool load_collection_game(App& app, const std::string& path, const PgnGameEntry& game) {
  RecordPanel& panel = *app.platform.panel;
  std::string message = game.problem, bytes;
  std::optional<RecordFile> file;
  if (message.empty()) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !read_pgn_game(in, game, bytes)) message = record_read_error_text(FileError::failed);
  }
  if (message.empty()) file = parse_pgn(bytes, message, game.line);
  if (!file) {
    panel.mark_game(game.number, message);
    refuse(app, message, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return false;
  }
  panel.show_games({}, {});
  show_file_lists(app, false, false, false);
  take_record(app, *file);
  announce_loaded(app, *file);
  return true;
}

// The names a loaded PGN game brought, where nothing was typed.
std::string typed_or(const std::string& typed, const GameOrigin& origin, std::string_view tag) {
  if (!typed.empty()) return typed;
  for (const PgnTag& t : origin.tags)
    if (t.name == tag && t.value != "?") return t.value;
  return typed;
}

// What goes before a game added to a collection: a blank line after the last game.
std::string game_separator(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0) return {};
  const std::streamoff tail = std::min<std::streamoff>(size, 2);
  std::string end(static_cast<size_t>(tail), '\0');
  in.seekg(size - tail);
  in.read(end.data(), tail);
  if (end.ends_with("\n\n") || end == "\n") return {};
  return end.ends_with("\n") ? "\n" : "\n\n";
}

RecordFile record_to_save(App& app, RecordPanel& panel) {
  const GameState& g = app.game;
  RecordFile file;
  file.origin = app.origin;
  file.title = typed_or(panel.text(PanelText::Title), app.origin, "Event");
  const std::string first = panel.text(PanelText::FirstPlayer);
  const std::string second = panel.text(PanelText::SecondPlayer);
  // Line 2 names the upper army's player, line 3 the lower army's.
  if (g.lower_player == FIRST) {
    file.upper_name = second;
    file.lower_name = first;
  } else {
    file.upper_name = first;
    file.lower_name = second;
  }
  // A game read from PGN has White below.
  file.lower_name = typed_or(file.lower_name, app.origin, "White");
  file.upper_name = typed_or(file.upper_name, app.origin, "Black");
  for (int n = 0; n <= g.move_number && n <= RECORD_LAST; ++n) file.entries.push_back(record_entry_at(app.record, n));
  return file;
}

}  // namespace

void show_file_lists(App& app, bool drives, bool folders, bool files) {
  app.platform.panel->set_lists_visible(drives, folders, files);
}

void show_record_panel(App& app, int flag) {
  RecordPanel& panel = *app.platform.panel;
  if (flag == 0) {
    panel.set_fields_visible(true);
    return;
  }
  for (PanelText t : {PanelText::FileName, PanelText::Title, PanelText::FirstPlayer, PanelText::SecondPlayer})
    panel.set_text(t, "");
  panel.set_fields_visible(false);
}

void close_record_panel(App& app) {
  show_file_lists(app, false, false, false);
  show_record_panel(app, 1);
}

void KIFU_READ_Click(App& app) {
  show_file_lists(app, true, true, true);
  show_record_panel(app, 1);
}

void KIFU_WRITE_Click(App& app) {
  const GameState& g = app.game;
  if (g.board_reversed == 1) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "反転後は書き込みできません"), QT_TRANSLATE_NOOP("Message", "棋譜書込"));
    return;
  }
  if (g.handicap_set == 1) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"),
           QT_TRANSLATE_NOOP("Message", "棋譜書込"));
    return;
  }
  show_file_lists(app, true, true, false);
  show_record_panel(app, 0);
}

void Command1_Click(App& app) {
  RecordPanel& panel = *app.platform.panel;
  const std::string name = panel.text(PanelText::FileName);
  if (name.empty()) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "ﾌｧｲﾙ名が入力されていません"), "  ");
    return;
  }
  if (app.game.move_number < 1) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "保存するデータがありません"), QT_TRANSLATE_NOOP("Message", "棋譜保存"));
    return;
  }
  if (const std::string problem = file_name_problem(name); !problem.empty()) {
    refuse(app, problem, QT_TRANSLATE_NOOP("Message", "棋譜保存"));
    return;
  }
  // A name ending in ".pgn" saves the game for other chess programs.
  const bool pgn = is_pgn_name(name);
  const std::string path = join_path(panel.file_folder(), pgn ? name : name + std::string(RECORD_EXTENSION));
  Dialogs& d = *app.platform.dialogs;
  ChessReading reading;
  const RecordFile record = record_to_save(app, panel);
  std::string image;
  if (pgn) {
    image = write_pgn(record, today(), &reading);
    if (image.empty()) {
      refuse(app,
             fill(translate("Message", QT_TRANSLATE_NOOP("Message", "%1。PGNには書き出せません")), {reading.problem}),
             QT_TRANSLATE_NOOP("Message", "棋譜保存"));
      return;
    }
  } else if (const std::vector<std::string> losses = record_file_losses(record); !losses.empty()) {
    std::string list;
    for (const std::string& loss : losses) list += "\r・" + loss;
    const std::string text = fill(
        translate("Message", QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙには次のものが保存されません:%1\r\r保存しますか？")),
        {list});
    // "No" keeps the panel open, to save as .pgn instead.
    if (d.message_box(text, QT_TRANSLATE_NOOP("Message", "棋譜保存"), Buttons::YesNo) != Answer::Yes) return;
  }
  if (!pgn) image = write_record_file(record);
  // A collection may take one more game; "キャンセル" keeps the panel open.
  bool append = false;
  if (file_exists(path)) {
    if (pgn) {
      const Answer a =
          d.message_box(QT_TRANSLATE_NOOP("Message", "同じ名前のﾌｧｲﾙがあります。上書きしますか、対局を追加しますか？"),
                        QT_TRANSLATE_NOOP("Message", "棋譜保存"), Buttons::OverwriteAppendCancel);
      if (a != Answer::Overwrite && a != Answer::Append) return;
      append = a == Answer::Append;
    } else if (d.message_box(QT_TRANSLATE_NOOP("Message", "上書きしますか？"), QT_TRANSLATE_NOOP("Message", "棋譜保存"),
                             Buttons::YesNo) != Answer::Yes) {
      return;
    }
  }
  if (append) image = game_separator(path) + image;
  if (const FileError error = append ? append_to_file(path, image) : replace_file(path, image);
      error != FileError::none) {
    refuse(app, record_write_error_text(error), QT_TRANSLATE_NOOP("Message", "棋譜保存"));
    return;
  }
  close_record_panel(app);
  panel.refresh_files();
  app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "棋譜を書き込みました"), "  ", Buttons::Ok);
  if (reading.left_out > 0) {
    app.platform.dialogs->message_box(
        fill(translate("Message", "%1。以降の%2手はPGNに含めていません"),
             {fill(translate("Message", reading.problem_pattern), {std::to_string(reading.problem_move)}),
              std::to_string(reading.left_out)}),
        QT_TRANSLATE_NOOP("Message", "棋譜保存"), Buttons::Ok);
  }
}

void File1_Click(App& app) {
  RecordPanel& panel = *app.platform.panel;
  const std::string file_name = panel.chosen_file();
  if (file_name.empty()) return;
  const std::string path = join_path(panel.file_folder(), file_name);
  if (is_pgn_name(file_name)) {
    // A collection is only looked through here: a game is replayed when chosen.
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      refuse(app, record_read_error_text(file_exists(path) ? FileError::no_permission : FileError::not_found),
             QT_TRANSLATE_NOOP("Message", "棋譜"));
      return;
    }
    std::vector<PgnGameEntry> games = index_pgn(in);
    if (games.empty()) {
      refuse(app, QT_TRANSLATE_NOOP("Message", "PGNﾌｧｲﾙではありません"), QT_TRANSLATE_NOOP("Message", "棋譜"));
      return;
    }
    if (games.size() == 1) {
      load_collection_game(app, path, games.front());
      return;
    }
    show_file_lists(app, false, false, false);
    panel.show_games(path, std::move(games));
    return;
  }
  // Read and check the whole file first: a file that is refused leaves the
  // game, the move record and the screen as they were.
  std::string bytes;
  if (const FileError error = read_whole_file(path, RECORD_FILE_MAX_BYTES, bytes); error != FileError::none) {
    refuse(app, record_read_error_text(error), QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  std::string message;
  const std::optional<RecordFile> file = parse_record_file(bytes, message);
  if (!file) {
    refuse(app, message, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  if (file->entries.empty()) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  show_file_lists(app, false, false, false);
  take_record(app, *file);
  announce_loaded(app, *file);
}

void Games1_Click(App& app) {
  RecordPanel& panel = *app.platform.panel;
  const PgnGameEntry* game = panel.chosen_game();
  if (!game) return;
  // The list may change under a refusal: the entry is copied first.
  const PgnGameEntry chosen = *game;
  load_collection_game(app, panel.games_path(), chosen);
}

void KIFU_COPY_PGN_Click(App& app) {
  close_record_panel(app);
  ChessReading reading;
  const std::string pgn = write_pgn(record_to_save(app, *app.platform.panel), today(), &reading);
  if (pgn.empty()) {
    refuse(app,
           fill(translate("Message", QT_TRANSLATE_NOOP("Message", "%1。PGNには書き出せません")), {reading.problem}),
           QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  app.platform.clipboard->set_text(pgn);
}

void KIFU_COPY_FEN_Click(App& app) {
  close_record_panel(app);
  const ChessReading reading = read_as_chess(record_to_save(app, *app.platform.panel));
  if (static_cast<int>(reading.fens.size()) <= app.game.move_number) {
    refuse(app, reading.problem, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  app.platform.clipboard->set_text(reading.fens.back());
}

void KIFU_PASTE_Click(App& app) {
  close_record_panel(app);
  std::string text = app.platform.clipboard->text();
  // A FEN alone is a position without moves.
  const size_t start = text.find_first_not_of(" \t\r\n");
  if (start != std::string::npos && text[start] != '[' && text.find('/') != std::string::npos &&
      text.find_first_of("\r\n", start) >= text.find_last_not_of(" \t\r\n")) {
    const size_t end = text.find_last_not_of(" \t\r\n");
    text = "[SetUp \"1\"]\n[FEN \"" + text.substr(start, end - start + 1) + "\"]\n\n*\n";
  }
  std::string message;
  const std::optional<RecordFile> file = parse_pgn(text, message);
  if (!file) {
    refuse(app, message, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  take_record(app, *file);
  announce_loaded(app, *file);
}

void Drive1_Change(App& app) {
  RecordPanel& panel = *app.platform.panel;
  if (!panel.set_folder(panel.chosen_drive())) {
    app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "ﾃﾞﾊﾞｲｽが準備できていません"),
                                      QT_TRANSLATE_NOOP("Message", "ｴﾗｰ"), Buttons::Ok);
    return;
  }
  Dir1_Change(app);
}

void Dir1_Change(App& app) {
  RecordPanel& panel = *app.platform.panel;
  panel.set_file_folder(panel.folder());
}

}  // namespace zarvo
