// Start-up, the ways the program ends, the sound calls around them and the waits.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "shell/app.h"
#include "shell/sound.h"
#include "shell/startup.h"
#include "shell/waits.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

// A complete little wave file: header, format and `frames` samples of silence.
std::string wav_bytes(uint32_t frames = 100) {
  auto le = [](uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  return "RIFF" + le(36 + 2 * frames, 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(44100, 4) +
         le(88200, 4) + le(2, 2) + le(16, 2) + "data" + le(2 * frames, 4) + std::string(2 * frames, '\0');
}

int count_prefix(const std::vector<std::string>& calls, const std::string& prefix) {
  int n = 0;
  for (const auto& c : calls) n += c.rfind(prefix, 0) == 0;
  return n;
}

void write_all_sounds() {
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) test::write_bytes(name, wav_bytes());
}

// Remembers, for every buffer created, how long the image behind the address was
// by its RIFF header, and that its contents were still there during the call.
class ImageCheckingSound final : public SoundLibrary {
 public:
  int32_t dsInitialize(intptr_t) override { return 7; }
  void dsTerminate(int32_t) override {}
  int32_t dsCreateDSB(int32_t, const void* wav, int32_t) override {
    const auto* p = static_cast<const unsigned char*>(wav);
    const bool riff = std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "WAVE", 4) == 0;
    lengths.push_back(riff ? 8 + (p[4] | p[5] << 8 | p[6] << 16 | p[7] << 24) : -1);
    return static_cast<int32_t>(lengths.size());
  }
  void dsFree(int32_t) override {}
  void dsPlay(int32_t) override {}
  void dsPlayLooping(int32_t) override {}
  void dsStop(int32_t) override {}
  std::vector<long> lengths;
};

class StartUp : public ::testing::Test {
 protected:
  test::ScratchDir dir;
  test::TestApp t;
};

TEST_F(StartUp, OpensSoundThenLoadsTheFourFilesInOrderWithTheirFlags) {
  write_all_sounds();
  Form_Load(t.app);
  // Default settings are written on this first start, and they switch the music on.
  const std::vector<std::string> expected = {"dsInitialize",      "dsCreateDSB 100 3", "dsCreateDSB 100 3",
                                             "dsCreateDSB 100 3", "dsCreateDSB 100 1", "dsPlayLooping 4"};
  EXPECT_EQ(t.sound.calls, expected);
  EXPECT_EQ(t.app.sounds.sound_device, 100);
  EXPECT_EQ(t.app.sounds.sound_other, 1);
  EXPECT_EQ(t.app.sounds.sound_forbidden, 2);
  EXPECT_EQ(t.app.sounds.sound_piece, 3);
  EXPECT_EQ(t.app.sounds.sound_music, 4);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(StartUp, HandsTheLibraryWholeWaveImages) {
  ImageCheckingSound sound;
  t.app.platform.sound = &sound;
  test::write_bytes("その他.wav", wav_bytes(10));
  test::write_bytes("禁止.wav", wav_bytes(20));
  test::write_bytes("駒打音.wav", wav_bytes(30));
  test::write_bytes("BGM.wav", wav_bytes(40));
  Form_Load(t.app);
  EXPECT_EQ(sound.lengths, (std::vector<long>{44 + 20, 44 + 40, 44 + 60, 44 + 80}));
}

TEST_F(StartUp, SetsTheStartValuesPaintsGreenAndShowsANewGame) {
  t.app.game.record_mode = 1;
  t.app.game.board_reversed = 1;
  t.app.game.handicap_set = 1;
  t.app.game.guidance_on = 1;
  t.app.game.record_length = 9;
  t.app.com.level = 1;
  t.app.com.handicap_grade = 4;
  t.widgets.marks["SIDOU"] = true;
  Form_Load(t.app);

  const GameState& g = t.app.game;
  EXPECT_EQ(g.record_mode, 0);
  EXPECT_EQ(g.board_reversed, 0);
  EXPECT_EQ(g.handicap_set, 0);
  EXPECT_EQ(g.guidance_on, 0);
  EXPECT_EQ(g.record_length, 0);
  EXPECT_EQ(t.app.com.level, 3);
  EXPECT_EQ(t.app.com.handicap_grade, 0);
  EXPECT_TRUE(t.widgets.marks["LEVEL3"]);
  EXPECT_FALSE(t.widgets.marks["SIDOU"]);
  EXPECT_EQ(t.app.program_dir, std::filesystem::current_path().string());

  // No game runs, the initial position stands, and the window was painted green first.
  EXPECT_EQ(g.turn, NONE);
  EXPECT_EQ(g.game_kind, NONE);
  EXPECT_EQ(t.app.pos.board[5][8], W_KING);
  EXPECT_EQ(t.app.pos.board[4][1], B_QUEEN);
  ASSERT_FALSE(t.canvas.calls.empty());
  EXPECT_EQ(t.canvas.calls.front(), "fill 2");
  EXPECT_EQ(t.canvas.matching("picture ZARVOCHESS").size(), 1u) << "the whole window was drawn";
  EXPECT_EQ(t.canvas.matching("picture W_KING_1 4300 5430").size(), 1u);
  // The background is tiled once: each cell around the board, then the 4 + 16 cells under
  // the labels again (a second tiling would add another 368).
  EXPECT_EQ(t.canvas.matching("picture HAIKEI_MIDORI ").size(), 24u * 18u - 64u + 4u + 16u);
}

TEST_F(StartUp, WithoutSoundFilesStaysSilentAndQuiet) {
  Form_Load(t.app);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_EQ(t.sound.calls.front(), "dsInitialize");
  EXPECT_EQ(count_prefix(t.sound.calls, "dsCreateDSB"), 0);
  EXPECT_EQ(t.app.sounds.sound_other, 0);
  EXPECT_EQ(t.app.sounds.sound_forbidden, 0);
  EXPECT_EQ(t.app.sounds.sound_piece, 0);
  EXPECT_EQ(t.app.sounds.sound_music, 0);
}

TEST_F(StartUp, WithoutADeviceWarnsOnceAndLoadsNothing) {
  write_all_sounds();
  t.sound.device = 0;
  Form_Load(t.app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  const test::Message& m = t.dialogs.messages[0];
  EXPECT_EQ(m.text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(m.title, "Zarvoチェス.dll");
  EXPECT_EQ(m.buttons, Buttons::Ok);
  EXPECT_EQ(m.icon, Icon::Exclamation);
  EXPECT_EQ(count_prefix(t.sound.calls, "dsCreateDSB"), 0);
  EXPECT_EQ(t.app.sounds.sound_device, 0);
  EXPECT_EQ(t.app.sounds.sound_piece, 0);
  EXPECT_EQ(t.app.pos.board[1][1], B_ROOK) << "the game starts all the same";
}

// Damaged files are reported by name and left out; the good ones still load.
TEST_F(StartUp, DamagedSoundFilesAreReportedAndSkipped) {
  write_all_sounds();
  test::write_bytes("その他.wav", "");
  test::write_bytes("禁止.wav", "RIFF\x10\0\0\0WAVEfmt ");
  std::string truncated = wav_bytes(1000);
  truncated.resize(200);
  test::write_bytes("駒打音.wav", truncated);
  Form_Load(t.app);
  EXPECT_EQ(t.dialogs.texts(),
            (std::vector<std::string>{"サウンドファイル「その他.wav」が空です。",
                                      "サウンドファイル「禁止.wav」は正しいWAVファイルではありません。",
                                      "サウンドファイル「駒打音.wav」は正しいWAVファイルではありません。"}));
  for (const test::Message& m : t.dialogs.messages) {
    EXPECT_EQ(m.title, "Zarvoチェス.dll");
    EXPECT_EQ(m.icon, Icon::Exclamation);
  }
  EXPECT_EQ(t.app.sounds.sound_other, 0);
  EXPECT_EQ(t.app.sounds.sound_forbidden, 0);
  EXPECT_EQ(t.app.sounds.sound_piece, 0);
  EXPECT_EQ(t.app.sounds.sound_music, 1);
}

TEST_F(StartUp, AFolderNamedLikeASoundCountsAsMissing) {
  std::filesystem::create_directory("BGM.wav");
  t.app.sounds.sound_device = 100;
  EXPECT_EQ(load_sound(t.app, "BGM.wav", 1), 0);
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(StartUp, EveryWayOutFreesTheFourBuffersThenClosesTheDevice) {
  write_all_sounds();
  Form_Load(t.app);
  const std::vector<std::string> shutdown = {"dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsTerminate 100"};

  t.sound.calls.clear();
  end_program(t.app);
  EXPECT_EQ(t.sound.calls, shutdown);
  EXPECT_EQ(t.lifecycle.count, 0) << "end_program alone does not end the program";

  t.sound.calls.clear();
  EXPECT_THROW(OWARI_Click(t.app), test::ProgramEnded);
  EXPECT_EQ(t.sound.calls, shutdown);

  t.sound.calls.clear();
  EXPECT_THROW(Form_Unload(t.app), test::ProgramEnded);
  EXPECT_EQ(t.sound.calls, shutdown);

  t.sound.calls.clear();
  EXPECT_THROW(Form_KeyDown(t.app, KEY_ESCAPE, 0), test::ProgramEnded);
  EXPECT_EQ(t.sound.calls, shutdown);
  EXPECT_EQ(t.lifecycle.count, 3);
}

TEST_F(StartUp, OnlyEscapeEndsTheProgram) {
  Form_Load(t.app);
  t.sound.calls.clear();
  for (int key : {13, 32, 65, 26, 28, 112}) Form_KeyDown(t.app, key, 0);
  Form_KeyDown(t.app, KEY_ESCAPE + 0x100, 1);
  EXPECT_EQ(t.lifecycle.count, 0);
  EXPECT_TRUE(t.sound.calls.empty());
}

TEST_F(StartUp, WithoutADeviceShutdownStillFreesTheZeroIdsButClosesNothing) {
  t.sound.device = 0;
  Form_Load(t.app);
  t.sound.calls.clear();
  end_program(t.app);
  EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0"}));
}

// A timer that restarts at midnight, as the real one does.
class MidnightClock final : public Clock {
 public:
  explicit MidnightClock(double start) : now(start) {}
  double timer() override { return std::fmod(now, 86400.0); }
  int wall_second() override { return static_cast<int>(now) % 60; }
  void idle() override { now += 0.01; }
  double now;
};

TEST(Waits, WaitSecondsLastsItsLengthAndZeroReturnsAtOnce) {
  test::TestApp t;
  const double start = t.clock.now;
  wait_seconds(t.app, 0);
  EXPECT_EQ(t.clock.now, start);
  wait_seconds(t.app, 0.3);
  EXPECT_GE(t.clock.now - start, 0.3 - 1e-9);
  EXPECT_LT(t.clock.now - start, 0.32);
  EXPECT_EQ(t.clock.waits, (std::vector<double>{0, 0.3}));
}

TEST(Waits, AWaitAcrossMidnightStillEndsAfterItsLength) {
  for (double start : {86399.9, 86399.99, 86399.5}) {
    test::TestApp t;
    MidnightClock clock(start);
    t.app.platform.clock = &clock;
    wait_seconds(t.app, 0.5);
    EXPECT_GE(clock.now - start, 0.5 - 1e-9) << start;
    EXPECT_LT(clock.now - start, 0.52) << start;
  }
}

TEST(Waits, NonsenseLengthsDoNotHang) {
  test::TestApp t;
  const double start = t.clock.now;
  wait_seconds(t.app, -1);
  wait_seconds(t.app, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(t.clock.now, start);
}

TEST(Waits, WholeSecondsWaitForChangesOfTheClockSecond) {
  test::TestApp t;
  // Just after a second boundary one round lasts almost a full second.
  t.clock.now = 1000.001;
  wait_whole_seconds(t.app, 1);
  EXPECT_NEAR(t.clock.now, 1001.0, 0.011);
  // Just before one it is over at once.
  t.clock.now = 1000.995;
  wait_whole_seconds(t.app, 1);
  EXPECT_NEAR(t.clock.now, 1001.0, 0.011);
  // Two rounds: between one and two seconds.
  t.clock.now = 1000.5;
  wait_whole_seconds(t.app, 2);
  EXPECT_NEAR(t.clock.now, 1002.0, 0.011);
  EXPECT_EQ(t.clock.waits, (std::vector<double>{1, 1, 2}));
}

}  // namespace
}  // namespace zarvo
