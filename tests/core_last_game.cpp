// The game in progress survives the end of the program and is taken up again
// from the 局面 menu at the next start.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/game_modes.h"
#include "game/last_game.h"
#include "game/program_commands.h"
#include "game/record_navigation.h"
#include "records/last_game.h"
#include "records/record_file.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/play_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

const std::string KEPT = "前回の対局.棋譜";

// One run of the program: its own state, the same folder.
struct ProgramRun {
  explicit ProgramRun(const std::string& settings) {
    app.paths.settings_file = settings;
    app.platform.panel = &panel;
    app.platform.chooser = &chooser;
    reset_game(app);
  }
  test::TestApp t;
  App& app = t.app;
  test::FakeRecordPanel panel;
  test::ScriptedChooser chooser{app};
};

TEST(LastGame, EveryEndOfTheProgramKeepsTheGameAndTheNextStartResumesIt) {
  test::ScratchDir dir;
  std::filesystem::create_directory("conf");
  const std::string settings = dir.file("conf/Zarvoチェス.ini");
  const std::string kept = dir.file("conf/" + KEPT);
  using End = void (*)(App&);
  const End ends[] = {[](App& a) { Form_KeyDown(a, KEY_ESCAPE, 0); }, Form_Unload, OWARI_Click};
  for (const End end : ends) {
    std::filesystem::remove(kept);
    Board shown{};
    {
      ProgramRun first(settings);
      START_Click(first.app);
      test::move_by_clicks(first.app, 5, 7, 5, 5);
      test::move_by_clicks(first.app, 5, 2, 5, 4);
      test::move_by_clicks(first.app, 7, 8, 6, 6);
      // A step back keeps the whole game: the kept record ends at its last move.
      REPLAY_Click(first.app);
      shown = first.app.record.record_board[3];
      const size_t asked = first.t.dialogs.messages.size();
      EXPECT_THROW(end(first.app), test::ProgramEnded);
      EXPECT_EQ(first.t.dialogs.messages.size(), asked) << "nothing is asked at the end";
    }
    ASSERT_TRUE(std::filesystem::exists(kept));

    ProgramRun next(settings);
    ZENKAI_Click(next.app);
    EXPECT_TRUE(next.t.dialogs.messages.empty());
    EXPECT_EQ(next.app.pos.board, shown);
    EXPECT_EQ(next.app.game.move_number, 3);
    EXPECT_EQ(next.app.game.record_length, 3);
    EXPECT_EQ(next.app.game.record_mode, 1);
    EXPECT_EQ(next.app.game.turn, NONE);
    // Stepping back from there works as on any record read.
    REPLAY_Click(next.app);
    EXPECT_EQ(next.app.pos.board[6][6], EMPTY);
  }
}

TEST(LastGame, TheKeptFileReadsBackToTheSameGameByteForByte) {
  test::ScratchDir dir;
  ProgramRun run("");
  START_Click(run.app);
  test::move_by_clicks(run.app, 4, 7, 4, 5);
  test::move_by_clicks(run.app, 4, 2, 4, 4);
  keep_game_in_progress(run.app);
  const std::string bytes = test::file_bytes(KEPT);
  std::string message;
  const std::optional<RecordFile> file = read_kept_game(run.app, message);
  ASSERT_TRUE(file) << message;
  ASSERT_EQ(file->entries.size(), 3u);
  EXPECT_EQ(file->entries[2].board, run.app.pos.board);
  EXPECT_EQ(write_record_file(*file), bytes);
}

TEST(LastGame, NoGameNoFileAndNoFileNoGame) {
  test::ScratchDir dir;
  ProgramRun idle("");
  EXPECT_THROW(OWARI_Click(idle.app), test::ProgramEnded);
  EXPECT_EQ(test::directory_listing(), "");

  // A record being read is no game of one's own.
  ProgramRun reading("");
  reading.app.game.record_mode = 1;
  reading.app.game.record_length = 4;
  EXPECT_THROW(OWARI_Click(reading.app), test::ProgramEnded);
  EXPECT_EQ(test::directory_listing(), "");

  ProgramRun next("");
  const Board before = next.app.pos.board;
  ZENKAI_Click(next.app);
  EXPECT_EQ(next.t.dialogs.texts(), (std::vector<std::string>{"前回の対局はありません"}));
  EXPECT_EQ(next.t.dialogs.messages[0].title, "前回の対局");
  EXPECT_EQ(next.app.pos.board, before);
}

}  // namespace
}  // namespace zarvo
