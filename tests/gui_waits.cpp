// The computer's promotion chooser is on screen while its pauses run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "shell/qt_main_window.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The real clock's idle(), with time that runs fast; at every round it notes
// whether the chooser and its selected queen were painted while shown.
class FastClock final : public QtClock {
 public:
  double timer() override { return now; }
  int wall_second() override { return static_cast<int>(now) % 60; }
  void idle() override {
    QtClock::idle();
    now += 0.05;
    if (chooser && chooser->isVisible() && chooser_paints && chooser_paints->paints > 0) chooser_painted = true;
    if (queen && queen->isVisible() && queen_paints && queen_paints->paints > 0) queen_painted = true;
  }
  double now = 1000.0;
  QDialog* chooser = nullptr;
  QLabel* queen = nullptr;
  PaintCounter* chooser_paints = nullptr;
  PaintCounter* queen_paints = nullptr;
  bool chooser_painted = false;
  bool queen_painted = false;
};

TEST(WindowWaits, TheComputersChooserIsPaintedDuringItsPause) {
  test::ScriptedDialogs dialogs;
  FastClock clock;
  test::RecordingSound sound;
  test::CountingLifecycle lifecycle;
  MainWindow w{{&dialogs, &clock, nullptr, &sound, &lifecycle}};
  w.show();
  App& app = w.app();

  // The black window (" 黒") shows the upper army's promotion.
  for (QDialog* d : w.findChildren<QDialog*>()) {
    if (d->windowTitle() == QString::fromUtf8(" 黒")) clock.chooser = d;
  }
  ASSERT_NE(clock.chooser, nullptr);
  clock.queen = clock.chooser->findChild<QLabel*>(QStringLiteral("B_QEEN_S"));
  ASSERT_NE(clock.queen, nullptr);
  PaintCounter chooser_paints, queen_paints;
  clock.chooser->installEventFilter(&chooser_paints);
  clock.queen->installEventFilter(&queen_paints);
  clock.chooser_paints = &chooser_paints;
  clock.queen_paints = &queen_paints;

  app.game.board = test::board_from({"....k...", "........", "........", "........", "........", "........", "p.......", "....K..."});
  scan_board(app.game.board, app.maps, app.game.kings);
  w.trigger("SENTE");
  const auto click = [&](int x, int y) {
    const QPointF pos((grid_left(x) + SQUARE_W / 2.0) / TWIPS_PER_PIXEL, (grid_top(y) + SQUARE_H / 2.0) / TWIPS_PER_PIXEL);
    QMouseEvent press(QEvent::MouseButtonPress, pos, w.board_view()->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.board_view(), &press);
  };
  click(5, 8);
  click(6, 8);
  ASSERT_EQ(app.game.board[1][8], B_QUEEN);  // the computer promoted
  EXPECT_TRUE(clock.chooser_painted) << "the chooser was shown but not painted while the computer paused";
  EXPECT_TRUE(clock.queen_painted) << "the selected queen was not painted during its second";
  EXPECT_FALSE(clock.chooser->isVisible());
}

}  // namespace
}  // namespace zarvo
