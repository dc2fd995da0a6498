// The computer's promotion chooser is on screen while its pauses run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <map>

#include "game/promotion.h"
#include "qt/main_window.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

// The real clock's idle(), with fast time. At every round it notes whether
// the chooser and its selected queen, while shown, have received a paint.
class FastClock final : public QtClock, public QObject {
 public:
  double timer() override { return now; }
  int wall_second() override { return static_cast<int>(now) % 60; }
  void idle() override {
    QtClock::idle();
    now += 0.05;
    chooser_painted |= chooser->isVisible() && paints[chooser] > 0;
    queen_painted |= queen->isVisible() && paints[queen] > 0;
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints[o];
    return false;
  }
  double now = 1000.0;
  QDialog* chooser = nullptr;
  QLabel* queen = nullptr;
  std::map<QObject*, int> paints;
  bool chooser_painted = false, queen_painted = false;
};

TEST(WindowWaits, TheComputersChooserIsPaintedDuringItsPause) {
  test::ScriptedDialogs dialogs;
  FastClock clock;
  test::RecordingSound sound;
  test::CountingLifecycle lifecycle;
  MainWindow w{{&dialogs, &clock, nullptr, &sound, &lifecycle}};
  w.show();
  // The chooser is made on first use; a no-op call on it makes it now, so it can be watched.
  w.app().platform.chooser->restore_button(FORM_BLACK, 5);
  for (QDialog* d : w.findChildren<QDialog*>())
    if (d->windowTitle() == QString::fromUtf8(" 黒")) clock.chooser = d;
  ASSERT_NE(clock.chooser, nullptr);
  clock.queen = clock.chooser->findChild<QLabel*>(QStringLiteral("B_QEEN_S"));
  ASSERT_NE(clock.queen, nullptr);
  clock.chooser->installEventFilter(&clock);
  clock.queen->installEventFilter(&clock);

  App& app = w.app();
  app.pos.board = test::board_from(
      {"....k...", "........", "........", "........", "........", "........", "p.......", "....K..."});
  w.trigger("SENTE");
  for (int x : {5, 6}) {  // the king steps; the computer promotes its pawn
    const QPointF pos((grid_left(x) + SQUARE_W / 2.0) / TWIPS_PER_PIXEL,
                      (grid_top(8) + SQUARE_H / 2.0) / TWIPS_PER_PIXEL);
    QMouseEvent press(QEvent::MouseButtonPress, pos, w.board_view()->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.board_view(), &press);
  }
  ASSERT_EQ(app.pos.board[1][8], B_QUEEN);
  EXPECT_TRUE(clock.chooser_painted) << "the chooser was shown but not painted while the computer paused";
  EXPECT_TRUE(clock.queen_painted) << "the selected queen was not painted during its second";
}

}  // namespace
}  // namespace zarvo
