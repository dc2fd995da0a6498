#include "records/record_panel.h"

#include <string>

#include "display/texts.h"
#include "records/pgn.h"
#include "records/record_file.h"
#include "records/record_panel_seam.h"
#include "records/record_storage.h"
#include "shell/app.h"
#include "shell/file_io.h"
#include "shell/sound.h"
#include "shell/startup.h"

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

// Puts a checked record of at least one move into the move record; nothing is
// touched before this.
void take_record(App& app, const RecordFile& file) {
  GameState& g = app.game;
  reset_game(app);
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
  g.lower_player = file.entries[1].piece >= B_PAWN ? SECOND : FIRST;
  g.upper_player = g.lower_player == FIRST ? SECOND : FIRST;
  g.record_length = n - 1;
}

namespace {

RecordFile record_to_save(App& app, RecordPanel& panel) {
  const GameState& g = app.game;
  RecordFile file;
  file.title = panel.text(PanelText::Title);
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
  // "No" keeps the panel open with the name, to be changed or confirmed.
  if (file_exists(path) &&
      app.platform.dialogs->message_box(QT_TRANSLATE_NOOP("Message", "上書きしますか？"),
                                        QT_TRANSLATE_NOOP("Message", "棋譜保存"), Buttons::YesNo) != Answer::Yes)
    return;
  ChessReading reading;
  const RecordFile record = record_to_save(app, panel);
  const std::string image = pgn ? write_pgn(record, today(), &reading) : write_record_file(record);
  if (const FileError error = replace_file(path, image); error != FileError::none) {
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
  // Read and check the whole file first: a file that is refused leaves the
  // game, the move record and the screen as they were.
  std::string bytes;
  if (const FileError error = read_whole_file(join_path(panel.file_folder(), file_name), RECORD_FILE_MAX_BYTES, bytes);
      error != FileError::none) {
    refuse(app, record_read_error_text(error), QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  std::string message;
  const std::optional<RecordFile> file =
      is_pgn_name(file_name) ? parse_pgn(bytes, message) : parse_record_file(bytes, message);
  if (!file) {
    refuse(app, message, QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  // Nothing to step through is no reason to give up the game on the board.
  if (file->entries.size() <= 1) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), QT_TRANSLATE_NOOP("Message", "棋譜"));
    return;
  }
  show_file_lists(app, false, false, false);
  take_record(app, *file);
  Dialogs& d = *app.platform.dialogs;
  d.message_box(QT_TRANSLATE_NOOP("Message", " 読み込みました"), QT_TRANSLATE_NOOP("Message", "棋譜"), Buttons::Ok);
  d.message_box(QT_TRANSLATE_NOOP("Message", "棋譜を '進 'で進めて下さい"), QT_TRANSLATE_NOOP("Message", "棋譜"),
                Buttons::Ok);
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
