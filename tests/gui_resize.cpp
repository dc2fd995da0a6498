// The real main window at other sizes: the picture scales as a whole, clicks
// still land on the squares drawn, the record panel and the chooser follow,
// and the window's size is remembered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

#include "display/marks.h"
#include "game/promotion.h"
#include "qt/main_window.h"
#include "qt/record_panel.h"
#include "shell/text_encoding.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/screen_colours.h"

namespace zarvo {
namespace {

using test::GRID_GREEN;
using test::LIGHT_RED;
using test::RED_BROWN;
using test::TEAL;
using test::WHITE;

class Resized : public ::testing::Test {
 protected:
  Resized() {
    w.show();
    QApplication::processEvents();
    start_view = w.board_view()->size();
  }

  // Gives the board view `factor` times its start size.
  void scale_view(double factor) {
    const QSize view = w.board_view()->size();
    const int chrome = w.height() - view.height();
    w.resize(static_cast<int>(start_view.width() * factor), static_cast<int>(start_view.height() * factor) + chrome);
    QApplication::processEvents();
  }

  const BoardScale& scale() { return w.canvas().scale(); }
  QColor device_pixel(int x, int y) { return w.canvas().image().pixelColor(x, y); }
  int dx(double twips) { return scale().to_device(twips); }

  // A real mouse press at a twip position, through the window's current scale.
  void click_twips(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF pos(x * scale().scale / TWIPS_PER_PIXEL, y * scale().scale / TWIPS_PER_PIXEL);
    QMouseEvent press(QEvent::MouseButtonPress, pos, w.board_view()->mapToGlobal(pos), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board_view(), &press);
  }
  void click(int x, int y) { click_twips(grid_left(x) + SQUARE_W / 2.0, grid_top(y) + SQUARE_H / 2.0); }

  QSize start_view;
  test::ScratchDir dir;
  test::ScriptedDialogs dialogs;
  test::FakeClock clock;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w{{&dialogs, &clock, nullptr, &sound, &lifecycle}};
};

TEST_F(Resized, AtTwiceTheSizeEverySquareIsPaintedTwiceAsLargeWithThickerFrames) {
  EXPECT_DOUBLE_EQ(w.board_scale(), 1.0) << "the start size is the layout itself";
  scale_view(2.0);
  ASSERT_DOUBLE_EQ(w.board_scale(), 2.0);
  const qreal dpr = w.canvas().image().devicePixelRatio();
  EXPECT_EQ(w.canvas().image().size(), w.board_view()->size() * dpr) << "the canvas covers the whole view";
  for (int x = 1; x <= 8; ++x) {
    for (int y = 1; y <= 8; ++y) {
      SCOPED_TRACE(testing::Message() << "square " << x << "," << y);
      const int l = dx(grid_left(x)), t = dx(grid_top(y));
      EXPECT_EQ(dx(grid_left(x + 1)) - l, static_cast<int>(88 * dpr));
      // Inside the frame, where no piece reaches: the square's ground.
      EXPECT_EQ(device_pixel(l + 6, t + 6), (x + y) % 2 == 0 ? RED_BROWN : TEAL);
      // Frames two device pixels wide on every edge.
      EXPECT_EQ(device_pixel(l, t + 40), GRID_GREEN);
      EXPECT_EQ(device_pixel(l + 1, t + 40), GRID_GREEN);
      EXPECT_NE(device_pixel(l + 2, t + 40), GRID_GREEN);
    }
  }
  // A mark is as thick as the grid, and cleared completely.
  mark_square(w.app(), select_colour, 3, 6);
  const int l = dx(grid_left(3)), t = dx(grid_top(6));
  EXPECT_EQ(device_pixel(l + 1, t + 30), LIGHT_RED);
  EXPECT_EQ(device_pixel(l + 30, t + 1), LIGHT_RED);
  clear_marks(w.app());
  EXPECT_EQ(device_pixel(l + 1, t + 30), GRID_GREEN);
  EXPECT_EQ(device_pixel(l + 30, t + 1), GRID_GREEN);
}

TEST_F(Resized, APictureRepaintedAtAnotherSizeAndBackIsTheSameAfterALongGame) {
  w.trigger("START");
  w.app().game.guidance_on = 1;
  w.app().options.guidance_colour = QB_BRIGHT_WHITE;
  click(5, 7);
  click(5, 5);
  click(4, 2);
  click(4, 4);
  // Hundreds of frames drawn and wiped, as in a long game, then a pick left on screen.
  for (int i = 0; i < 300; ++i) {
    mark_square(w.app(), select_colour, 1 + i % 8, 1 + i / 8 % 8);
    clear_marks(w.app());
  }
  click(7, 8);
  EXPECT_LT(w.canvas().kept_steps(), 4000u) << "drawing hidden by later drawing is forgotten";
  const QImage before = w.canvas().image().copy();
  scale_view(1.5);
  EXPECT_DOUBLE_EQ(w.board_scale(), 1.5);
  EXPECT_NE(w.canvas().image().size(), before.size());
  scale_view(1.0);
  ASSERT_EQ(w.canvas().image().size(), before.size());
  int different = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) different += before.pixel(x, y) != w.canvas().image().pixel(x, y);
  EXPECT_EQ(different, 0) << "frames, captions, counter and labels all come back";
}

TEST_F(Resized, ClicksAtOneAndAHalfTimesLandOnTheSquaresDrawnThere) {
  scale_view(1.5);
  ASSERT_DOUBLE_EQ(w.board_scale(), 1.5);
  w.trigger("START");
  w.app().game.guidance_on = 1;
  w.app().options.guidance_colour = QB_BRIGHT_WHITE;
  // Just inside the top-left corner of e2 as drawn at this size.
  click_twips(grid_left(5) + 12, grid_top(7) + 12);
  EXPECT_EQ(w.app().game.selection_state, 1);
  EXPECT_EQ(w.app().play.pick_x, 5);
  EXPECT_EQ(w.app().play.pick_y, 7);
  const int l = dx(grid_left(5)), t = dx(grid_top(7));
  EXPECT_EQ(device_pixel(l, t + 50), LIGHT_RED);
  EXPECT_EQ(device_pixel(dx(grid_left(5)), dx(grid_top(5)) + 50), WHITE) << "guidance on e4";
  // Just inside the bottom-right corner of e4.
  click_twips(grid_left(6) - 12, grid_top(6) - 12);
  EXPECT_EQ(w.app().pos.board[5][5], W_PAWN);
  EXPECT_EQ(w.app().pos.board[5][7], EMPTY);
  EXPECT_EQ(device_pixel(l, t + 50), GRID_GREEN);
}

TEST_F(Resized, TheRecordPanelAndTheChooserKeepTheirPlaceBesideTheBoard) {
  scale_view(2.0);
  ASSERT_DOUBLE_EQ(w.board_scale(), 2.0);
  w.trigger("KIFU_READ");
  auto* on_demand = dynamic_cast<QtRecordPanelOnDemand*>(w.app().platform.panel);
  ASSERT_NE(on_demand, nullptr);
  ASSERT_TRUE(on_demand->built());
  QtRecordPanel* panel = &on_demand->panel();
  EXPECT_TRUE(panel->drive_list()->isVisible());
  // Twips (240, 360, 2535, 300) and so on, twice as many pixels as at the start.
  EXPECT_EQ(panel->drive_list()->geometry(), QRect(32, 48, 338, 40));
  EXPECT_EQ(panel->folder_list()->geometry(), QRect(32, 80, 338, 228));
  EXPECT_EQ(panel->return_button()->geometry(), QRect(448, 400, 114, 50));
  EXPECT_EQ(panel->field(PanelText::FileName)->geometry(), QRect(128, 416, 306, 36));
  EXPECT_EQ(panel->drive_list()->font().pixelSize(), 24);
  // Back to the start size: the places of the start size.
  scale_view(1.0);
  EXPECT_EQ(panel->drive_list()->geometry(), QRect(16, 24, 169, 20));

  scale_view(2.0);
  w.app().platform.chooser->show(FORM_WHITE, 1400, 50);
  QDialog* chooser = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(top); d && d->isVisible()) chooser = d;
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->size(), QSize(186, 602));
  EXPECT_EQ(chooser->pos(), w.frameGeometry().topLeft() + QPoint(7, 187));
  auto* queen = chooser->findChild<QToolButton*>(QStringLiteral("W_QEEN"));
  ASSERT_NE(queen, nullptr);
  EXPECT_EQ(queen->iconSize(), QSize(90, 90));
  EXPECT_EQ(queen->geometry().topLeft(), QPoint(16, 112));
  w.app().platform.chooser->hide_all();
}

class RememberedWindow : public ::testing::Test {
 protected:
  void write_ini(const std::string& utf8) { test::write_bytes("Zarvoチェス.ini", utf8_to_cp932(utf8)); }
  std::string ini() const { return cp932_to_utf8(test::file_bytes("Zarvoチェス.ini")); }
  test::ScratchDir dir;
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
};

TEST_F(RememberedWindow, TheChosenSizeIsSavedAndUsedAtTheNextStartCutToTheScreen) {
  write_ini("背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n");
  {
    MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
    w.show();
    QApplication::processEvents();
    // The start size is not written down.
    w.trigger("TAIKYOKU");
    EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\n");
    w.resize(700, 560);
    QApplication::processEvents();
    w.trigger("TAIKYOKU");  // the size waiting to be saved goes first
    EXPECT_EQ(ini(), "背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\nウィンドウサイズ=10500,8400\r\n");
  }
  {
    MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(w.size(), QSize(700, 560));
    EXPECT_GT(w.board_scale(), 1.0);
  }
  write_ini("背景画=緑\r\n移動指導=OFF\r\nBGM=OFF\r\nウィンドウサイズ=900000,900000\r\n");
  {
    MainWindow w({&dialogs, nullptr, nullptr, &sound, &lifecycle});
    w.show();
    QApplication::processEvents();
    const QSize screen = w.screen()->availableGeometry().size();
    EXPECT_EQ(w.frameGeometry().size(), screen) << "cut to the screen, frame included";
  }
}

}  // namespace
}  // namespace zarvo
