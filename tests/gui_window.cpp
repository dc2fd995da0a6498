#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

#include "qt/main_window.h"
#include "tests/support/fakes.h"

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
  EXPECT_EQ(w.app().game.board[5][8], W_KING);
  EXPECT_EQ(w.app().game.turn, NONE);
  // An empty square of shade 1 shows the red-brown ground at its centre.
  const QColor c = pixel_at_twips(w.canvas().image(), grid_left(4.5), grid_top(4.5));
  EXPECT_EQ(c, QColor(186, 107, 100));
  const QColor d = pixel_at_twips(w.canvas().image(), grid_left(3.5), grid_top(4.5));
  EXPECT_EQ(d, QColor(69, 155, 155));
}

TEST(Window, EscapeEndsTheProgramAfterFreeingTheSounds) {
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::CountingLifecycle lifecycle;
  MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
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

}  // namespace
}  // namespace zarvo
