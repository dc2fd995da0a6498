#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "assets/picture_library.h"
#include "display/marks.h"
#include "qt/canvas.h"
#include "qt/main_window.h"
#include "qt/version_window.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

// A test window with recording fakes; the browser is the real one unless given.
struct Window {
  // Start-up is complete, as after the first frame.
  explicit Window(Browser* browser = nullptr) : w({&dialogs, nullptr, browser, &sound, &lifecycle}) {
    w.finish_start_up();
  }
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w;

  // Clicks the menu item the way the menu does.
  void click(const char* item) {
    QAction* a = w.widgets().action(item);
    ASSERT_NE(a, nullptr) << item;
    a->trigger();
  }
  bool checked(const char* item) { return w.widgets().is_checked(item); }
};

// Whether the background cell (X, Y) beside the board shows the given tile picture.
bool cell_shows(const QImage& canvas, double X, double Y, const char* picture) {
  const qreal dpr = canvas.devicePixelRatio();
  const QImage tile = load_picture(picture, dpr).convertToFormat(QImage::Format_RGB32);
  const int left = static_cast<int>(QtCanvas::px(grid_left(X)) * dpr);
  const int top = static_cast<int>(QtCanvas::px(grid_top(Y)) * dpr);
  // Later cells overlap the tile's last pixels; compare the part that stays.
  const int size = static_cast<int>(40 * dpr);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (canvas.pixel(left + x, top + y) != tile.pixel(x, y)) return false;
  return true;
}

TEST(OptionMenu, EachBackgroundIsPaintedCheckedAndKeptAfterARestart) {
  test::ScratchDir dir;
  struct Row {
    const char* item;
    const char* picture;
    int kind;
  };
  const Row rows[] = {{"TATAMI", "HAIKEI_TATAMI", TILE_TATAMI},
                      {"TAKE", "HAIKEI_TAKE", TILE_TAKE},
                      {"UCHU", "HAIKEI_UCHU", TILE_UCHU},
                      {"RENGA", "HAIKEI_RENGA", TILE_RENGA},
                      {"MIDORI", "HAIKEI_MIDORI", TILE_MIDORI}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.item);
    {
      Window first;
      EXPECT_FALSE(cell_shows(first.w.canvas().image(), 13, 10, r.picture));
      first.click(r.item);
      EXPECT_TRUE(cell_shows(first.w.canvas().image(), 13, 10, r.picture));
      EXPECT_TRUE(cell_shows(first.w.canvas().image(), -1, 0, r.picture));
      for (const Row& other : rows) EXPECT_EQ(first.checked(other.item), &other == &r) << other.item;
      // Clicking the checked item again must not take its mark away.
      first.click(r.item);
      EXPECT_TRUE(first.checked(r.item));
    }
    Window restarted;
    EXPECT_EQ(restarted.w.app().options.current_background, r.kind);
    EXPECT_TRUE(restarted.checked(r.item));
    EXPECT_TRUE(cell_shows(restarted.w.canvas().image(), 13, 10, r.picture));
    if (&r == &rows[0]) {
      // Only the first window had no file to read.
      EXPECT_EQ(test::file_bytes("Zarvoチェス.ini").substr(0, 10), "\x94\x77\x8C\x69\x89\xE6=\x8F\xF4\r");
    }
  }
}

TEST(OptionMenu, GuidanceOffWipesFramesOnScreenAndMusicStopsAndStarts) {
  test::ScratchDir dir;
  Window t;
  App& app = t.w.app();
  t.click("SIDOU");
  EXPECT_TRUE(t.checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 1);

  // A guidance frame in white around c5, as a picked-up piece leaves it.
  mark_square(app, QB_BRIGHT_WHITE, 3, 4);
  const qreal dpr = t.w.canvas().image().devicePixelRatio();
  const QPoint edge(static_cast<int>(QtCanvas::px(grid_left(3.5)) * dpr),
                    static_cast<int>(QtCanvas::px(grid_top(4)) * dpr));
  ASSERT_EQ(t.w.canvas().image().pixelColor(edge), QColor(255, 255, 255));
  t.click("SIDOU");
  EXPECT_FALSE(t.checked("SIDOU"));
  EXPECT_EQ(app.game.guidance_on, 0);
  EXPECT_EQ(t.w.canvas().image().pixelColor(edge), QColor(0, 128, 0));

  ASSERT_TRUE(t.checked("BGM"));
  t.sound.calls.clear();
  t.click("BGM");
  EXPECT_FALSE(t.checked("BGM"));
  t.click("BGM");
  EXPECT_TRUE(t.checked("BGM"));
  const std::string music = std::to_string(app.sounds.sound_music);
  EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"dsStop " + music, "dsPlayLooping " + music}));
}

// Opens Form4 by the menu and runs the probe inside its modal loop. The probe
// must close it; a watchdog closes it if the probe forgets.
void with_form4(Window& t, const std::function<void(Form4&)>& probe) {
  bool ran = false;
  QTimer::singleShot(0, &t.w, [&] {
    Form4* form = t.w.findChild<Form4*>();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isVisible());
    ran = true;
    probe(*form);
  });
  QTimer::singleShot(5000, &t.w, [&] {
    if (Form4* form = t.w.findChild<Form4*>()) form->reject();
  });
  EXPECT_TRUE(t.w.trigger("VER"));
  EXPECT_TRUE(ran);
  // Form4 is made for each showing and gone afterwards.
  EXPECT_EQ(t.w.findChild<Form4*>(), nullptr);
}

TEST(VersionWindow, ShowsItsPictureAndButtonsAndOkCloses) {
  test::ScratchDir dir;
  test::FakeBrowser browser;
  Window t(&browser);
  t.sound.calls.clear();
  with_form4(t, [&](Form4& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), &form);
    const QPixmap picture = form.picture()->pixmap();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(337, 106));
    EXPECT_EQ(form.picture()->size(), QSize(337, 106));
    EXPECT_EQ(form.command1()->text(), QStringLiteral("ホームページ"));
    EXPECT_EQ(form.command2()->text(), QStringLiteral("O K"));
    // The sound came first.
    EXPECT_EQ(t.sound.calls, std::vector<std::string>{"dsPlay " + std::to_string(t.w.app().sounds.sound_other)});
    form.command2()->click();
  });
  EXPECT_TRUE(browser.urls.empty());
}

TEST(VersionWindow, TheRecordBrowserIsPutAwayBeforeFormFourShows) {
  test::ScratchDir dir;
  test::FakeBrowser browser;
  Window t(&browser);
  t.w.show();
  t.click("KIFU_READ");
  QWidget* view = t.w.board_view();
  const char* lists[] = {"Drive1", "Dir1", "File1"};
  for (const char* name : lists) {
    QWidget* list = view->findChild<QWidget*>(QString::fromUtf8(name));
    ASSERT_NE(list, nullptr) << name;
    ASSERT_TRUE(list->isVisible()) << name;
  }
  with_form4(t, [&](Form4& form) {
    for (const char* name : lists)
      EXPECT_FALSE(view->findChild<QWidget*>(QString::fromUtf8(name))->isVisible()) << name;
    form.command2()->click();
  });
}

TEST(VersionWindow, TheCloseBoxClosesLikeOk) {
  test::ScratchDir dir;
  test::FakeBrowser browser;
  Window t(&browser);
  with_form4(t, [&](Form4& form) { form.close(); });
  EXPECT_TRUE(browser.urls.empty());
}

TEST(VersionWindow, HomePageStaysOpenWhileTheBrowserFailsAndClosesOnceItOpens) {
  test::ScratchDir dir;
  test::FakeBrowser browser;
  Window t(&browser);
  browser.answer = false;
  with_form4(t, [&](Form4& form) {
    form.command1()->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(t.dialogs.messages.empty());
    browser.answer = true;
    form.command1()->click();
    EXPECT_FALSE(form.isVisible());
  });
  const std::string home = file_url(dir.path() + "/Zarvoチェス.htm") + "#about";
  EXPECT_EQ(browser.urls, (std::vector<std::string>{home, home}));
}

// The real browser opener, with a stand-in xdg-open first on PATH that writes
// down what it was asked to open.
class RealBrowser : public ::testing::Test {
 protected:
  RealBrowser() : saved_path_(qgetenv("PATH")) {
    bin_ = dir_.path() + "/bin";
    log_ = dir_.path() + "/xdg-open.log";
    QDir().mkpath(QString::fromStdString(bin_));
    QFile script(QString::fromStdString(bin_ + "/xdg-open"));
    script.open(QIODevice::WriteOnly);
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + log_ + "'\n").c_str());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QByteArray::fromStdString(bin_ + ":") + saved_path_);
  }
  ~RealBrowser() override { qputenv("PATH", saved_path_); }

  // What the stand-in was given, waiting a little for the detached process to write its lines.
  std::string opened(int wait_ms, size_t lines) const {
    QElapsedTimer timer;
    timer.start();
    std::string text = test::file_bytes(log_);
    while (timer.elapsed() < wait_ms && static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) < lines) {
      QThread::msleep(20);
      text = test::file_bytes(log_);
    }
    return text;
  }

  test::ScratchDir dir_;
  std::string bin_, log_;
  QByteArray saved_path_;
};

// Qt hands file and web addresses to xdg-open on a desktop; its offscreen
// platform has no such service and reports failure: the player is then told
// where the help page is (the home page button just keeps Form4 open).
TEST_F(RealBrowser, HelpAndHomePageGoToXdgOpenOnADesktop) {
  Window t;
  const bool desktop = QGuiApplication::platformName() != QStringLiteral("offscreen");
  t.w.trigger("KAISETU");
  const std::string help = file_url(dir_.path() + "/Zarvoチェス.htm");
  if (desktop) {
    EXPECT_EQ(opened(5000, 1), help + "\n");
  } else {
    EXPECT_EQ(opened(300, 1), "<missing>");
  }
  ASSERT_EQ(t.dialogs.messages.size(), desktop ? 0u : 1u);
  if (!desktop) {
    EXPECT_EQ(t.dialogs.messages[0].title, "解説");
  }
  t.dialogs.messages.clear();

  with_form4(t, [&](Form4& form) {
    form.command1()->click();
    EXPECT_EQ(form.isVisible(), !desktop);
    if (form.isVisible()) form.command2()->click();
  });
  if (desktop) {
    EXPECT_EQ(opened(5000, 2), help + "\n" + help + "#about\n");
  } else {
    EXPECT_EQ(opened(300, 1), "<missing>");
  }
  EXPECT_TRUE(t.dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvo
