// Where the game finds its data and settings: in a build folder, installed,
// and started from somewhere else entirely.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/program_commands.h"
#include "shell/app.h"
#include "shell/data_paths.h"
#include "shell/startup.h"
#include "shell/text_encoding.h"
#include "shell/version_window.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

const char* const HELP = "Zarvoチェス.htm";
const char* const INI = "Zarvoチェス.ini";

void touch(const fs::path& p) {
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  test::write_bytes(p.string(), "x");
}

// A wave file whose length says which one it is.
std::string wav_bytes(uint32_t frames) {
  auto le = [](uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  return "RIFF" + le(36 + 2 * frames, 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(44100, 4) +
         le(88200, 4) + le(2, 2) + le(16, 2) + "data" + le(2 * frames, 4) + std::string(2 * frames, '\0');
}

class FrameCountingSound final : public SoundLibrary {
 public:
  int32_t dsInitialize(intptr_t) override { return 7; }
  void dsTerminate(int32_t) override {}
  int32_t dsCreateDSB(int32_t, const void* wav, int32_t) override {
    uint32_t data_size;
    std::memcpy(&data_size, static_cast<const char*>(wav) + 40, 4);
    frames.push_back(data_size / 2);
    return static_cast<int32_t>(frames.size());
  }
  void dsFree(int32_t) override {}
  void dsPlay(int32_t) override {}
  void dsPlayLooping(int32_t) override {}
  void dsStop(int32_t) override {}
  std::vector<uint32_t> frames;
};

struct Layout {
  const char* name;
  std::vector<std::string> files;  // relative to the scratch folder
  const char* program;             // the folder the program runs from
  Environment env;                 // "@" stands for the scratch folder
  const char* data_dir;            // expected, relative to the scratch folder
  const char* settings_file;       // expected; "" for the current directory
};

std::string at(const std::string& s, const std::string& root) {
  return s.empty() || s[0] != '@' ? s : root + s.substr(1);
}

TEST(DataPaths, EachLayoutFindsItsDataAndSettings) {
  const std::vector<Layout> layouts = {
      {"a build folder keeps everything beside the program",
       {"build/bin/Zarvoチェス.htm", "build/bin/BGM.wav"},
       "build/bin",
       {"@/xdg", "@/home"},
       "build/bin",
       "build/bin/Zarvoチェス.ini"},
      {"an installed game reads share/ and writes to the configuration folder",
       {"usr/bin/zarvo-chess", "usr/share/zarvo-chess/Zarvoチェス.htm"},
       "usr/bin",
       {"@/xdg", "@/home"},
       "usr/share/zarvo-chess",
       "xdg/zarvo-chess/Zarvoチェス.ini"},
      {"without XDG_CONFIG_HOME the settings go to ~/.config",
       {"usr/bin/zarvo-chess", "usr/share/zarvo-chess/Zarvoチェス.htm"},
       "usr/bin",
       {"", "@/home"},
       "usr/share/zarvo-chess",
       "home/.config/zarvo-chess/Zarvoチェス.ini"},
      {"a relative XDG_CONFIG_HOME is ignored",
       {"usr/bin/zarvo-chess", "usr/share/zarvo-chess/Zarvoチェス.htm"},
       "usr/bin",
       {"relative/config", "@/home"},
       "usr/share/zarvo-chess",
       "home/.config/zarvo-chess/Zarvoチェス.ini"},
      {"a program without data anywhere looks beside itself and keeps settings at home",
       {"opt/zarvo/zarvo-chess"},
       "opt/zarvo",
       {"", "@/home"},
       "opt/zarvo",
       "home/.config/zarvo-chess/Zarvoチェス.ini"},
      {"with no home at all the current directory keeps the settings",
       {"usr/bin/zarvo-chess", "usr/share/zarvo-chess/Zarvoチェス.htm"},
       "usr/bin",
       {"", ""},
       "usr/share/zarvo-chess",
       ""},
  };
  for (const Layout& l : layouts) {
    SCOPED_TRACE(l.name);
    test::ScratchDir dir;
    for (const std::string& f : l.files) touch(f);
    const std::string root = dir.path();
    const Environment env{at(l.env.xdg_config_home, root), at(l.env.home, root)};
    const DataPaths paths = locate_data_paths(root + "/" + l.program, env);
    EXPECT_EQ(paths.data_dir, root + "/" + l.data_dir);
    EXPECT_EQ(paths.settings_file, *l.settings_file ? root + "/" + l.settings_file : "");
  }
}

TEST(DataPaths, ABuildFolderThatCannotBeWrittenKeepsItsSettingsAtHome) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
  test::ScratchDir dir;
  touch("bin/Zarvoチェス.htm");
  ASSERT_EQ(::chmod("bin", 0555), 0);
  const DataPaths paths = locate_data_paths(dir.path() + "/bin", {"", dir.path() + "/home"});
  ::chmod("bin", 0755);
  EXPECT_EQ(paths.data_dir, dir.path() + "/bin");
  EXPECT_EQ(paths.settings_file, dir.path() + "/home/.config/zarvo-chess/Zarvoチェス.ini");
}

TEST(DataPaths, EmptyPathsMeanTheCurrentDirectory) {
  const DataPaths none;
  EXPECT_EQ(data_file(none, "BGM.wav"), "BGM.wav");
  EXPECT_EQ(settings_file(none), INI);
  EXPECT_TRUE(make_settings_folder(none));
  const DataPaths some{"/usr/share/zarvo-chess", "/home/a/.config/zarvo-chess/Zarvoチェス.ini"};
  EXPECT_EQ(data_file(some, "BGM.wav"), "/usr/share/zarvo-chess/BGM.wav");
  EXPECT_EQ(settings_file(some), some.settings_file);
}

TEST(DataPaths, TheSettingsFolderIsMadePrivateWithEveryMissingLevel) {
  test::ScratchDir dir;
  const DataPaths paths{"", dir.path() + "/home/.config/zarvo-chess/" + INI};
  ASSERT_TRUE(make_settings_folder(paths));
  for (const char* folder : {"home", "home/.config", "home/.config/zarvo-chess"}) {
    struct stat st {};
    ASSERT_EQ(::stat(folder, &st), 0) << folder;
    EXPECT_EQ(st.st_mode & 0777, 0700u) << folder;
  }
  // Made once, found the next time.
  EXPECT_TRUE(make_settings_folder(paths));

  // A file where the folder should be cannot be turned into one.
  touch("blocked");
  EXPECT_FALSE(make_settings_folder({"", dir.path() + "/blocked/zarvo-chess/" + INI}));
}

// The installed game started from the desktop menu: the current directory is
// the home folder, which holds none of the game's files.
TEST(DataPaths, AnInstalledGameStartedAtHomeUsesItsOwnFolders) {
  test::ScratchDir dir;
  const std::string share = dir.path() + "/usr/share/zarvo-chess";
  fs::create_directories(share);
  test::write_bytes(share + "/その他.wav", wav_bytes(11));
  test::write_bytes(share + "/禁止.wav", wav_bytes(12));
  test::write_bytes(share + "/駒打音.wav", wav_bytes(13));
  test::write_bytes(share + "/BGM.wav", wav_bytes(14));
  touch(share + "/" + HELP);
  fs::create_directories("usr/bin");
  // Stray files in the start folder must not be picked up.
  test::write_bytes("BGM.wav", wav_bytes(99));

  test::TestApp t;
  FrameCountingSound sound;
  t.app.platform.sound = &sound;
  t.app.paths = locate_data_paths(dir.path() + "/usr/bin", {"", dir.path() + "/home"});
  Form_Load(t.app);

  EXPECT_EQ(sound.frames, (std::vector<uint32_t>{11, 12, 13, 14}));
  EXPECT_TRUE(t.dialogs.messages.empty());
  const std::string ini = dir.path() + "/home/.config/zarvo-chess/" + INI;
  EXPECT_EQ(cp932_to_utf8(test::file_bytes(ini)), "背景画=緑\r\n移動指導=OFF\r\nBGM=ON\r\n");
  EXPECT_EQ(test::file_bytes(INI), "<missing>") << "nothing is written into the start folder";

  KAISETU_Click(t.app);
  ASSERT_EQ(t.browser.urls.size(), 1u);
  EXPECT_EQ(t.browser.urls[0], file_url(share + "/" + HELP));
}

}  // namespace
}  // namespace zarvo
