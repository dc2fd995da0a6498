// Every text on the board window stands out from the background tile behind
// it, on all five backgrounds: measured from the rendered canvas, the text's
// colour against the average colour of the tile under it.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "display/board_drawing.h"
#include "display/texts.h"
#include "game/record_panel.h"
#include "records/record_file.h"
#include "tests/support/options_fakes.h"
#include "tests/support/window_fixture.h"

namespace zarvo {
namespace {

// A text's box on the window, in grid units.
struct TextBox {
  std::string what;
  double left, top, right, bottom;
};

std::vector<TextBox> game_texts() {
  std::vector<TextBox> boxes;
  for (int X = 1; X <= 8; ++X) boxes.push_back({"file label " + std::to_string(X), X + 0.25, 0.35, X + 0.95, 0.98});
  for (int Y = 1; Y <= 8; ++Y) boxes.push_back({"rank label " + std::to_string(Y), 9.05, Y + 0.25, 9.9, Y + 0.95});
  boxes.push_back({"move counter", 10.0, 4.25, 11.9, 4.95});
  boxes.push_back({"upper caption", -0.75, 2.55, 0.95, 3.75});
  boxes.push_back({"lower caption", 10.25, 7.55, 11.95, 8.75});
  boxes.push_back({"LEVEL", -0.75, 0.45, 0.95, 0.98});
  boxes.push_back({"handicap grade", 10.15, 2.2, 12.4, 2.85});
  return boxes;
}

std::vector<TextBox> record_texts() {
  const auto col = [](double twips) { return (twips - GRID_LEFT) / SQUARE_W; };
  const auto row = [](double twips) { return (twips - GRID_TOP) / SQUARE_H; };
  return {{"record title", col(790), row(6340), col(1700), row(6640)},
          {"upper player", col(3690), row(90), col(4600), row(330)},
          {"lower player", col(3690), row(6340), col(4600), row(6640)}};
}

// The palette colour a pixel has, or nearly has: thin strokes are softened
// inside too. The palette's two greys are left out, as that is what softened
// white and black look like; no text is printed in them.
int palette_colour(const QColor& p) {
  for (int i = 0; i < 16; ++i) {
    const Rgb c = qb_color(i);
    if (i == 7 || i == 8) continue;
    if (std::abs(p.red() - c.r) <= 48 && std::abs(p.green() - c.g) <= 48 && std::abs(p.blue() - c.b) <= 48) return i;
  }
  return -1;
}

class Readability : public ::testing::TestWithParam<const char*> {
 protected:
  // The palette colour whose pixels grew most from the bare tiles to the
  // shown window inside the box is the text's; it must be there and stand out
  // from the average of the tile pixels behind it.
  void expect_readable(const QImage& shown, const QImage& bare, const TextBox& box) {
    SCOPED_TRACE(box.what);
    const qreal dpr = shown.devicePixelRatio();
    const auto px = [&](double twips) { return static_cast<int>(twips / TWIPS_PER_PIXEL * dpr); };
    std::array<int, 16> grown{};
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = px(grid_top(box.top)); y < px(grid_top(box.bottom)); ++y) {
      for (int x = px(grid_left(box.left)); x < px(grid_left(box.right)); ++x) {
        const QColor under = bare.pixelColor(x, y), over = shown.pixelColor(x, y);
        r += under.red(), g += under.green(), b += under.blue(), ++n;
        if (const int i = palette_colour(over); i >= 0) ++grown[i];
        if (const int i = palette_colour(under); i >= 0) --grown[i];
      }
    }
    ASSERT_GT(n, 0);
    // The two colours that grew most are the text and its shadow, which shows
    // one pixel down and right of the text's strokes.
    std::array<int, 16> order{};
    for (int i = 0; i < 16; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return grown[a] > grown[b]; });
    int text = order[0];
    if (grown[order[1]] >= 5) {
      const auto below_right_of = [&](int lower, int upper) {
        int count = 0;
        for (int y = px(grid_top(box.top)) + 1; y < px(grid_top(box.bottom)); ++y)
          for (int x = px(grid_left(box.left)) + 1; x < px(grid_left(box.right)); ++x)
            count += palette_colour(shown.pixelColor(x, y)) == lower &&
                     palette_colour(shown.pixelColor(x - 1, y - 1)) == upper;
        return count;
      };
      if (below_right_of(order[0], order[1]) > below_right_of(order[1], order[0])) text = order[1];
    }
    EXPECT_GE(grown[text], 5) << "no text drawn there";
    const Rgb tile{static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5), static_cast<int>(b / n + 0.5)};
    EXPECT_GE(contrast_ratio(qb_color(text), tile), 4.5)
        << "colour " << text << " on the tile average " << tile.r << "," << tile.g << "," << tile.b;
  }

  // Measures the boxes, then covers everything around the board with the bare tiles.
  void measure(test::WindowSession& s, const std::vector<TextBox>& boxes) {
    const QImage shown = s.w.canvas().image().copy();
    tile_background(s.app(), s.app().options.current_background);
    const QImage bare = s.w.canvas().image().copy();
    for (const TextBox& box : boxes) expect_readable(shown, bare, box);
  }

  test::ScratchDir dir;
};

TEST_P(Readability, EveryTextStandsOutFromTheTileBehindIt) {
  test::WindowSession s;
  s.w.trigger(GetParam());
  // The handicap grade, a game against the computer (LEVEL), one move each:
  // the counter and both captions.
  s.w.trigger("LBEL_UP");
  s.w.trigger("SENTE");
  s.click(5, 7);
  s.click(5, 5);
  ASSERT_EQ(s.app().game.move_number, 2);
  measure(s, game_texts());

  // A record read shows its title and players.
  RecordFile file{
      "第一局", "羽生", "佐藤", {record_entry_at(s.app().record, 0), record_entry_at(s.app().record, 1)}, {}};
  take_record(s.app(), file);
  measure(s, record_texts());
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, Readability, ::testing::Values("MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"));

}  // namespace
}  // namespace zarvo
