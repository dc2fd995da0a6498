// The window's scale: twips to device pixels and back, the fit of the layout
// into a resized window, and the window size the settings file remembers.
#include <gtest/gtest.h>

#include "display/board_scale.h"
#include "game/option_commands.h"
#include "shell/settings.h"
#include "shell/text_encoding.h"
#include "shell/window_size.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"

namespace zarvo {
namespace {

const std::string INI = "Zarvoチェス.ini";

TEST(BoardScale, TwipsRoundTripThroughDevicePixelsAtEveryScale) {
  for (const BoardScale s : {BoardScale{1, 1}, BoardScale{1.5, 1}, BoardScale{2, 1}, BoardScale{1, 2},
                             BoardScale{0.75, 1}, BoardScale{1.37, 1.25}}) {
    SCOPED_TRACE(testing::Message() << "scale " << s.scale << " dpr " << s.dpr);
    // A twip position, shown at its device pixel and clicked there, comes back
    // within half a device pixel.
    const double half_pixel_twips = 0.5 / s.device_per_twip();
    for (double t : {0.0, 1660.0, 6940.0, 7666.0, 8100.0}) {
      const double clicked = s.to_twips(s.to_device(t) / s.dpr);
      EXPECT_NEAR(clicked, t, half_pixel_twips + 1e-9) << t;
    }
    // Pixels never run backwards and neighbouring squares leave no gap.
    for (int x = 1; x <= 8; ++x) EXPECT_LT(s.to_device(grid_left(x)), s.to_device(grid_left(x + 1)));
    EXPECT_GE(s.line_width(), 1);
  }
  EXPECT_EQ(BoardScale{}.to_device(1660), 111) << "15 twips a pixel at the start size";
  EXPECT_EQ((BoardScale{2, 1}.to_device(1660)), 221);
  EXPECT_EQ((BoardScale{1, 2}.to_device(1660)), 221) << "the same device pixels on a HiDPI screen";
  EXPECT_EQ((BoardScale{1, 1}.line_width()), 1);
  EXPECT_EQ((BoardScale{2, 1}.line_width()), 2);
  EXPECT_EQ((BoardScale{1.5, 2}.line_width()), 3);
}

TEST(BoardScale, TheLayoutFitsTheWindowWithItsShapeKept) {
  struct Row {
    double w, h, expected;
  };
  const double base_w = 646, base_h = 514;
  for (const Row& r : {Row{646, 514, 1.0}, Row{969, 771, 1.5}, Row{1292, 1028, 2.0},
                       // Wider than the layout: the height decides, the rest is margin.
                       Row{1900, 771, 1.5},
                       // Taller: the width decides.
                       Row{969, 1400, 1.5},
                       // Never smaller than half, never absurdly large.
                       Row{100, 100, MIN_BOARD_SCALE}, Row{100000, 100000, MAX_BOARD_SCALE},
                       // No size yet: the start size.
                       Row{0, 0, 1.0}}) {
    const double s = fit_scale(r.w, r.h, base_w, base_h);
    EXPECT_DOUBLE_EQ(s, r.expected) << r.w << "x" << r.h;
    if (r.expected > MIN_BOARD_SCALE && r.expected < MAX_BOARD_SCALE && r.w > 0) {
      EXPECT_LE(base_w * s, r.w + 1e-9);
      EXPECT_LE(base_h * s, r.h + 1e-9);
    }
  }
}

TEST(BoardScale, AClickAtOneAndAHalfTimesLandsOnTheSquareDrawnThere) {
  const BoardScale s{1.5, 1};
  for (int x = 1; x <= 8; ++x) {
    for (int y = 1; y <= 8; ++y) {
      // The first and last device pixel of the square as drawn, and its middle.
      const int left = s.to_device(grid_left(x)), right = s.to_device(grid_left(x + 1)) - 1;
      const int top = s.to_device(grid_top(y)), bottom = s.to_device(grid_top(y + 1)) - 1;
      for (const auto& [px, py] :
           {std::pair{left, top}, std::pair{right, bottom}, std::pair{(left + right) / 2, (top + bottom) / 2}}) {
        const double tx = s.to_twips(px), ty = s.to_twips(py);
        EXPECT_EQ(static_cast<int>((tx - GRID_LEFT) / SQUARE_W), x) << px << "," << py;
        EXPECT_EQ(static_cast<int>((ty - GRID_TOP) / SQUARE_H), y) << px << "," << py;
      }
    }
  }
}

TEST(WindowSize, OnlyTwoPositiveWholeNumbersAreASize) {
  EXPECT_EQ(parse_window_size("14550,12000"), (WindowSize{14550, 12000}));
  EXPECT_EQ(parse_window_size(window_size_value({9690, 7710})), (WindowSize{9690, 7710}));
  for (const char* bad : {"", "9700", "9700,", ",8000", "-9700,8000", "0,8000", "9700,8000,1", " 9700,8000",
                          "9700, 8000", "97x0,8000", "99999999,8000", "2000000,8000"})
    EXPECT_FALSE(parse_window_size(bad).has_value()) << bad;
}

TEST(WindowSize, ASizeLargerThanTheScreenIsCutToIt) {
  EXPECT_EQ(clamp_window_size({30000, 20000}, {28800, 16200}), (WindowSize{28800, 16200}));
  EXPECT_EQ(clamp_window_size({30000, 9000}, {28800, 16200}), (WindowSize{28800, 9000}));
  EXPECT_EQ(clamp_window_size({9700, 8000}, {28800, 16200}), (WindowSize{9700, 8000}));
  EXPECT_EQ(clamp_window_size({9700, 8000}, {0, 0}), (WindowSize{9700, 8000})) << "no screen known";
}

class RememberedSize : public ::testing::Test {
 protected:
  void write_ini(const std::string& utf8) { test::write_bytes(INI, utf8_to_cp932(utf8)); }
  std::string ini() const { return cp932_to_utf8(test::file_bytes(INI)); }
  test::ScratchDir dir;
  test::TestApp t;
  App& app = t.app;
};

TEST_F(RememberedSize, AFileWithoutASizeLoadsAsBeforeAndSavesWithoutOne) {
  const std::string old = "背景画=畳\r\n移動指導=ON\r\nBGM=OFF\r\n";
  write_ini(old);
  load_settings(app);
  EXPECT_FALSE(app.options.window_size.has_value());
  EXPECT_EQ(app.options.current_background, TILE_TATAMI);
  EXPECT_EQ(app.game.guidance_on, 1);
  save_settings(app);
  EXPECT_EQ(ini(), old);
}

TEST_F(RememberedSize, ASizeIsReadKeptThroughOptionChangesAndABadOneIgnored) {
  write_ini("背景画=竹\r\n移動指導=OFF\r\nBGM=OFF\r\nウィンドウサイズ=14550,12000\r\n");
  load_settings(app);
  ASSERT_TRUE(app.options.window_size.has_value());
  EXPECT_EQ(*app.options.window_size, (WindowSize{14550, 12000}));
  EXPECT_EQ(app.options.current_background, TILE_TAKE);
  // Changing an option writes the size back with it.
  SIDOU_Click(app);
  EXPECT_EQ(ini(), "背景画=竹\r\n移動指導=ON\r\nBGM=OFF\r\nウィンドウサイズ=14550,12000\r\n");

  test::TestApp fresh;
  write_ini("背景画=竹\r\n移動指導=OFF\r\nBGM=OFF\r\nウィンドウサイズ=big\r\n");
  load_settings(fresh.app);
  EXPECT_FALSE(fresh.app.options.window_size.has_value()) << "the start size";
  EXPECT_EQ(fresh.app.options.current_background, TILE_TAKE) << "the other options still count";
}

}  // namespace
}  // namespace zarvo
