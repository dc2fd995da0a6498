#include <gtest/gtest.h>

#include "rules/move_rules.h"
#include "rules/pin_maps.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

using test::set_position;

class Pins : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;

  // Runs find_pins on the position and checks that it left the board as it was.
  void find(const std::vector<std::string>& rows) {
    set_position(app, rows);
    const Board before = app.pos.board;
    find_pins(app.pos);
    EXPECT_EQ(app.pos.board, before);
  }
  int pinned_count() const {
    int n = 0;
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) n += app.pos.pins.lower_pinned[x][y];
    return n;
  }
};

TEST_F(Pins, NothingIsPinnedInTheInitialPosition) {
  set_initial_position(app.pos.board);
  rescan(app.pos);
  // Stale values from an earlier call must be cleared.
  app.pos.pins.lower_pinned[3][3] = 1;
  app.pos.pins.upper_pin_found = 1;
  find_pins(app.pos);
  EXPECT_EQ(pinned_count(), 0);
  EXPECT_EQ(app.pos.pins.upper_pin_found, 0);
}

TEST_F(Pins, AKnightBetweenItsKingAndARookIsPinned) {
  find({"k.......", "....r...", "........", "........", "........", "....N...", "........", "....K..."});
  EXPECT_EQ(app.pos.pins.lower_pinned[5][6], 1);
  EXPECT_EQ(pinned_count(), 1);
  EXPECT_EQ(app.pos.pins.upper_pin_found, 0);
}

TEST_F(Pins, QueensDoNotPin) {
  find({"k.......", "....q...", "........", "........", "........", "....N...", "........", "....K..."});
  EXPECT_EQ(pinned_count(), 0);
}

TEST_F(Pins, TwoShieldsAreNeitherPinned) {
  find({"k.......", "....r...", "........", "....P...", "........", "....N...", "........", "....K..."});
  EXPECT_EQ(pinned_count(), 0);
}

TEST_F(Pins, AnOpenLineToTheKingMarksEveryLowerPiece) {
  // The bishop already attacks the king: lifting any piece leaves the line open.
  find({"k.......", "........", "........", "....b...", "........", "........", ".K......", "R......P"});
  EXPECT_EQ(app.pos.pins.lower_pinned[2][7], 1);  // the king's own square
  EXPECT_EQ(app.pos.pins.lower_pinned[1][8], 1);
  EXPECT_EQ(app.pos.pins.lower_pinned[8][8], 1);
  EXPECT_EQ(pinned_count(), 3);
  // A bishop behind a pawn and knight: neither of the two shields counts alone.
  find({"k.......", "........", "b.......", ".P......", "..N.....", "........", "....K...", "........"});
  EXPECT_EQ(pinned_count(), 0);
}

TEST_F(Pins, AnUpperPieceShieldingItsKingSetsTheFlag) {
  find({"....k...", "...n....", "........", ".B......", "........", "........", "........", "....K..."});
  EXPECT_EQ(app.pos.pins.upper_pin_found, 1);
  EXPECT_EQ(pinned_count(), 0);
  // The same with a queen as the attacker: not a pin.
  find({"....k...", "...n....", "........", ".Q......", "........", "........", "........", "....K..."});
  EXPECT_EQ(app.pos.pins.upper_pin_found, 0);
}

}  // namespace
}  // namespace zarvo
