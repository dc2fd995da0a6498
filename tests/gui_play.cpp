#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "game/promotion.h"
#include "qt/main_window.h"
#include "rules/move_rules.h"
#include "tests/support/fakes.h"
#include "tests/support/window_fixture.h"

namespace zarvo {
namespace {

class WindowPlay : public ::testing::Test, public test::WindowSession {
 protected:
  // Presses a chooser button as soon as the modal window is up.
  void press_chooser_button_when_shown(const QString& name) {
    QTimer::singleShot(0, [name] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<QDialog*>(top);
        if (!d || !d->isVisible()) continue;
        if (auto* b = d->findChild<QToolButton*>(name)) b->click();
      }
    });
  }
};

TEST_F(WindowPlay, TwoClicksMoveAPieceWithFramesAndCaption) {
  w.trigger("START");
  EXPECT_EQ(dialogs.messages.back().text, "先手の番です");
  w.app().game.guidance_on = 1;
  w.app().options.guidance_colour = QB_BRIGHT_WHITE;
  click(5, 7);
  EXPECT_EQ(w.app().game.selection_state, 1);
  EXPECT_EQ(frame_colour(5, 7), QColor(255, 0, 0));
  EXPECT_EQ(frame_colour(5, 6), QColor(255, 255, 255));  // guidance
  EXPECT_EQ(frame_colour(5, 5), QColor(255, 255, 255));
  EXPECT_EQ(frame_colour(4, 6), QColor(0, 128, 0));
  click(5, 5);
  EXPECT_EQ(w.app().pos.board[5][5], W_PAWN);
  EXPECT_EQ(w.app().game.move_number, 1);
  EXPECT_EQ(frame_colour(5, 5), QColor(0, 128, 0));
  EXPECT_EQ(frame_colour(5, 6), QColor(0, 128, 0));
  EXPECT_EQ(w.app().game.turn, SECOND);
}

TEST_F(WindowPlay, RightClickPromotesThroughTheChooserWindow) {
  w.trigger("START");
  App& app = w.app();
  app.pos.board = test::board_from(
      {"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  rescan(app.pos);
  click(1, 2);
  press_chooser_button_when_shown("W_QEEN");
  click(1, 1, Qt::RightButton);
  EXPECT_EQ(app.pos.board[1][1], W_QUEEN);
  EXPECT_EQ(app.play.promotion_choice, W_QUEEN);
}

TEST_F(WindowPlay, ChooserWindowsOfferNoCloseControlAndIgnoreEscape) {
  w.trigger("START");
  App& app = w.app();
  app.pos.board = test::board_from(
      {"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."});
  rescan(app.pos);
  click(1, 2);
  QTimer::singleShot(0, [] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* d = qobject_cast<QDialog*>(top);
      if (!d || !d->isVisible()) continue;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("  白"));
      EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
      d->close();  // refused
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QCoreApplication::sendEvent(d, &escape);
      EXPECT_TRUE(d->isVisible());
      if (auto* b = d->findChild<QToolButton*>("W_PORN")) b->click();
    }
  });
  click(1, 1, Qt::RightButton);
  EXPECT_EQ(app.pos.board[1][1], W_PAWN);
}

TEST_F(WindowPlay, TheComputersPromotionPressesTheQueenOfTheShownWindow) {
  App& app = w.app();
  app.game.colors_swapped = 1;
  choose_promotion(app, B_QUEEN);
  EXPECT_EQ(app.play.promotion_choice, W_QUEEN);  // the white window was shown
  // It waited 1.5 seconds before pressing and one whole second for the animation.
  ASSERT_GE(clock.waits.size(), 2u);
  EXPECT_EQ(clock.waits[clock.waits.size() - 2], 1.5);
  EXPECT_EQ(clock.waits.back(), 1.0);
}

}  // namespace
}  // namespace zarvo
