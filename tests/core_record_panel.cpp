#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "game/record_navigation.h"
#include "records/record_file.h"
#include "records/record_panel.h"
#include "records/record_storage.h"
#include "rules/move_rules.h"
#include "shell/startup.h"
#include "shell/text_encoding.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

const std::string KIFU = ".棋譜";

class Panel : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::FakeRecordPanel panel;
  test::ScratchDir folder{/*enter=*/false};

  void SetUp() override {
    app.platform.panel = &panel;
    app.sounds.sound_forbidden = 11;
    app.sounds.sound_piece = 12;
    reset_game(app);
    panel.dir = panel.files_dir = folder.path();
  }

  void move(int fx, int fy, int tx, int ty, int piece) {
    play_move(app.pos, {fx, fy, tx, ty, piece});
    app.game.move_number += 1;
    record_move(app.record, app.pos.board, app.game.move_number, fx, fy, tx, ty, piece);
    app.game.record_length = app.game.move_number;
  }

  void fill_panel(const std::string& name, const std::string& title, const std::string& first,
                  const std::string& second) {
    KIFU_WRITE_Click(app);
    panel.texts[PanelText::FileName] = name;
    panel.texts[PanelText::Title] = title;
    panel.texts[PanelText::FirstPlayer] = first;
    panel.texts[PanelText::SecondPlayer] = second;
  }

  void choose_file(const std::string& name) {
    KIFU_READ_Click(app);
    panel.file = name;
    File1_Click(app);
  }

  int count_sound(const std::string& call) const {
    return static_cast<int>(std::count(t.sound.calls.begin(), t.sound.calls.end(), call));
  }
  void forget_calls() {
    t.canvas.clear();
    t.sound.calls.clear();
    t.dialogs.messages.clear();
  }
  void expect_refusal(const std::string& text, const std::string& title) {
    ASSERT_EQ(t.dialogs.messages.size(), 1u) << text;
    EXPECT_EQ(t.dialogs.messages[0].text, text);
    EXPECT_EQ(t.dialogs.messages[0].title, title);
    EXPECT_EQ(count_sound("dsPlay 11"), 1) << text;
  }
  std::vector<std::string> lines_of(const std::string& bytes) {
    RecordSource source{bytes};
    std::vector<std::string> lines;
    std::string line;
    while (read_record_line(source, line) == 1) lines.push_back(line);
    return lines;
  }
};

TEST_F(Panel, ModesShowAndHideTheRightControls) {
  KIFU_READ_Click(app);
  EXPECT_TRUE(panel.drives_shown && panel.folders_shown && panel.files_shown);
  EXPECT_FALSE(panel.fields_shown);
  KIFU_WRITE_Click(app);
  EXPECT_TRUE(panel.drives_shown && panel.folders_shown && panel.fields_shown);
  EXPECT_FALSE(panel.files_shown);
  panel.texts[PanelText::FileName] = "a";
  panel.texts[PanelText::Title] = "b";
  panel.texts[PanelText::FirstPlayer] = "c";
  panel.texts[PanelText::SecondPlayer] = "d";
  show_file_lists(app, false, false, false);
  show_record_panel(app, 1);
  EXPECT_FALSE(panel.drives_shown || panel.folders_shown || panel.files_shown || panel.fields_shown);
  for (auto& [field, text] : panel.texts) EXPECT_EQ(text, "");
  // A headless App's panel has no fields and no lists: saving asks for a name,
  // and nothing else is said or changed.
  test::TestApp headless;
  const Board before = headless.app.pos.board;
  KIFU_READ_Click(headless.app);
  KIFU_WRITE_Click(headless.app);
  Command1_Click(headless.app);
  File1_Click(headless.app);
  Drive1_Change(headless.app);
  Dir1_Change(headless.app);
  EXPECT_EQ(headless.dialogs.texts(), std::vector<std::string>{"ﾌｧｲﾙ名が入力されていません"});
  EXPECT_EQ(headless.app.pos.board, before);
}

TEST_F(Panel, WritingIsRefusedAfterFlipOrHandicap) {
  forget_calls();
  app.game.board_reversed = 1;
  KIFU_WRITE_Click(app);
  expect_refusal("反転後は書き込みできません", "棋譜書込");
  EXPECT_FALSE(panel.drives_shown || panel.fields_shown);
  forget_calls();
  app.game.board_reversed = 0;
  app.game.handicap_set = 1;
  KIFU_WRITE_Click(app);
  expect_refusal("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
  EXPECT_FALSE(panel.drives_shown || panel.fields_shown);
}

TEST_F(Panel, SaveRefusalsKeepThePanelOpenAndWriteNothing) {
  struct Row {
    const char* name;
    int moves;
    const char* text;
    const char* title;
  };
  const Row rows[] = {
      {"", 1, "ﾌｧｲﾙ名が入力されていません", "  "},
      {"game", 0, "保存するデータがありません", "棋譜保存"},
      {"sub/game", 1, "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています", "棋譜保存"},
      {"..\\game", 1, "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています", "棋譜保存"},
      {"tab\tname", 1, "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています", "棋譜保存"},
      {"line\nbreak", 1, "ﾌｧｲﾙ名に使えない文字（/ \\ や制御文字）が含まれています", "棋譜保存"},
      // Each would make a hidden file that the file list never shows.
      {".", 1, "「.」で始まるﾌｧｲﾙ名は隠しﾌｧｲﾙになるため使えません", "棋譜保存"},
      {"..", 1, "「.」で始まるﾌｧｲﾙ名は隠しﾌｧｲﾙになるため使えません", "棋譜保存"},
      {".x", 1, "「.」で始まるﾌｧｲﾙ名は隠しﾌｧｲﾙになるため使えません", "棋譜保存"},
  };
  for (const Row& r : rows) {
    reset_game(app);
    if (r.moves) move(5, 7, 5, 5, W_PAWN);
    fill_panel(r.name, "題", "甲", "乙");
    forget_calls();
    Command1_Click(app);
    expect_refusal(r.text, r.title);
    EXPECT_TRUE(panel.fields_shown) << r.name;
    EXPECT_EQ(panel.texts[PanelText::Title], "題");
    EXPECT_TRUE(folder.names().empty()) << r.name;
  }
  reset_game(app);
  move(5, 7, 5, 5, W_PAWN);
  fill_panel(std::string(300, 'n'), "", "", "");
  forget_calls();
  Command1_Click(app);
  expect_refusal("ﾌｧｲﾙ名が長すぎます", "棋譜保存");
}

TEST_F(Panel, SavingWritesHeaderAndEntriesUpToTheShownMove) {
  app.game.lower_player = SECOND;
  move(5, 7, 5, 5, W_PAWN);
  fill_panel("対局一", "練習", "先手さん", "後手さん");
  forget_calls();
  Command1_Click(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "棋譜を書き込みました");
  EXPECT_EQ(t.dialogs.messages[0].title, "  ");
  EXPECT_TRUE(t.sound.calls.empty());
  EXPECT_FALSE(panel.drives_shown || panel.folders_shown || panel.files_shown || panel.fields_shown);
  EXPECT_EQ(panel.texts[PanelText::FileName], "");
  EXPECT_EQ(panel.refreshed, 1);
  ASSERT_EQ(folder.names(), std::vector<std::string>{"対局一" + KIFU});

  const std::string bytes = test::read_bytes(folder.file("対局一" + KIFU));
  const std::vector<std::string> lines = lines_of(bytes);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], utf8_to_cp932("練習"));
  // The lower player moved second: line 2 (upper army) is the first player.
  EXPECT_EQ(lines[1], utf8_to_cp932("先手さん"));
  EXPECT_EQ(lines[2], utf8_to_cp932("後手さん"));
  EXPECT_EQ(lines[3].substr(128), "00000");
  EXPECT_EQ(lines[4].substr(128), "5755-1");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  // With the lower player moving first the names change lines.
  app.game.lower_player = FIRST;
  fill_panel("対局一", "練習", "先手さん", "後手さん");
  Command1_Click(app);
  const std::vector<std::string> again = lines_of(test::read_bytes(folder.file("対局一" + KIFU)));
  ASSERT_EQ(again.size(), 5u);
  EXPECT_EQ(again[1], utf8_to_cp932("後手さん"));
  EXPECT_EQ(again[2], utf8_to_cp932("先手さん"));
  EXPECT_EQ(folder.names().size(), 1u);  // replaced, nothing left beside it
}

TEST_F(Panel, SavingAfterSteppingBackLeavesTheLaterMovesOut) {
  const int moves[10][5] = {{5, 7, 5, 5, -1}, {5, 2, 5, 4, 1},  {7, 8, 6, 6, -2}, {2, 1, 3, 3, 2},  {6, 8, 3, 5, -3},
                            {1, 2, 1, 3, 1},  {3, 5, 1, 4, -3}, {2, 2, 2, 4, 1},  {1, 4, 2, 3, -3}, {3, 2, 2, 3, 1}};
  for (const auto& m : moves) move(m[0], m[1], m[2], m[3], m[4]);
  for (int i = 0; i < 7; ++i) REPLAY_Click(app);
  ASSERT_EQ(app.game.move_number, 3);
  fill_panel("three", "", "", "");
  Command1_Click(app);
  const std::vector<std::string> lines = lines_of(test::read_bytes(folder.file("three" + KIFU)));
  ASSERT_EQ(lines.size(), 3u + 4u);
  for (int n = 0; n <= 3; ++n) EXPECT_EQ(lines[3 + n], encode_record_entry(record_entry_at(app.record, n))) << n;
}

TEST_F(Panel, AFailedSaveKeepsTheOldFileAndLeavesNothingBehind) {
  move(5, 7, 5, 5, W_PAWN);
  const std::string old_bytes = "old record\r\n";
  test::write_file(folder.file("keep" + KIFU), old_bytes);

  // A folder that is gone.
  panel.files_dir = folder.file("missing");
  fill_panel("keep", "", "", "");
  forget_calls();
  Command1_Click(app);
  expect_refusal("保存先のﾌｫﾙﾀﾞが見つかりません", "棋譜保存");
  EXPECT_TRUE(panel.fields_shown);
  EXPECT_EQ(panel.texts[PanelText::FileName], "keep");

  // A disk that fills up halfway: the file size limit makes the write fail the same way.
  panel.files_dir = folder.path();
  for (int i = 0; i < 30; ++i) move(5, 5, 5, 5, W_PAWN);
  forget_calls();
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const sighandler_t old_handler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Command1_Click(app);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, old_handler);
  EXPECT_EQ(t.dialogs.texts(),
            (std::vector<std::string>{"上書きしますか？", "ﾃﾞｨｽｸの空きが足りないため書き込めません"}));
  EXPECT_EQ(count_sound("dsPlay 11"), 1);
  EXPECT_TRUE(panel.fields_shown);
  EXPECT_EQ(test::read_bytes(folder.file("keep" + KIFU)), old_bytes);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"keep" + KIFU});

  // A folder of the same name as the file.
  ASSERT_EQ(::mkdir(folder.file("dir" + KIFU).c_str(), 0755), 0);
  fill_panel("dir", "", "", "");
  forget_calls();
  Command1_Click(app);
  expect_refusal("同じ名前のﾌｫﾙﾀﾞがあるため書き込めません", "棋譜保存");
  EXPECT_EQ(folder.names().size(), 2u);
}

TEST_F(Panel, SavingOverAnExistingFileAsksFirst) {
  move(5, 7, 5, 5, W_PAWN);
  const std::string path = folder.file("old" + KIFU);
  const std::string old_bytes = "t\r\nu\r\nl\r\n";
  struct Row {
    const char* why;
    Answer answer;
    mode_t mode;
    std::vector<std::string> messages;
    bool replaced;
  };
  const Row rows[] = {
      {"No keeps the old file and the panel", Answer::No, 0644, {"上書きしますか？"}, false},
      {"Yes replaces it", Answer::Yes, 0644, {"上書きしますか？", "棋譜を書き込みました"}, true},
      {"a write-protected file stays",
       Answer::Yes,
       0444,
       {"上書きしますか？", "読み取り専用のﾌｧｲﾙには上書きできません"},
       false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    ::unlink(path.c_str());
    test::write_file(path, old_bytes);
    ASSERT_EQ(::chmod(path.c_str(), r.mode), 0);
    fill_panel("old", "題", "甲", "乙");
    forget_calls();
    t.dialogs.script = {r.answer};
    Command1_Click(app);
    EXPECT_EQ(t.dialogs.texts(), r.messages);
    EXPECT_EQ(t.dialogs.messages[0].title, "棋譜保存");
    EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(test::read_bytes(path) != old_bytes, r.replaced);
    // Unless it was saved, the panel stays open with what was typed, to be changed.
    EXPECT_EQ(panel.fields_shown, !r.replaced);
    EXPECT_EQ(panel.texts[PanelText::FileName], r.replaced ? "" : "old");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"old" + KIFU});
  }
  // A new name is saved without a question.
  fill_panel("new", "", "", "");
  forget_calls();
  Command1_Click(app);
  EXPECT_EQ(t.dialogs.texts(), std::vector<std::string>{"棋譜を書き込みました"});
}

TEST_F(Panel, AReadOnlyFolderIsReported) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  move(5, 7, 5, 5, W_PAWN);
  ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
  fill_panel("ro", "", "", "");
  forget_calls();
  Command1_Click(app);
  expect_refusal("このﾌｫﾙﾀﾞには書き込めません", "棋譜保存");
  EXPECT_TRUE(folder.names().empty());
}

TEST_F(Panel, LoadingASavedGamePrintsItsHeaderAndEntersRecordMode) {
  move(5, 7, 5, 5, W_PAWN);
  app.game.lower_player = SECOND;
  fill_panel("one", "名人戦", "羽生", "佐藤");
  Command1_Click(app);

  test::TestApp other;
  App& b = other.app;
  b.platform.panel = &panel;
  reset_game(b);
  b.game.turn = FIRST;  // a game is running: loading ends it
  b.game.game_kind = KIND_TWO_HUMANS;
  other.canvas.clear();
  KIFU_READ_Click(b);
  panel.file = "one" + KIFU;
  File1_Click(b);
  EXPECT_EQ(b.game.record_length, 1);
  EXPECT_EQ(b.game.move_number, 0);
  EXPECT_EQ(b.game.record_mode, 1);
  EXPECT_EQ(b.game.turn, NONE);
  EXPECT_EQ(b.game.game_kind, NONE);
  EXPECT_FALSE(panel.drives_shown || panel.folders_shown || panel.files_shown);
  EXPECT_EQ(other.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  for (const auto& m : other.dialogs.messages) EXPECT_EQ(m.title, "棋譜");
  // The standard position stays on screen until the first step.
  Board start{};
  set_initial_position(start);
  EXPECT_EQ(b.pos.board, start);
  EXPECT_EQ(b.record.record_board[1], app.record.record_board[1]);
  EXPECT_EQ(b.record.record_piece[1], W_PAWN);
  EXPECT_EQ(b.record.record_from_y[1], 7);
  EXPECT_EQ(b.record.record_to_y[1], 5);

  const auto printed = [&](const std::string& text, double left, double top) {
    return std::any_of(other.canvas.texts.begin(), other.canvas.texts.end(), [&](const test::RecordingCanvas::Text& p) {
      return p.text == text && p.left == left && p.top == top && p.size == 12 && p.colour == QB_BLACK;
    });
  };
  EXPECT_TRUE(printed("名人戦", 800, 6350));
  EXPECT_TRUE(printed("羽生", 3700, 100));
  EXPECT_TRUE(printed("佐藤", 3700, 6350));
  // The header came after the redraw of reset_game.
  EXPECT_EQ(other.canvas.calls.back().rfind("print 佐藤", 0), 0u);

  AFTER_Click(b);
  EXPECT_EQ(b.pos.board, app.record.record_board[1]);
  other.dialogs.messages.clear();
  AFTER_Click(b);
  EXPECT_EQ(other.dialogs.texts(), std::vector<std::string>{"終わり"});
}

TEST_F(Panel, AFileWrittenByTheGameIsByteIdenticalAfterLoadAndSave) {
  // The lower army moving first, and the upper army moving first (the computer opening).
  for (const int lower_player : {FIRST, SECOND}) {
    reset_game(app);
    app.game.lower_player = lower_player;
    if (lower_player == FIRST) {
      move(5, 7, 5, 5, W_PAWN);
      move(4, 2, 4, 4, B_PAWN);
      move(5, 5, 4, 4, W_PAWN);
    } else {
      move(5, 2, 5, 4, B_PAWN);
      move(4, 7, 4, 5, W_PAWN);
    }
    fill_panel("orig", "第１局　ﾃｽﾄ", "先", "後");
    Command1_Click(app);
    const std::string original = test::read_bytes(folder.file("orig" + KIFU));

    // Loaded into a program that has played nothing yet, stepped to the end and saved with the same texts.
    test::TestApp other;
    App& b = other.app;
    b.platform.panel = &panel;
    reset_game(b);
    b.game.lower_player = lower_player == FIRST ? SECOND : FIRST;  // left over from another game
    panel.file = "orig" + KIFU;
    File1_Click(b);
    EXPECT_EQ(b.game.lower_player, lower_player);
    while (b.game.move_number < b.game.record_length) AFTER_Click(b);
    KIFU_WRITE_Click(b);
    panel.texts[PanelText::FileName] = "copy";
    panel.texts[PanelText::Title] = "第１局　ﾃｽﾄ";
    panel.texts[PanelText::FirstPlayer] = "先";
    panel.texts[PanelText::SecondPlayer] = "後";
    Command1_Click(b);
    EXPECT_EQ(test::read_bytes(folder.file("copy" + KIFU)), original) << lower_player;
  }
}

TEST_F(Panel, HostileFilesAreRefusedWithNothingChanged) {
  // A game in progress with a few moves, shown on the screen.
  app.game.turn = FIRST;
  app.game.game_kind = KIND_TWO_HUMANS;
  move(5, 7, 5, 5, W_PAWN);
  move(4, 2, 4, 4, B_PAWN);
  const GameState game_before = app.game;
  const Position pos_before = app.pos;
  const MoveRecord record_before = app.record;

  const std::string header = "題\r\n甲\r\n乙\r\n";
  const std::string e0 = encode_record_entry(record_entry_at(app.record, 0));
  const std::string e1 = encode_record_entry(record_entry_at(app.record, 1));
  const std::string good = header + e0 + "\r\n" + e1 + "\r\n";
  const auto changed = [&](size_t column, std::string_view text) {
    std::string line = e1;
    line.replace(column, text.size(), text);
    return header + e0 + "\r\n" + line + "\r\n";
  };
  std::mt19937 rng(99);
  std::string garbage(5000, '\0');
  for (char& c : garbage) c = static_cast<char>(rng() % 256);
  std::string too_many = header;
  for (int i = 0; i < 600; ++i) too_many += e0 + "\r\n";
  std::string blank_lines = good;
  for (int i = 0; i < 100; ++i) blank_lines += "\r\n";

  const std::string no_data = "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
  struct Row {
    const char* file;
    std::string bytes;
    std::string message;
  };
  const Row rows[] = {
      {"empty", "", no_data},
      {"header only", header, no_data},
      {"entry 0 only", header + e0 + "\r\n", no_data},
      {"truncated", good.substr(0, good.size() - 60), "棋譜ﾌｧｲﾙの 5 行目の長さが正しくありません"},
      {"blank lines", blank_lines, "棋譜ﾌｧｲﾙの 6 行目が空行です"},
      {"bad field", changed(20, "xx"), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"bad coordinate", changed(129, "9"), "棋譜ﾌｧｲﾙの 5 行目の座標が正しくありません"},
      {"too many entries", too_many, "手数が多すぎるため読み込めません（最大500手）"},
      {"garbage", garbage, "棋譜ﾌｧｲﾙではありません"},
      {"invalid Shift-JIS", changed(0, "\x81\x20"), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"NUL bytes", changed(0, std::string(2, '\0')), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"NUL in header", std::string("t\0\r\n", 4) + good, "棋譜ﾌｧｲﾙではありません"},
  };
  for (const Row& r : rows) test::write_file(folder.file(std::string(r.file) + KIFU), r.bytes);
  ASSERT_EQ(::mkdir(folder.file("directory" + KIFU).c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo(folder.file("fifo" + KIFU).c_str(), 0644), 0);
  test::write_file(folder.file("no permission" + KIFU), good);
  ASSERT_EQ(::chmod(folder.file("no permission" + KIFU).c_str(), 0), 0);
  ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
  test::write_file(folder.file("huge" + KIFU), good);
  ASSERT_EQ(::truncate(folder.file("huge" + KIFU).c_str(), off_t{1} << 30), 0);  // sparse: no disk used

  const auto check_refused = [&](const std::string& file, const std::string& message) {
    SCOPED_TRACE(file);
    KIFU_READ_Click(app);
    forget_calls();
    panel.file = file;
    test::as_ordinary_user([&] { File1_Click(app); });
    expect_refusal(message, "棋譜");
    EXPECT_TRUE(t.canvas.calls.empty());
    EXPECT_TRUE(panel.files_shown);  // the user may choose another file
    EXPECT_EQ(app.pos.board, pos_before.board);
    EXPECT_EQ(app.game.turn, game_before.turn);
    EXPECT_EQ(app.game.game_kind, game_before.game_kind);
    EXPECT_EQ(app.game.move_number, game_before.move_number);
    EXPECT_EQ(app.game.record_length, game_before.record_length);
    EXPECT_EQ(app.game.record_mode, 0);
    EXPECT_TRUE(app.record.record_board == record_before.record_board);
    EXPECT_TRUE(app.record.record_piece == record_before.record_piece);
    EXPECT_TRUE(app.record.record_to_x == record_before.record_to_x);
  };
  for (const Row& r : rows) check_refused(std::string(r.file) + KIFU, r.message);
  check_refused("missing" + KIFU, "棋譜ﾌｧｲﾙを開けません");
  check_refused("directory" + KIFU, "棋譜ﾌｧｲﾙを開けません");
  check_refused("fifo" + KIFU, "棋譜ﾌｧｲﾙを開けません");
  check_refused("no permission" + KIFU, "棋譜ﾌｧｲﾙを読む権限がありません");
  check_refused("huge" + KIFU, "棋譜ﾌｧｲﾙではありません");

  // The same game, whole, loads.
  test::write_file(folder.file("good" + KIFU), good);
  forget_calls();
  choose_file("good" + KIFU);
  EXPECT_EQ(t.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(app.game.record_length, 1);
}

TEST_F(Panel, ChoosingADriveFollowsThroughToTheFileList) {
  panel.drive_list = {"/", "/media/usb"};
  panel.not_ready = {"/media/usb"};
  panel.drive = "/media/usb";
  forget_calls();
  Drive1_Change(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "ﾃﾞﾊﾞｲｽが準備できていません");
  EXPECT_EQ(t.dialogs.messages[0].title, "ｴﾗｰ");
  EXPECT_EQ(panel.dir, folder.path());
  EXPECT_EQ(panel.files_dir, folder.path());
  EXPECT_EQ(panel.drive, "/media/usb");  // the drive list keeps the choice
  panel.drive = "/";
  Drive1_Change(app);
  EXPECT_EQ(panel.dir, "/");
  EXPECT_EQ(panel.files_dir, "/");
  EXPECT_EQ(t.dialogs.messages.size(), 1u);
  panel.dir = folder.path();
  Dir1_Change(app);
  EXPECT_EQ(panel.files_dir, folder.path());
}

}  // namespace
}  // namespace zarvo
