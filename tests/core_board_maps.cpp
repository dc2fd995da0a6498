#include <gtest/gtest.h>

#include "rules/board_maps.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

using test::board_from;

struct Scanned {
  Board board;
  BoardMaps maps;
  KingSquares kings;
  explicit Scanned(const std::vector<std::string>& rows) : board(board_from(rows)) { scan_board(board, maps, kings); }
};

Board initial() {
  Board b{};
  set_initial_position(b);
  return b;
}

TEST(BoardMaps, InitialPositionFigures) {
  Board b = initial();
  BoardMaps m;
  KingSquares k;
  scan_board(b, m, k);
  const int row6[9] = {0, 2, 2, 3, 2, 2, 3, 2, 2};
  for (int x = 1; x <= 8; ++x) {
    EXPECT_EQ(m.lower_attack_count[x][6], row6[x]) << x;
    EXPECT_EQ(m.upper_attack_count[x][3], row6[x]) << x;
    EXPECT_EQ(m.lower_attack_count[x][4], 0);
    EXPECT_EQ(m.lower_attack_count[x][5], 0);
    EXPECT_EQ(m.upper_attack_count[x][4], 0);
    EXPECT_EQ(m.upper_attack_count[x][5], 0);
  }
  const int defenders[9] = {0, 4, 3, 5, 2, 2, 6, 3, 4};
  for (int x = 1; x <= 8; ++x) EXPECT_EQ(m.upper_defender[x][2], defenders[x]) << x;
  for (int x = 1; x <= 8; ++x) {
    for (int y = 1; y <= 8; ++y) {
      EXPECT_EQ(m.lower_attacker[x][y], NO_LOWER_ATTACKER);
      EXPECT_EQ(m.lower_check_map[x][y], 0);
      EXPECT_EQ(m.upper_check_map[x][y], 0);
    }
  }
  // The pawn on (6, 2) is defended by the king alone, which leaves no square.
  EXPECT_EQ(m.upper_defender_x[6][2], 0);
  EXPECT_EQ(m.upper_defender_y[6][2], 0);
  // (4, 2) is defended first by the knight on (2, 1).
  EXPECT_EQ(m.upper_defender_x[4][2], 2);
  EXPECT_EQ(m.upper_defender_y[4][2], 1);
  EXPECT_EQ(k.upper_king_x, 5);
  EXPECT_EQ(k.upper_king_y, 1);
  EXPECT_EQ(k.lower_king_x, 5);
  EXPECT_EQ(k.lower_king_y, 8);
}

TEST(BoardMaps, RookCheckLineRunsToTheKing) {
  Scanned s({"k.......", "........", "........", "........", "........", "........", "........", "R......K"});
  EXPECT_EQ(s.maps.lower_check_map[1][1], 0);
  for (int y = 2; y <= 7; ++y) EXPECT_EQ(s.maps.lower_check_map[1][y], 1) << y;
  EXPECT_EQ(s.maps.lower_check_map[1][8], 9);
}

TEST(BoardMaps, SliderRayPassesThroughTheEnemyKing) {
  Scanned s({"........", "........", "k.......", "........", "R.......", "........", "........", ".......K"});
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(s.maps.lower_attack_count[1][y], y == 5 ? 0 : 1) << y;
}

TEST(BoardMaps, KnightCheckMarksOnlyTheKnight) {
  Scanned s({"....k...", "........", "...N....", "........", "........", "........", "........", ".......K"});
  for (int x = 1; x <= 8; ++x)
    for (int y = 1; y <= 8; ++y) EXPECT_EQ(s.maps.lower_check_map[x][y], x == 4 && y == 3 ? 9 : 0);
}

TEST(BoardMaps, PawnCheckRecordsTheAttackerSquare) {
  Scanned s({"........", "........", "........", "....k...", "...P....", "........", "........", ".......K"});
  EXPECT_EQ(s.maps.lower_check_map[4][5], 9);
  EXPECT_EQ(s.maps.lower_attacker[5][4], W_PAWN);
  EXPECT_EQ(s.maps.lower_attacker_x[5][4], 4);
  EXPECT_EQ(s.maps.lower_attacker_y[5][4], 5);
}

TEST(BoardMaps, TiesKeepThePieceScannedFirst) {
  // Two B bishops defend the knight on (4, 4); the one on the lower column wins.
  Scanned s({"k.......", "........", "..b.....", "...n....", "........", ".....b..", "........", ".......K"});
  EXPECT_EQ(s.maps.upper_defender[4][4], B_BISHOP);
  EXPECT_EQ(s.maps.upper_defender_x[4][4], 3);
  EXPECT_EQ(s.maps.upper_defender_y[4][4], 3);
  // A B piece attacked by a W queen (scanned first) and a W pawn: the pawn is cheaper.
  Scanned t({"k.......", "........", "........", "..Q.....", "....n...", ".....P..", "........", ".......K"});
  EXPECT_EQ(t.maps.lower_attacker[5][5], W_PAWN);
  EXPECT_EQ(t.maps.lower_attacker_x[5][5], 6);
  EXPECT_EQ(t.maps.lower_attacker_y[5][5], 6);
}

TEST(BoardMaps, KnightAttacksCountButNeverSetTheUpperAttacker) {
  Scanned s({"k.......", "........", "..n.....", "........", "...P....", "........", "........", ".......K"});
  EXPECT_EQ(s.maps.upper_attack_count[4][5], 1);
  EXPECT_EQ(s.maps.upper_attacker[4][5], NO_DEFENDER);
}

TEST(BoardMaps, PawnsOnTheirLastRowReachNothing) {
  Scanned s({"P......k", "........", "........", "........", "........", "........", "........", "K......p"});
  EXPECT_EQ(s.maps.lower_attack_count[2][1], 0);
  EXPECT_EQ(s.maps.upper_attack_count[7][8], 0);
  EXPECT_EQ(s.maps.lower_attack_count[2][7], 1);  // the W king on (1, 8) still counts
}

TEST(BoardMaps, MapsThatAreNeverResetKeepStaleValues) {
  Board b =
      board_from({"k.......", "........", "..b.....", "...n....", "........", "........", "........", ".......K"});
  BoardMaps m;
  KingSquares k;
  scan_board(b, m, k);
  ASSERT_EQ(m.upper_defender_x[4][4], 3);
  b[4][4] = EMPTY;  // the knight leaves: nothing writes (4, 4) any more
  scan_board(b, m, k);
  EXPECT_EQ(m.upper_defender[4][4], NO_DEFENDER);
  EXPECT_EQ(m.upper_defender_x[4][4], 3);
  EXPECT_EQ(m.upper_defender_y[4][4], 3);
  EXPECT_EQ(m.lower_attacker_x[4][4], 0);  // reset every scan
}

TEST(BoardMaps, MissingKingKeepsItsOldSquare) {
  Board b = initial();
  BoardMaps m;
  KingSquares k;
  scan_board(b, m, k);
  b[5][1] = EMPTY;
  scan_board(b, m, k);
  EXPECT_EQ(k.upper_king_x, 5);
  EXPECT_EQ(k.upper_king_y, 1);
}

TEST(BoardMaps, TwoCheckersLaterWriteWins) {
  // W rook on (1, 8) checks along column 1; W knight on (2, 3) checks too and is
  // scanned later, but writes its own square only.
  Scanned s({"k.......", "........", ".N......", "........", "........", "........", "........", "R......K"});
  EXPECT_EQ(s.maps.lower_check_map[2][3], 9);
  EXPECT_EQ(s.maps.lower_check_map[1][8], 9);
  EXPECT_EQ(s.maps.lower_check_map[1][4], 1);
}

}  // namespace
}  // namespace zarvo
