// The real main window wired to recording fakes, with real mouse presses on
// the board and pixel reads of the canvas. Header only: the core suite, which
// shares the support folder, builds without Qt.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

#include "display/display_state.h"
#include "qt/canvas.h"
#include "qt/main_window.h"
#include "tests/support/fakes.h"

namespace zarvo::test {

struct WindowSession {
  // count_ends: the program's ends are counted instead of thrown, for games
  // that run until the result and the question after it.
  explicit WindowSession(bool count_ends = false)
      : w({&dialogs, &clock, nullptr, &sound, count_ends ? static_cast<Lifecycle*>(&counting) : &throwing}) {}

  ScriptedDialogs dialogs;
  FakeClock clock;
  RecordingSound sound;
  ThrowingLifecycle throwing;
  CountingLifecycle counting;
  MainWindow w;

  App& app() { return w.app(); }

  // A real mouse press in the middle of board square (x, y).
  void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF pos((grid_left(x) + SQUARE_W / 2.0) / TWIPS_PER_PIXEL,
                      (grid_top(y) + SQUARE_H / 2.0) / TWIPS_PER_PIXEL);
    QMouseEvent press(QEvent::MouseButtonPress, pos, w.board_view()->mapToGlobal(pos), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board_view(), &press);
  }
  QColor pixel(double x_twips, double y_twips) {
    const QImage& image = w.canvas().image();
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x_twips / TWIPS_PER_PIXEL * dpr),
                            static_cast<int>(y_twips / TWIPS_PER_PIXEL * dpr));
  }
  // The colour of the left edge of square (x, y)'s frame, halfway down.
  QColor frame_colour(int x, int y) {
    const QImage& image = w.canvas().image();
    const qreal dpr = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(QtCanvas::px(grid_left(x)) * dpr),
                            static_cast<int>(QtCanvas::px(grid_top(y) + SQUARE_H / 2.0) * dpr));
  }
};

}  // namespace zarvo::test
