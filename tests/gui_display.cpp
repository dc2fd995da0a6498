// Pixels of the real main window's canvas after start-up: square grounds and
// pieces, grid lines, frames, labels and the logo.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <algorithm>
#include <vector>

#include "assets/picture_library.h"
#include "display/marks.h"
#include "qt/canvas.h"
#include "qt/main_window.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/screen_colours.h"

namespace zarvo {
namespace {

using test::BLACK;
using test::GRID_GREEN;
using test::LIGHT_RED;
using test::RED_BROWN;
using test::TEAL;
using test::YELLOW;

class Display : public ::testing::Test {
 protected:
  test::ScratchDir dir;  // default settings: the green background
  test::ScriptedDialogs dialogs;
  test::RecordingSound sound;
  test::ThrowingLifecycle lifecycle;
  MainWindow w{{&dialogs, nullptr, nullptr, &sound, &lifecycle}};

  const QImage& image() { return w.canvas().image(); }
  // The colour at a logical pixel of the client area.
  QColor at(int x, int y) {
    const qreal dpr = image().devicePixelRatio();
    return image().pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
  }
  static int left_px(double X) { return QtCanvas::px(grid_left(X)); }
  static int top_px(double Y) { return QtCanvas::px(grid_top(Y)); }

  // Brightness of what is not ground in the middle of a square: the piece's body.
  double piece_brightness(int x, int y) {
    std::vector<double> values;
    for (int dy = 12; dy < 36; ++dy) {
      for (int dx = 12; dx < 33; ++dx) {
        const QColor c = at(left_px(x) + dx, top_px(y) + dy);
        if (c == TEAL || c == RED_BROWN) continue;
        values.push_back(0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue());
      }
    }
    if (values.size() < 40) return -1;
    // The upper quartile looks past outlines and carved lines to the body colour.
    const size_t q = values.size() * 3 / 4;
    std::nth_element(values.begin(), values.begin() + q, values.end());
    return values[q];
  }

  int count_in_cell(double X, double Y, const QColor& colour) {
    int n = 0;
    for (int y = top_px(Y); y < top_px(Y + 1); ++y)
      for (int x = left_px(X); x < left_px(X + 1); ++x) n += at(x, y) == colour;
    return n;
  }
};

TEST_F(Display, SquaresShowTheirGroundsAndEveryPieceItsArmysColour) {
  // Just inside the outline, where no piece reaches.
  EXPECT_EQ(at(left_px(1) + 3, top_px(1) + 3), RED_BROWN) << "(1, 1)";
  EXPECT_EQ(at(left_px(1) + 3, top_px(8) + 3), TEAL) << "(1, 8), a1";
  EXPECT_EQ(at(left_px(8) + 3, top_px(8) + 3), RED_BROWN) << "(8, 8)";
  for (int x = 1; x <= 8; ++x) {
    for (int y = 1; y <= 8; ++y) {
      SCOPED_TRACE(testing::Message() << "square " << x << "," << y);
      EXPECT_EQ(at(left_px(x) + 3, top_px(y) + 40), (x + y) % 2 == 0 ? RED_BROWN : TEAL);
      const double brightness = piece_brightness(x, y);
      if (y <= 2) {
        EXPECT_GE(brightness, 0);
        EXPECT_LT(brightness, 110) << "a black piece";
      } else if (y >= 7) {
        EXPECT_GT(brightness, 180) << "a light piece";
      } else {
        EXPECT_EQ(brightness, -1) << "an empty square";
      }
    }
  }
}

TEST_F(Display, GreenGridLinesRunBetweenTheSquares) {
  const int mid_row = top_px(4) + 20;
  for (int x = 1; x <= 9; ++x) EXPECT_EQ(at(left_px(x), mid_row), GRID_GREEN) << "vertical line " << x;
  const int mid_column = left_px(3) + 20;
  for (int y = 1; y <= 9; ++y) EXPECT_EQ(at(mid_column, top_px(y)), GRID_GREEN) << "horizontal line " << y;
  EXPECT_NE(at(left_px(4) + 1, mid_row), GRID_GREEN) << "the lines are one pixel wide";
}

TEST_F(Display, AMarkFramesItsSquareInRedUntilTheMarksAreCleared) {
  mark_square(w.app(), select_colour, 3, 6);
  const int l = left_px(3), r = left_px(4), t = top_px(6), b = top_px(7);
  for (int i = 1; i < 40; i += 7) {
    EXPECT_EQ(at(l + i, t), LIGHT_RED);
    EXPECT_EQ(at(l + i, b), LIGHT_RED);
    EXPECT_EQ(at(l, t + i), LIGHT_RED);
    EXPECT_EQ(at(r, t + i), LIGHT_RED);
  }
  EXPECT_EQ(at(l + 2, t + 2), TEAL) << "only the outline";
  EXPECT_EQ(at(l - 2, t + 20), RED_BROWN) << "the neighbour keeps its ground";
  clear_marks(w.app());
  EXPECT_EQ(at(l + 10, t), GRID_GREEN);
  EXPECT_EQ(at(r, t + 10), GRID_GREEN);
}

TEST_F(Display, TheLogoSitsRightOfTheBoardsUpperEdge) {
  const QImage logo = load_picture("ZARVOCHESS", image().devicePixelRatio());
  ASSERT_FALSE(logo.isNull());
  // At window point (7666, 405): every opaque pixel of the picture is on the canvas there.
  const int left = QtCanvas::px(7666), top = QtCanvas::px(405);
  const qreal dpr = image().devicePixelRatio();
  int compared = 0, different = 0;
  for (int y = 0; y < logo.height(); ++y) {
    for (int x = 0; x < logo.width(); ++x) {
      const QColor p = logo.pixelColor(x, y);
      if (p.alpha() != 255) continue;
      ++compared;
      different += image().pixelColor(static_cast<int>(left * dpr) + x, static_cast<int>(top * dpr) + y) != p;
    }
  }
  EXPECT_GT(compared, logo.width() * logo.height() / 2);
  EXPECT_EQ(different, 0);
}

TEST_F(Display, LabelsAreYellowAboveAndRightOfTheBoard) {
  for (int X = 1; X <= 8; ++X) EXPECT_GT(count_in_cell(X, 0, YELLOW), 8) << "file letter " << X;
  for (int Y = 1; Y <= 8; ++Y) EXPECT_GT(count_in_cell(9, Y, YELLOW), 8) << "row number " << Y;
  EXPECT_EQ(count_in_cell(10, 3, YELLOW), 0) << "nothing written further right";
}

TEST_F(Display, TheWindowFontIsAJapaneseMincho) {
  if (!QFontDatabase::families().contains(QStringLiteral("IPAPMincho")))
    GTEST_SKIP() << "fonts-ipafont-mincho is not installed";
  EXPECT_EQ(window_font_family(), QStringLiteral("IPAPMincho"));
}

TEST_F(Display, TheWindowIsPlacedAtTheTopLeftWithItsStartSize) {
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.size(), QSize(9700 / TWIPS_PER_PIXEL, 8000 / TWIPS_PER_PIXEL));
}

}  // namespace
}  // namespace zarvo
