#include <gtest/gtest.h>

#include "game/program_commands.h"
#include "shell/version_window.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

TEST(HelpPage, FileAddressesArePercentEncodedUtf8) {
  EXPECT_EQ(file_url("/opt/zarvo/Zarvoチェス.htm"), "file:///opt/zarvo/Zarvo%E3%83%81%E3%82%A7%E3%82%B9.htm");
  // Characters that would end or change the address are escaped.
  EXPECT_EQ(file_url("/home/a b/#1 100%?x=y&z/[c]~_-.htm"),
            "file:///home/a%20b/%231%20100%25%3Fx%3Dy%26z/%5Bc%5D~_-.htm");
}

TEST(HelpPage, KaisetuOpensTheHelpPageBesideTheProgram) {
  test::TestApp t;
  t.app.program_dir = "/usr/share/ゲーム/zarvo chess";
  KAISETU_Click(t.app);
  ASSERT_EQ(t.browser.urls.size(), 1u);
  EXPECT_EQ(t.browser.urls[0],
            "file:///usr/share/%E3%82%B2%E3%83%BC%E3%83%A0/zarvo%20chess/Zarvo%E3%83%81%E3%82%A7%E3%82%B9.htm");
}

TEST(HelpPage, ARelativeProgramFolderIsMadeAbsolute) {
  test::ScratchDir dir;
  test::TestApp t;
  t.app.program_dir = "bin";
  EXPECT_EQ(help_page_url(t.app), file_url(dir.path() + "/bin/Zarvoチェス.htm"));
  t.app.program_dir.clear();
  EXPECT_EQ(help_page_url(t.app), file_url(dir.path() + "/Zarvoチェス.htm"));
}

TEST(HelpPage, WithoutABrowserAMessageNamesTheHelpPagesFile) {
  test::TestApp t;
  t.app.program_dir = "/opt/zarvo chess";
  t.browser.answer = false;
  KAISETU_Click(t.app);
  EXPECT_EQ(t.browser.urls.size(), 1u);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].title, "解説");
  EXPECT_NE(t.dialogs.messages[0].text.find("\n/opt/zarvo chess/Zarvoチェス.htm"), std::string::npos)
      << t.dialogs.messages[0].text;
  // A browser that opens says nothing more.
  t.browser.answer = true;
  KAISETU_Click(t.app);
  EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST(VersionWindow, HidesTheRecordBrowserAndPlaysItsSoundBeforeFormFourShows) {
  test::TestApp t;
  t.app.sounds.sound_other = 7;
  test::FakeRecordPanel panel;
  t.app.platform.panel = &panel;
  // A record being browsed and saved: lists and fields are up.
  panel.set_lists_visible(true, true, true);
  panel.set_fields_visible(true);
  panel.set_text(PanelText::Title, "第一局");
  test::RecordingVersionWindow form4;
  t.app.platform.version = &form4;
  std::string seen_at_show;
  form4.on_show = [&] {
    seen_at_show = std::string(panel.drives_shown ? "drives " : "") + (panel.folders_shown ? "folders " : "") +
                   (panel.files_shown ? "files " : "") + (panel.fields_shown ? "fields " : "") +
                   panel.text(PanelText::Title) + "|" + (t.sound.calls.empty() ? "" : t.sound.calls.back());
  };
  VER_Click(t.app);
  EXPECT_EQ(form4.shown, 1);
  EXPECT_EQ(seen_at_show, "|dsPlay 7");
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(VersionWindow, WithoutAWindowOnlyTheSoundPlays) {
  test::TestApp t;
  t.app.sounds.sound_other = 7;
  VER_Click(t.app);
  EXPECT_EQ(t.sound.calls, std::vector<std::string>{"dsPlay 7"});
}

TEST(VersionWindow, HomePageButtonClosesOnlyWhenTheBrowserOpened) {
  test::TestApp t;
  t.app.program_dir = "/opt/zarvo";
  EXPECT_TRUE(Form4_Command1_Click(t.app));
  t.browser.answer = false;
  EXPECT_FALSE(Form4_Command1_Click(t.app));
  const std::string home = "file:///opt/zarvo/Zarvo%E3%83%81%E3%82%A7%E3%82%B9.htm#about";
  EXPECT_EQ(t.browser.urls, (std::vector<std::string>{home, home}));
  EXPECT_EQ(home_page_url(t.app), home);
}

}  // namespace
}  // namespace zarvo
