#include <gtest/gtest.h>

#include <string>

#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "rules/position.h"

namespace zarvo {
namespace {

// Every way the window can show a board: White below or above, files a..h or h..a.
const Orientation ORIENTATIONS[] = {{1, 0}, {1, 1}, {0, 1}, {0, 0}};

Position read(const std::string& fen, const Orientation& o, int& upper) {
  Position pos;
  const std::string error = from_fen(fen, o, pos, upper);
  EXPECT_EQ(error, "") << fen;
  return pos;
}

// Plays moves given as square names ("e2e4", "e7e8q"), the armies taking turns.
void play(Position& pos, const Orientation& o, int& upper, std::initializer_list<const char*> moves) {
  for (const std::string m : moves) {
    int fx = 0, fy = 0, tx = 0, ty = 0;
    ASSERT_TRUE(o.parse_square(m.substr(0, 2), fx, fy) && o.parse_square(m.substr(2, 2), tx, ty)) << m;
    int piece = pos.board[fx][fy];
    if (m.size() == 5) piece = o.code(std::string(" pnbrqk").find(m[4]), o.is_white(piece));
    bool legal = false;
    for (const Move& l : legal_moves(pos, upper)) legal = legal || l == Move{fx, fy, tx, ty, piece};
    ASSERT_TRUE(legal) << m;
    play_move(pos, {fx, fy, tx, ty, piece});
    upper = 1 - upper;
  }
}

// Move counts of the legal-move tree, from positions chosen for their castling,
// en passant, promotion and pin cases; the same in every orientation.
TEST(Position, PerftCountsTheRulesOfChess) {
  struct Case {
    const char* fen;
    int depth;
    std::uint64_t nodes;
  };
  const Case cases[] = {
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", 3, 8902},
      {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 2, 2039},
      {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 3, 2812},
      {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3, 9467},
      {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 2, 1486},
      {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 2, 2079},
  };
  for (const Case& c : cases) {
    for (const Orientation& o : ORIENTATIONS) {
      int upper = 0;
      const Position pos = read(c.fen, o, upper);
      EXPECT_EQ(perft(pos, upper, c.depth), c.nodes) << c.fen << " white below " << o.white_is_lower;
    }
  }
}

TEST(Position, FenComesBackAsItWasReadInEveryOrientation) {
  const char* fens[] = {
      "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1",
      "5rk1/5p1p/8/8/8/8/1B6/4K2R w K - 0 1",
      "4k3/8/8/8/8/8/8/4K2R w - - 7 30",
      "r3k2r/8/8/8/8/8/8/R3K2R b Qk - 12 41",
  };
  for (const char* fen : fens) {
    for (const Orientation& o : ORIENTATIONS) {
      int upper = 0;
      const Position pos = read(fen, o, upper);
      EXPECT_EQ(to_fen(pos, o, upper), fen);
    }
  }
}

// Rights the position cannot use are dropped; the counters run on with the moves.
TEST(Position, RightsAndCountersFollowTheMoves) {
  const Orientation o{1, 0};
  int upper = 0;
  Position pos = read("4k3/8/8/8/8/8/8/4K2R w - - 0 1", o, upper);
  EXPECT_EQ(to_fen(pos, o, upper), "4k3/8/8/8/8/8/8/4K2R w - - 0 1");
  int ex = 0, ey = 0, gx = 0, gy = 0;
  o.parse_square("e1", ex, ey);
  o.parse_square("g1", gx, gy);
  EXPECT_EQ(check_piece_move(pos, ex, ey, gx, gy, W_KING), 0) << "no castling the FEN forbids";

  pos = read("4k3/8/8/8/8/8/8/R3K2R w KQkq - 7 30", o, upper);
  EXPECT_EQ(to_fen(pos, o, upper), "4k3/8/8/8/8/8/8/R3K2R w KQ - 7 30");
  play(pos, o, upper, {"h1h2", "e8e7"});
  EXPECT_EQ(to_fen(pos, o, upper), "8/4k3/8/8/8/8/7R/R3K3 w Q - 9 31");
  play(pos, o, upper, {"e1c1"});
  EXPECT_EQ(to_fen(pos, o, upper), "8/4k3/8/8/8/8/7R/2KR4 b - - 10 31");

  pos = read("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", o, upper);
  play(pos, o, upper, {"e2e4", "a7a6", "e4e5", "d7d5"});
  EXPECT_EQ(to_fen(pos, o, upper), "rnbqkbnr/1pp1pppp/p7/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3");
  play(pos, o, upper, {"e5d6"});
  EXPECT_EQ(to_fen(pos, o, upper), "rnbqkbnr/1pp1pppp/p2P4/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3");
}

TEST(Position, FenRefusalsNameTheField) {
  const Orientation o{1, 0};
  const struct {
    const char* fen;
    const char* says;
  } cases[] = {
      {"", "欄の数"},
      {"8/8/8/8/8/8/8/8/8 w - - 0 1", "第1欄"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNX w KQkq - 0 1", "第1欄"},
      {"4k3/8/8/8/8/8/8/4KK2 w - - 0 1", "キング"},
      {"4k3/8/8/8/8/8/8/8 w - - 0 1", "キング"},
      {"P3k3/8/8/8/8/8/8/4K3 w - - 0 1", "ポーン"},
      {"4k3/8/8/8/8/8/8/4K3 x - - 0 1", "第2欄"},
      {"4k3/8/8/8/8/8/8/4K3 w KK - 0 1", "第3欄"},
      {"4k3/8/8/8/8/8/8/4K3 w - e4 0 1", "第4欄"},
      {"4k3/8/8/8/8/8/8/4K3 w - - -1 1", "第5欄"},
      {"4k3/8/8/8/8/8/8/4K3 w - - 0 0", "第6欄"},
      {"4k3/8/8/8/8/8/8/4K2r b - - 0 1", "チェック"},
  };
  for (const auto& c : cases) {
    Position pos;
    pos.board[1][1] = B_ROOK;
    int upper = 7;
    const std::string error = from_fen(c.fen, o, pos, upper);
    EXPECT_NE(error.find(c.says), std::string::npos) << c.fen << ": " << error;
    EXPECT_EQ(pos.board[1][1], B_ROOK) << "a refused FEN changes nothing";
    EXPECT_EQ(upper, 7);
  }
}

// The flip hands each army to the other side of the board: castling and en
// passant are judged after it as before it.
TEST(Position, AFlippedPositionKeepsItsRightsAndEnPassant) {
  const Orientation o{1, 0};
  int upper = 0;
  Position pos = read("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", o, upper);
  play(pos, o, upper, {"e2e4", "e7e5", "g1f3", "g8f6", "f1c4", "f8c5", "e1e2", "e8e7", "e2e1", "e7e8"});
  const Position turned = flipped(pos);
  const Orientation turned_o = orientation_of(turned, 0);
  // The same chess position seen from the other side, with the colours handed over.
  EXPECT_EQ(to_fen(turned, turned_o, 1 - upper), "rnbqk2r/pppp1ppp/5n2/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b - - 8 6");
  EXPECT_EQ(perft(turned, 1 - upper, 2), perft(pos, upper, 2));

  pos = read("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", o, upper);
  play(pos, o, upper, {"e2e4", "e7e5", "g1f3", "g8f6", "f1c4", "f8c5"});
  const Position again = flipped(pos);
  EXPECT_EQ(to_fen(again, orientation_of(again, 0), 1 - upper),
            "rnbqk2r/pppp1ppp/5n2/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 4 4");
  EXPECT_EQ(perft(again, 1 - upper, 2), perft(pos, upper, 2));

  pos = read("4k3/8/8/8/4p3/8/3P4/4K3 w - - 0 1", o, upper);
  play(pos, o, upper, {"d2d4"});
  const Position passed = flipped(pos);
  EXPECT_EQ(legal_moves(passed, 1 - upper).size(), legal_moves(pos, upper).size());
  EXPECT_EQ(to_fen(passed, orientation_of(passed, 0), 1 - upper), "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 2");
}

}  // namespace
}  // namespace zarvo
