#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "computer/uci.h"
#include "display/display_state.h"
#include "game/menu_commands.h"
#include "game/option_commands.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/text_encoding.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

const std::string INI = "Zarvoチェス.ini";
constexpr int MUSIC = 4;

// The defaults as the program writes them, spelled out in Shift-JIS bytes:
// 背景画=緑 / 移動指導=OFF / BGM=ON, each ending in CR LF.
const std::string DEFAULT_BYTES =
    "\x94\x77\x8C\x69\x89\xE6=\x97\xCE\r\n"
    "\x88\xDA\x93\xAE\x8E\x77\x93\xB1=OFF\r\n"
    "BGM=ON\r\n";

class Settings : public ::testing::Test {
 protected:
  Settings() { app.sounds.sound_music = MUSIC; }

  void write_ini(const std::string& utf8) { test::write_bytes(INI, utf8_to_cp932(utf8)); }
  std::string ini() const { return cp932_to_utf8(test::file_bytes(INI)); }
  bool checked(const char* item) { return t.widgets.is_checked(item); }
  std::string checked_backgrounds() {
    std::string out;
    for (const char* item : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
      if (checked(item)) out += std::string(out.empty() ? "" : " ") + item;
    return out;
  }
  size_t tiles_painted(const std::string& picture) const {
    return t.canvas.matching("picture " + picture + " ").size();
  }
  size_t music_starts() const {
    return std::count(t.sound.calls.begin(), t.sound.calls.end(), "dsPlayLooping " + std::to_string(MUSIC));
  }

  test::ScratchDir dir;
  test::TestApp t;
  App& app = t.app;
};

TEST_F(Settings, AMissingFileIsCreatedWithTheDefaultsInShiftJisAndApplied) {
  t.widgets.set_checked("SIDOU", true);
  app.options.guidance_colour = QB_BRIGHT_WHITE;  // as start-up leaves it
  load_settings(app);
  EXPECT_EQ(test::file_bytes(INI), DEFAULT_BYTES);
  EXPECT_EQ(checked_backgrounds(), "MIDORI");
  EXPECT_FALSE(checked("SIDOU"));
  EXPECT_TRUE(checked("BGM"));
  EXPECT_EQ(app.options.current_background, TILE_MIDORI);
  EXPECT_EQ(app.game.guidance_on, 0);
  // The written default only clears the menu mark; the frame colour keeps its start-up white.
  EXPECT_EQ(app.options.guidance_colour, QB_BRIGHT_WHITE);
  EXPECT_EQ(music_starts(), 1u);
  // Every grid cell around the board, and none on it.
  EXPECT_EQ(tiles_painted("HAIKEI_MIDORI"), 24u * 18u - 64u);
  // Nothing but the settings file is left behind.
  EXPECT_EQ(test::directory_listing(), INI);
}

TEST_F(Settings, EachBackgroundValueChoosesItsTileAndMenuItem) {
  struct Row {
    const char* value;
    int kind;
    const char* item;
    const char* picture;
  };
  for (const Row& r : {Row{"緑", TILE_MIDORI, "MIDORI", "HAIKEI_MIDORI"}, Row{"竹", TILE_TAKE, "TAKE", "HAIKEI_TAKE"},
                       Row{"畳", TILE_TATAMI, "TATAMI", "HAIKEI_TATAMI"}, Row{"宇宙", TILE_UCHU, "UCHU", "HAIKEI_UCHU"},
                       Row{"煉瓦", TILE_RENGA, "RENGA", "HAIKEI_RENGA"}}) {
    SCOPED_TRACE(r.value);
    test::TestApp fresh;
    const std::string text = std::string("背景画=") + r.value + "\r\n移動指導=OFF\r\nBGM=OFF\r\n";
    write_ini(text);
    load_settings(fresh.app);
    EXPECT_EQ(fresh.app.options.current_background, r.kind);
    for (const char* item : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
      EXPECT_EQ(fresh.widgets.is_checked(item), std::string(item) == r.item) << item;
    EXPECT_EQ(fresh.canvas.matching(std::string("picture ") + r.picture + " ").size(), 24u * 18u - 64u);
    // A good file is read, never rewritten.
    EXPECT_EQ(ini(), text);
  }
}

TEST_F(Settings, OnlyAnExactUpperCaseOnSwitchesAnOptionOn) {
  write_ini("移動指導=ON\r\nBGM=ON\r\n");
  load_settings(app);
  EXPECT_TRUE(checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 1);
  EXPECT_EQ(app.options.guidance_colour, QB_BRIGHT_WHITE);
  EXPECT_TRUE(checked("BGM"));
  EXPECT_EQ(music_starts(), 1u);

  test::TestApp lower;
  lower.app.options.guidance_colour = QB_BRIGHT_WHITE;
  write_ini("移動指導=on\r\nBGM=On\r\n");
  load_settings(lower.app);
  EXPECT_FALSE(lower.widgets.is_checked("SIDOU"));
  EXPECT_EQ(lower.app.game.guidance_on, 0);
  EXPECT_EQ(lower.app.options.guidance_colour, erase_colour);
  EXPECT_FALSE(lower.widgets.is_checked("BGM"));
  EXPECT_TRUE(lower.sound.calls.empty());
}

TEST_F(Settings, AFileWithOnlyMusicOffStillTicksAndPaintsTheDefaultBackground) {
  write_ini("BGM=OFF\r\n");
  load_settings(app);
  EXPECT_EQ(checked_backgrounds(), "MIDORI");
  EXPECT_EQ(app.options.current_background, TILE_MIDORI);
  EXPECT_EQ(tiles_painted("HAIKEI_MIDORI"), 24u * 18u - 64u);
  EXPECT_FALSE(checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 0);
  EXPECT_FALSE(checked("BGM"));
  EXPECT_EQ(music_starts(), 0u);
  EXPECT_EQ(ini(), "BGM=OFF\r\n");

  save_settings(app);
  EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n");
}

TEST_F(Settings, UnknownKeysAndValuesAreSkippedWithoutRewritingTheFile) {
  const std::string text =
      "背景画=青\r\n"  // not one of the five
      "bgm=ON\r\n"     // keys are case-sensitive
      "色=赤\r\n"
      "BGM=ON=1\r\n"  // the value is everything after the first "="
      "背景画=竹\r\n"
      " 移動指導=ON\r\n";  // a blank before the key makes another key
  write_ini(text);
  load_settings(app);
  EXPECT_EQ(checked_backgrounds(), "TAKE");  // a later unknown value does not undo a known one
  EXPECT_FALSE(checked("SIDOU"));
  EXPECT_FALSE(checked("BGM"));
  EXPECT_EQ(music_starts(), 0u);
  EXPECT_EQ(ini(), text);
}

TEST_F(Settings, TheLastLineForAnOptionWinsAndMusicSwitchedOffLaterNeverStarts) {
  write_ini("BGM=ON\r\n背景画=畳\r\n背景画=煉瓦\r\n移動指導=ON\r\n移動指導=OFF\r\nBGM=OFF\r\n");
  load_settings(app);
  EXPECT_EQ(checked_backgrounds(), "RENGA");
  EXPECT_EQ(app.options.current_background, TILE_RENGA);
  EXPECT_FALSE(checked("SIDOU"));
  EXPECT_FALSE(checked("BGM"));
  EXPECT_EQ(music_starts(), 0u);
}

TEST_F(Settings, LineEndsOfEveryKindAndBlankLinesAreRead) {
  for (const char* text : {"背景画=宇宙\n移動指導=ON\nBGM=OFF", "背景画=宇宙\r移動指導=ON\rBGM=OFF\r",
                           "\r\n背景画=宇宙\r\n\r\n移動指導=ON\r\nBGM=OFF\r\n\r\n"}) {
    SCOPED_TRACE(text);
    test::TestApp fresh;
    write_ini(text);
    load_settings(fresh.app);
    EXPECT_EQ(fresh.app.options.current_background, TILE_UCHU);
    EXPECT_TRUE(fresh.widgets.is_checked("SIDOU"));
    EXPECT_FALSE(fresh.widgets.is_checked("BGM"));
    EXPECT_EQ(cp932_to_utf8(test::file_bytes(INI)), text);
  }
}

// Whatever the file holds, start-up reads what it can, falls back to an
// option's default for the rest, and never rewrites or replaces the file.
TEST_F(Settings, HostileFilesAreReadAsFarAsTheyGoAndLeftAlone) {
  enum Kind { TEXT, DIRECTORY, FIFO, NO_PERMISSION, HUGE };
  struct Row {
    const char* why;
    Kind kind;
    std::string bytes;  // Shift-JIS
    const char* background;
    bool guidance, music;
  };
  const auto sjis = [](const char* utf8) { return utf8_to_cp932(utf8); };
  std::string many_lines;
  for (int i = 0; i < 100; ++i) many_lines += sjis(i % 2 ? "背景画=竹\r\n" : "背景画=畳\r\n");
  const Row rows[] = {
      // What a file does not say is the default a missing file gives: music on.
      {"empty", TEXT, "", "MIDORI", false, true},
      {"a section header only", TEXT, "[Zarvo]\r\n", "MIDORI", false, true},
      {"cut in the middle of a line", TEXT, sjis("移動指導=ON\r\n背景画=宇"), "MIDORI", true, true},
      {"blank lines", TEXT, sjis("\r\n\r\n背景画=竹\r\n\r\nBGM=ON\r\n\r\n"), "TAKE", false, true},
      {"a broken line", TEXT, sjis("背景画=煉瓦\r\nこわれた行\r\n移動指導=ON\r\nBGM=OFF\r\n"), "RENGA", true, false},
      {"a bad background", TEXT, sjis("背景画=青\r\n移動指導=ON\r\n"), "MIDORI", true, true},
      {"a key with blanks", TEXT, sjis("背景画 = 竹\r\n BGM=ON\r\n"), "MIDORI", false, true},
      {"many lines", TEXT, many_lines, "TAKE", false, true},
      {"cut off before the music", TEXT, sjis("背景画=畳\r\n移動指導=OFF\r\nBG"), "TATAMI", false, true},
      {"garbage", TEXT, std::string("\x01\x7F\xFF\xFE=\x80\r\n\x1B[2J", 12), "MIDORI", false, true},
      {"invalid Shift-JIS", TEXT, sjis("背景画=") + "\xFF\xFE\r\n" + sjis("移動指導=ON\r\n"), "MIDORI", true, true},
      {"NUL bytes", TEXT, std::string("BGM=ON\0\r\nBGM\0=ON\r\n", 18) + sjis("背景画=畳"), "TATAMI", false, false},
      {"a directory", DIRECTORY, "", "MIDORI", false, true},
      {"a FIFO", FIFO, "", "MIDORI", false, true},
      {"no read permission", NO_PERMISSION, sjis("背景画=竹\r\nBGM=OFF\r\n"), "MIDORI", false, true},
      {"a huge file", HUGE, sjis("背景画=竹\r\nBGM=OFF\r\n"), "MIDORI", false, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    test::ScratchDir scratch;
    test::TestApp fresh;
    fresh.app.sounds.sound_music = MUSIC;
    if (r.kind == DIRECTORY) {
      ASSERT_EQ(::mkdir(INI.c_str(), 0755), 0);
    }
    if (r.kind == FIFO) {
      ASSERT_EQ(::mkfifo(INI.c_str(), 0644), 0);
    }
    if (r.kind == TEXT || r.kind == NO_PERMISSION || r.kind == HUGE) test::write_bytes(INI, r.bytes);
    if (r.kind == NO_PERMISSION) {
      ASSERT_EQ(::chmod(INI.c_str(), 0), 0);
    }
    if (r.kind == HUGE) {
      ASSERT_EQ(::truncate(INI.c_str(), off_t{1} << 30), 0);
    }
    struct stat before {};
    ASSERT_EQ(::lstat(INI.c_str(), &before), 0);
    ASSERT_EQ(::chmod(scratch.path().c_str(), 0755), 0);

    test::as_ordinary_user([&] { load_settings(fresh.app); });
    std::string backgrounds;
    for (const char* item : {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"})
      if (fresh.widgets.is_checked(item)) backgrounds += item;
    EXPECT_EQ(backgrounds, r.background);
    EXPECT_NE(fresh.app.options.current_background, 0);
    EXPECT_EQ(fresh.canvas.matching("picture HAIKEI_").size(), 24u * 18u - 64u);
    EXPECT_EQ(fresh.widgets.is_checked("SIDOU"), r.guidance);
    EXPECT_EQ(fresh.app.game.guidance_on, r.guidance ? 1 : 0);
    EXPECT_EQ(fresh.widgets.is_checked("BGM"), r.music);
    EXPECT_TRUE(fresh.dialogs.messages.empty());

    struct stat after {};
    ASSERT_EQ(::lstat(INI.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_size, before.st_size);
    if (r.kind == TEXT) {
      EXPECT_EQ(test::file_bytes(INI), r.bytes);
    }
    EXPECT_EQ(test::directory_listing(), INI);
  }
}

TEST_F(Settings, SavingWritesBackgroundGuidanceMusicInThatOrder) {
  t.widgets.set_checked("TATAMI", true);
  t.widgets.set_checked("SIDOU", true);
  t.widgets.set_checked("BGM", true);
  save_settings(app);
  EXPECT_EQ(ini(), "背景画=畳\r\n移動指導=ON\r\nBGM=ON\r\n");

  // With several marks the first in the order 緑 竹 畳 宇宙 煉瓦 is written.
  t.widgets.set_checked("RENGA", true);
  t.widgets.set_checked("TAKE", true);
  save_settings(app);
  EXPECT_EQ(ini(), "背景画=竹\r\n移動指導=ON\r\nBGM=ON\r\n");
  EXPECT_EQ(test::directory_listing(), INI);
}

TEST_F(Settings, ReadingAndSavingAgainGivesTheSameBytes) {
  for (const char* text : {"背景画=煉瓦\r\n移動指導=ON\r\nBGM=OFF\r\n", "背景画=宇宙\r\n移動指導=OFF\r\nBGM=ON\r\n"}) {
    test::TestApp fresh;
    write_ini(text);
    const std::string before = test::file_bytes(INI);
    load_settings(fresh.app);
    save_settings(fresh.app);
    EXPECT_EQ(test::file_bytes(INI), before);
  }
}

TEST_F(Settings, SavingKeepsAPrivateFilePrivateAndALinkALink) {
  load_settings(app);
  ASSERT_EQ(::chmod(INI.c_str(), 0600), 0);
  TATAMI_Click(app);
  struct stat st {};
  ASSERT_EQ(::stat(INI.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(ini(), "背景画=畳\r\n移動指導=OFF\r\nBGM=ON\r\n");

  // Settings kept elsewhere and linked in: the link stays, its target changes.
  ASSERT_EQ(::mkdir("kept", 0755), 0);
  ASSERT_EQ(::rename(INI.c_str(), ("kept/" + INI).c_str()), 0);
  ASSERT_EQ(::symlink(("kept/" + INI).c_str(), INI.c_str()), 0);
  UCHU_Click(app);
  ASSERT_EQ(::lstat(INI.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(cp932_to_utf8(test::file_bytes("kept/" + INI)), "背景画=宇宙\r\n移動指導=OFF\r\nBGM=ON\r\n");
  EXPECT_EQ(test::directory_listing(), INI + "|kept");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

// Stands for a read-only folder even when the tests run as root: a folder
// where the file should be can be neither read nor replaced.
TEST_F(Settings, WhenTheFileCannotBeWrittenTheGameGoesOnWithTheOptionsInMemory) {
  std::filesystem::create_directory(INI);
  load_settings(app);
  EXPECT_EQ(checked_backgrounds(), "MIDORI");
  EXPECT_EQ(app.options.current_background, TILE_MIDORI);
  EXPECT_TRUE(checked("BGM"));
  EXPECT_EQ(music_starts(), 1u);
  EXPECT_TRUE(t.dialogs.messages.empty());  // start-up changed nothing the player chose

  TATAMI_Click(app);
  SIDOU_Click(app);
  BGM_Click(app);
  EXPECT_EQ(checked_backgrounds(), "TATAMI");
  EXPECT_EQ(app.options.current_background, TILE_TATAMI);
  EXPECT_TRUE(checked("SIDOU"));
  EXPECT_FALSE(checked("BGM"));
  EXPECT_EQ(music_starts(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(INI));
  EXPECT_EQ(test::directory_listing(), INI);
  // Said once, at the first change, not at every click.
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text.rfind("設定を保存できません", 0), 0u);
  EXPECT_EQ(t.dialogs.messages[0].icon, Icon::Exclamation);
}

TEST_F(Settings, AWriteProtectedFileIsNeitherRewrittenNorReplaced) {
  write_ini("背景画=竹\r\n移動指導=OFF\r\nBGM=OFF\r\n");
  ASSERT_EQ(::chmod(INI.c_str(), 0444), 0);
  const std::string before = test::file_bytes(INI);
  load_settings(app);
  RENGA_Click(app);
  MIDORI_Click(app);
  EXPECT_EQ(checked_backgrounds(), "MIDORI");
  EXPECT_EQ(test::file_bytes(INI), before);
  EXPECT_EQ(t.dialogs.texts(),
            std::vector<std::string>{"設定を保存できません（設定ﾌｧｲﾙが読み取り専用です）。\n"
                                     "変更したｵﾌﾟｼｮﾝはこのまま使えますが、次の起動には引き継がれません。"});
}

TEST_F(Settings, ChoosingABackgroundChecksItSavesAndRedraws) {
  load_settings(app);
  t.canvas.clear();
  UCHU_Click(app);
  EXPECT_EQ(checked_backgrounds(), "UCHU");
  EXPECT_EQ(app.options.current_background, TILE_UCHU);
  EXPECT_EQ(ini(), "背景画=宇宙\r\n移動指導=OFF\r\nBGM=ON\r\n");
  EXPECT_GE(tiles_painted("HAIKEI_UCHU"), 24u * 18u - 64u);
  EXPECT_FALSE(t.canvas.matching("picture ZARVOCHESS").empty());

  // Choosing it again still rewrites the file and redraws the window.
  std::filesystem::remove(INI);
  t.canvas.clear();
  UCHU_Click(app);
  EXPECT_EQ(checked_backgrounds(), "UCHU");
  EXPECT_EQ(ini(), "背景画=宇宙\r\n移動指導=OFF\r\nBGM=ON\r\n");
  EXPECT_GE(tiles_painted("HAIKEI_UCHU"), 24u * 18u - 64u);

  for (auto [click, item] : {std::pair{&MIDORI_Click, "MIDORI"}, std::pair{&TATAMI_Click, "TATAMI"},
                             std::pair{&TAKE_Click, "TAKE"}, std::pair{&RENGA_Click, "RENGA"}}) {
    click(app);
    EXPECT_EQ(checked_backgrounds(), item);
  }
  EXPECT_EQ(app.options.current_background, TILE_RENGA);
}

TEST_F(Settings, SwitchingGuidanceOffWipesEveryFrameAtOnce) {
  load_settings(app);
  SIDOU_Click(app);
  EXPECT_TRUE(checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 1);
  EXPECT_EQ(app.options.guidance_colour, QB_BRIGHT_WHITE);
  EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=ON\r\nBGM=ON\r\n");

  t.canvas.clear();
  SIDOU_Click(app);
  EXPECT_FALSE(checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 0);
  EXPECT_EQ(app.options.guidance_colour, erase_colour);
  EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n");
  const auto boxes = t.canvas.matching("box ");
  ASSERT_EQ(boxes.size(), 64u);
  // Column by column, each square's frame in the grid green.
  EXPECT_EQ(boxes.front(), "box 1660 740 2320 1410 2");
  EXPECT_EQ(boxes[1], "box 1660 1410 2320 2080 2");
  EXPECT_EQ(boxes.back(), "box 6280 5430 6940 6100 2");
  ASSERT_FALSE(t.canvas.calls.empty());
  EXPECT_EQ(t.canvas.calls.back(), "refresh");
}

TEST_F(Settings, MusicOnAndOffAgainLeavesTheFileAsItWas) {
  load_settings(app);
  const std::string before = test::file_bytes(INI);
  t.sound.calls.clear();
  BGM_Click(app);
  EXPECT_FALSE(checked("BGM"));
  EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n");
  BGM_Click(app);
  EXPECT_TRUE(checked("BGM"));
  EXPECT_EQ(test::file_bytes(INI), before);
  EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"dsStop 4", "dsPlayLooping 4"}));
}

TEST_F(Settings, TheFileIsWrittenOnlyWhenAnOptionChangesAndKeepsLinesItDoesNotKnow) {
  write_ini("; note\r\n背景画=緑\r\n移動指導=OFF\r\n色=赤\r\nBGM=ON\r\n");
  load_settings(app);
  struct stat before {};
  ASSERT_EQ(::stat(INI.c_str(), &before), 0);
  // Options set to the values they have: the same file, untouched.
  MIDORI_Click(app);
  save_settings(app);
  struct stat after {};
  ASSERT_EQ(::stat(INI.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(ini(), "; note\r\n背景画=緑\r\n移動指導=OFF\r\n色=赤\r\nBGM=ON\r\n");
  // A real change writes the program's lines and keeps the others.
  TATAMI_Click(app);
  EXPECT_EQ(ini(), "背景画=畳\r\n移動指導=OFF\r\nBGM=ON\r\n; note\r\n色=赤\r\n");
}

}  // namespace
}  // namespace zarvo

namespace zarvo {
namespace {

TEST_F(Settings, DrawRulesAndEngineLinesAppearOnlyOnceChosenAndComeBackAsRead) {
  // Files with the new lines read and save back byte for byte; a file without them gains none.
  for (const char* text :
       {"背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n引き分け規則=ON\r\nエンジン=/opt/sf/stockfish\r\n",
        "背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n引き分け規則=OFF\r\n", "背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n"}) {
    test::TestApp fresh;
    write_ini(text);
    const std::string before = test::file_bytes(INI);
    load_settings(fresh.app);
    save_settings(fresh.app);
    EXPECT_EQ(test::file_bytes(INI), before) << text;
  }
  write_ini("背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n引き分け規則=ON\r\nエンジン=/opt/sf/stockfish\r\n");
  load_settings(app);
  EXPECT_TRUE(app.draw_rules.on);
  EXPECT_TRUE(checked("HIKIWAKE"));
  EXPECT_EQ(app.engine.configured, "/opt/sf/stockfish");

  // Switching the rules twice leaves them as they were, but now in the file.
  test::TestApp other;
  write_ini("背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n");
  load_settings(other.app);
  menu_command(other.app, "HIKIWAKE");
  EXPECT_TRUE(other.app.draw_rules.on);
  menu_command(other.app, "HIKIWAKE");
  EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n引き分け規則=OFF\r\n");
}

TEST_F(Settings, AnEngineThatIsNotThereGreysTheEngineLevels) {
  write_ini("背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\nエンジン=/nonexistent\r\n");
  load_first_frame(app);
  EXPECT_TRUE(app.engine.program.empty());
  for (int n = FIRST_ENGINE_LEVEL; n <= LAST_ENGINE_LEVEL; ++n)
    EXPECT_FALSE(t.widgets.enabled["LEVEL" + std::to_string(n)]) << n;
  // The level stays one of the game's own.
  menu_command(app, "LEVEL7");
  EXPECT_EQ(app.com.level, 3);
  EXPECT_TRUE(checked("LEVEL3") || !checked("LEVEL7"));
}

}  // namespace
}  // namespace zarvo
