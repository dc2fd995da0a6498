#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

QColor pixel_at_twips(const QImage& image, double x, double y) {
  const qreal dpr = image.devicePixelRatio();
  return image.pixelColor(static_cast<int>(x / TWIPS_PER_PIXEL * dpr), static_cast<int>(y / TWIPS_PER_PIXEL * dpr));
}

TEST(Window, StartsWithTheInitialPositionAndItsTitle) {
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Zarvo チェス"));
  EXPECT_EQ(w.app().pos.board[5][8], W_KING);
  EXPECT_EQ(w.app().game.turn, NONE);
  // An empty square of shade 1 shows the red-brown ground at its centre.
  const QColor c = pixel_at_twips(w.canvas().image(), grid_left(4.5), grid_top(4.5));
  EXPECT_EQ(c, QColor(186, 107, 100));
  const QColor d = pixel_at_twips(w.canvas().image(), grid_left(3.5), grid_top(4.5));
  EXPECT_EQ(d, QColor(69, 155, 155));
  // The menus speak in the board's font, so that one font file serves both.
  EXPECT_EQ(w.menuBar()->font().family(), window_font_family());
  EXPECT_EQ(QApplication::font("QMenu").family(), window_font_family());
}

TEST(Window, EscapeEndsTheProgramAfterFreeingTheSounds) {
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::CountingLifecycle lifecycle;
  MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
  w.finish_start_up();
  sound.calls.clear();
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &other);
  EXPECT_EQ(lifecycle.count, 0);
  EXPECT_TRUE(sound.calls.empty());
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &escape);
  EXPECT_EQ(lifecycle.count, 1);
  ASSERT_FALSE(sound.calls.empty());
  EXPECT_EQ(sound.calls.back(), "dsTerminate 100");
}

// A whole little wave file of silence.
std::string tiny_wav() {
  const unsigned char header[44] = {'R', 'I', 'F', 'F', 40, 0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
                                    ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x44, 0xac, 0,   0,   0x88, 0x58,
                                    1,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  4,    0,   0,   0};
  return std::string(reinterpret_cast<const char*>(header), sizeof header) + std::string(4, '\0');
}

// Lets the event loop run until `done` holds (or a generous limit passes, when the test fails).
void run_until(const std::function<bool()>& done) {
  QElapsedTimer limit;
  limit.start();
  while (!done() && limit.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The board is on screen before the audio device is asked for; the sounds and the
// music the settings ask for follow in their usual order.
TEST(Window, TheSoundsOpenAfterTheFirstFrame) {
  test::ScratchDir dir;
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) test::write_bytes(name, tiny_wav());
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_EQ(pixel_at_twips(w.canvas().image(), grid_left(4.5), grid_top(4.5)), QColor(186, 107, 100));
  w.show();
  run_until([&] { return !sound.calls.empty(); });
  const std::vector<std::string> expected = {"dsInitialize",      "dsCreateDSB 100 3", "dsCreateDSB 100 3",
                                             "dsCreateDSB 100 3", "dsCreateDSB 100 1", "dsPlayLooping 4"};
  EXPECT_EQ(sound.calls, expected);
  EXPECT_EQ(w.app().sounds.sound_piece, 3);
  // Once only.
  w.finish_start_up();
  EXPECT_EQ(sound.calls.size(), expected.size());
}

// The first frame is painted before the canvas has a buffer, the later ones
// from the buffer: the player sees no change between them.
TEST(Window, TheFirstFrameLooksLikeTheOnesAfterIt) {
  test::ScratchDir dir;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w({nullptr, nullptr, nullptr, &sound, &lifecycle});
  w.board_view()->resize(w.canvas().device_size() + QSize(20, 10));  // a margin beside the canvas too
  ASSERT_FALSE(w.canvas().has_buffer());
  const QImage first = w.board_view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(w.canvas().has_buffer()) << "the first frame made the buffer";
  const QImage later = w.board_view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_TRUE(w.canvas().has_buffer());
  EXPECT_EQ(first, later);
}

// A command given before the first frame finds its sounds loaded.
TEST(Window, ACommandBeforeTheFirstFrameOpensTheSoundsFirst) {
  test::ScratchDir dir;
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) test::write_bytes(name, tiny_wav());
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
  w.trigger("REVERSE");
  ASSERT_FALSE(sound.calls.empty());
  EXPECT_EQ(sound.calls.front(), "dsInitialize");
  EXPECT_EQ(sound.calls.back(), "dsPlay 3") << "the flip is heard with the loaded piece sound";
}

// Without an audio device the warning box stands over the board, which is already drawn.
TEST(Window, WithoutAnAudioDeviceTheWarningComesOverTheDrawnBoard) {
  test::ScratchDir dir;
  test::RecordingSound sound;
  sound.device = 0;
  test::ThrowingLifecycle lifecycle;
  MainWindow w({nullptr, nullptr, nullptr, &sound, &lifecycle});
  QString text, title;
  QWidget* parent = nullptr;
  QColor board;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(top);
      if (!box || !box->isVisible()) continue;
      text = box->text();
      title = box->windowTitle();
      parent = box->parentWidget();
      board = pixel_at_twips(w.canvas().image(), grid_left(3.5), grid_top(4.5));
      box->buttons().front()->click();
    }
  });
  probe.start(10);
  w.show();
  run_until([&] { return !text.isEmpty(); });
  EXPECT_EQ(text, QStringLiteral("Direct Soundインターフェースが作成できません。"));
  EXPECT_EQ(title, QStringLiteral("Zarvoチェス.dll"));
  EXPECT_EQ(parent, &w);
  EXPECT_EQ(board, QColor(69, 155, 155));
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.app().sounds.sound_device, 0);
}

}  // namespace
}  // namespace zarvo
