#include <gtest/gtest.h>

#include "computer/move_scoring.h"
#include "display/board_drawing.h"
#include "records/move_record.h"
#include "rules/move_rules.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

using test::set_position;

class MoveRules : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  void SetUp() override {
    set_initial_position(app.pos.board);
    app.game.lower_player = FIRST;
    app.game.upper_player = SECOND;
    record_move(app.record, app.pos.board, 0, 0, 0, 0, 0, 0);
  }
  // Plays a move as the record sees it: board changed, entry stored.
  void play(int fx, int fy, int tx, int ty) {
    const int piece = app.pos.board[fx][fy];
    play_move(app.pos, {fx, fy, tx, ty, piece});
    ++app.game.move_number;
    record_move(app.record, app.pos.board, app.game.move_number, fx, fy, tx, ty, piece);
  }
};

TEST_F(MoveRules, PawnStepsFromTheStart) {
  for (int x = 1; x <= 8; ++x) {
    EXPECT_EQ(check_piece_move(app.pos, x, 7, x, 6, W_PAWN), 1);
    EXPECT_EQ(check_piece_move(app.pos, x, 7, x, 5, W_PAWN), 1);
    EXPECT_EQ(check_piece_move(app.pos, x, 7, x, 4, W_PAWN), 0);
    EXPECT_EQ(check_piece_move(app.pos, x, 2, x, 4, B_PAWN), 1);
    EXPECT_EQ(check_piece_move(app.pos, x, 2, x, 1, B_PAWN), 0);
  }
}

TEST_F(MoveRules, PawnCapturesOnlyDiagonally) {
  set_position(app, {"....k...", "........", "........", "...p....", "...P....", "........", "........", "....K..."});
  EXPECT_EQ(check_piece_move(app.pos, 4, 5, 4, 4, W_PAWN), 0);
  EXPECT_EQ(check_piece_move(app.pos, 4, 5, 3, 4, W_PAWN), 0);  // empty diagonal, no en passant
  app.pos.board[3][4] = B_KNIGHT;
  EXPECT_EQ(check_piece_move(app.pos, 4, 5, 3, 4, W_PAWN), 1);
  // A blocked double step.
  set_position(app, {"....k...", "........", "........", "........", "........", "...n....", "...P....", "....K..."});
  EXPECT_EQ(check_piece_move(app.pos, 4, 7, 4, 5, W_PAWN), 0);
}

TEST_F(MoveRules, EnPassantOnlyRightAfterTheDoubleStep) {
  play(5, 7, 5, 5);  // W pawn
  play(1, 2, 1, 3);
  play(5, 5, 5, 4);
  play(4, 2, 4, 4);  // B pawn double step beside the W pawn
  EXPECT_EQ(check_piece_move(app.pos, 5, 4, 4, 3, W_PAWN), 1);
  EXPECT_EQ(is_en_passant(app.pos, 5, 4, 4, 3, W_PAWN), 1);
  play(8, 7, 8, 6);  // another W move
  play(8, 2, 8, 3);
  EXPECT_EQ(check_piece_move(app.pos, 5, 4, 4, 3, W_PAWN), 0);
  EXPECT_EQ(is_en_passant(app.pos, 5, 4, 4, 3, W_PAWN), 0);
}

TEST_F(MoveRules, EnPassantForTheUpperArmy) {
  play(2, 7, 2, 6);
  play(4, 2, 4, 4);
  play(2, 6, 2, 5);
  play(4, 4, 4, 5);
  play(3, 7, 3, 5);  // W double step beside the B pawn on (4, 5)
  EXPECT_EQ(check_piece_move(app.pos, 4, 5, 3, 6, B_PAWN), 1);
  EXPECT_EQ(is_en_passant(app.pos, 4, 5, 3, 6, B_PAWN), 1);
  EXPECT_EQ(is_en_passant(app.pos, 4, 5, 5, 6, B_PAWN), 0);
  EXPECT_EQ(is_en_passant(app.pos, 4, 5, 3, 6, B_KNIGHT), 0);
}

// Castling by the chess rule: empty squares up to the rook, king and rook
// never moved in this game, and the king neither in check, nor crossing nor
// landing on an attacked square.
TEST_F(MoveRules, CastlingByTheChessRule) {
  struct Move {
    int fx, fy, tx, ty;
  };
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Move> history;  // record entries 1.. of this game
    Move castling;
    int expected;
  };
  const std::string k = "....k...";
  const std::string e = "........";
  const Case cases[] = {
      {"king side free", {k, e, e, e, e, e, e, "....K..R"}, {}, {5, 8, 7, 8}, 1},
      {"square crossed attacked", {k, ".....r..", e, e, e, e, e, "....K..R"}, {}, {5, 8, 7, 8}, 0},
      {"destination attacked", {k, "......r.", e, e, e, e, e, "....K..R"}, {}, {5, 8, 7, 8}, 0},
      {"king in check", {k, "....r...", e, e, e, e, e, "....K..R"}, {}, {5, 8, 7, 8}, 0},
      {"queen side free", {k, e, e, e, e, e, e, "R...K..."}, {}, {5, 8, 3, 8}, 1},
      {"only the rook passes an attacked square", {k, ".r......", e, e, e, e, e, "R...K..."}, {}, {5, 8, 3, 8}, 1},
      {"queen side square crossed attacked", {k, "...r....", e, e, e, e, e, "R...K..."}, {}, {5, 8, 3, 8}, 0},
      {"king went away and came back",
       {k, e, e, e, e, e, e, "R...K..R"},
       {{5, 8, 5, 7}, {5, 1, 4, 1}, {5, 7, 5, 8}},
       {5, 8, 7, 8},
       0},
      {"rook went away and came back",
       {k, e, e, e, e, e, e, "R...K..R"},
       {{8, 8, 8, 7}, {5, 1, 4, 1}, {8, 7, 8, 8}},
       {5, 8, 7, 8},
       0},
      {"the other rook never moved",
       {k, e, e, e, e, e, e, "R...K..R"},
       {{8, 8, 8, 7}, {5, 1, 4, 1}, {8, 7, 8, 8}},
       {5, 8, 3, 8},
       1},
      {"king stepped to column 4, then to the right",
       {k, e, e, e, e, e, e, "R..K...R"},
       {{5, 8, 4, 8}},
       {4, 8, 6, 8},
       0},
      {"column 4 king crossing an attacked square",
       {"...k....", "....r...", e, e, e, e, e, "R..K...R"},
       {},
       {4, 8, 6, 8},
       0},
      {"upper king crossing an attacked square",
       {"r...k..r", e, e, e, e, e, ".....R..", "....K..."},
       {},
       {5, 1, 7, 1},
       0},
  };
  for (const Case& c : cases) {
    set_position(app, c.rows);
    app.game.move_number = static_cast<int>(c.history.size());
    for (int n = 1; n <= app.game.move_number; ++n) {
      const Move& m = c.history[n - 1];
      record_move(app.record, app.pos.board, n, m.fx, m.fy, m.tx, m.ty, app.pos.board[m.tx][m.ty]);
    }
    // The rights come from the record, as after loading it or stepping through it.
    restore_history(app.record, app.game.move_number, app.pos);
    const Move& m = c.castling;
    EXPECT_EQ(check_piece_move(app.pos, m.fx, m.fy, m.tx, m.ty, app.pos.board[m.fx][m.fy]), c.expected) << c.name;
  }
}

TEST_F(MoveRules, CastlingFromTheKingOnColumnFour) {
  set_position(app, {"...k....", "........", "........", "........", "........", "........", "........", "R..K...R"});
  EXPECT_EQ(check_piece_move(app.pos, 4, 8, 6, 8, W_KING), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 8, 2, 8, W_KING), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 8, 7, 8, W_KING), 0);
  play_move(app.pos, {4, 8, 6, 8, W_KING});
  EXPECT_EQ(app.pos.board[5][8], W_ROOK);
  EXPECT_EQ(app.pos.board[8][8], EMPTY);
  set_position(app, {"...k....", "........", "........", "........", "........", "........", "........", "R..K...R"});
  play_move(app.pos, {4, 8, 2, 8, W_KING});
  EXPECT_EQ(app.pos.board[3][8], W_ROOK);
  EXPECT_EQ(app.pos.board[1][8], EMPTY);
  // The upper army castles the same way on row 1.
  set_position(app, {"r...k..r", "........", "........", "........", "........", "........", "........", "....K..."});
  EXPECT_EQ(check_piece_move(app.pos, 5, 1, 7, 1, B_KING), 1);
  EXPECT_EQ(check_piece_move(app.pos, 5, 1, 3, 1, B_KING), 1);
  play_move(app.pos, {5, 1, 3, 1, B_KING});
  EXPECT_EQ(app.pos.board[4][1], B_ROOK);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
}

// The rule only answers; the computer's own check keeps the rescan its scoring reads.
TEST_F(MoveRules, OnlyTheComputersCastlingCheckRescansTheMaps) {
  set_position(app, {"....k...", "........", "........", "........", "........", "........", "........", "....K..R"});
  app.pos.maps.lower_attack_count[1][1] = 42;  // stale
  EXPECT_EQ(check_piece_move(app.pos, 5, 8, 5, 7, W_KING), 1);
  EXPECT_EQ(app.pos.maps.lower_attack_count[1][1], 42);
  EXPECT_EQ(scored_move_allowed(app.pos, 5, 8, 5, 7, W_KING), 1);  // an ordinary step still runs the scan
  EXPECT_EQ(app.pos.maps.lower_attack_count[1][1], 0);
}

TEST_F(MoveRules, MoveKeepsKingSafeLeavesTheBoardAsItWas) {
  set_position(app, {"....k...", "....r...", "........", "........", "........", "........", "....B...", "....K..."});
  const Board before = app.pos.board;
  EXPECT_EQ(move_keeps_king_safe(app.pos, 5, 7, 4, 6, 0), 0);  // pinned bishop
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(move_keeps_king_safe(app.pos, 5, 8, 4, 8, 0), 1);
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(move_keeps_king_safe(app.pos, 5, 2, 5, 7, 1), 1);  // B rook takes the bishop
}

TEST_F(MoveRules, TakingTheCheckingPawnEnPassantEndsTheCheck) {
  set_position(app, {"....k...", "..p.....", "........", "...P....", "...K....", "........", "........", "........"});
  play(3, 2, 3, 4);  // the double step checks the W king
  const Board before = app.pos.board;
  EXPECT_EQ(move_keeps_king_safe(app.pos, 4, 4, 3, 3, 0), 1);
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(move_keeps_king_safe(app.pos, 4, 4, 4, 3, 0), 0);  // a plain step leaves the check
}

TEST_F(MoveRules, PromotionTests) {
  for (int code : {B_KNIGHT, B_BISHOP, B_ROOK, B_QUEEN, B_KING, W_KNIGHT, W_BISHOP, W_ROOK, W_QUEEN, W_KING}) {
    EXPECT_EQ(promotion_due(1, 2, 1, 1, code), 0) << code;
    EXPECT_EQ(promotion_due(1, 7, 1, 8, code), 0) << code;
    EXPECT_EQ(promotion_not_due(1, 1, code), 1) << code;
    EXPECT_EQ(promotion_not_due(1, 8, code), 1) << code;
  }
  EXPECT_EQ(promotion_due(1, 2, 1, 1, W_PAWN), 1);
  EXPECT_EQ(promotion_due(1, 7, 1, 8, B_PAWN), 1);
  EXPECT_EQ(promotion_due(1, 2, 1, 1, B_PAWN), 0);
  EXPECT_EQ(promotion_not_due(1, 1, W_PAWN), 0);
  EXPECT_EQ(promotion_not_due(1, 8, B_PAWN), 0);
  EXPECT_EQ(promotion_not_due(1, 2, W_PAWN), 1);
}

TEST_F(MoveRules, CountOpponentPieces) {
  EXPECT_EQ(count_opponent_pieces(app.pos, 1), 16);  // the upper army counts W pieces
  app.pos.board[1][2] = EMPTY;
  EXPECT_EQ(count_opponent_pieces(app.pos, 0), 15);
}

TEST_F(MoveRules, SlidersAndKnights) {
  set_position(app, {"....k...", "........", "........", "...Q....", "........", ".....p..", "........", "....K..."});
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 4, 1, W_QUEEN), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 6, 6, W_QUEEN), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 7, 7, W_QUEEN), 0);  // behind the pawn
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 5, 6, W_QUEEN), 0);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 5, 6, W_KNIGHT), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 6, 6, W_ROOK), 0);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 4, 8, W_ROOK), 1);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 5, 8, W_BISHOP), 0);  // own king
}

TEST_F(MoveRules, KingStepsOnlyOneSquareOutsideCastling) {
  set_position(app, {"....k...", "........", "........", "...K....", "........", "........", "........", "........"});
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 6, 4, W_KING), 0);
  EXPECT_EQ(check_piece_move(app.pos, 4, 4, 5, 5, W_KING), 1);
}

TEST_F(MoveRules, HostileCodesAndCoordinatesAreRefused) {
  for (int code : {EMPTY, 7, -7, 999, -999}) EXPECT_EQ(check_piece_move(app.pos, 1, 7, 1, 6, code), 0) << code;
  EXPECT_EQ(check_piece_move(app.pos, 1, 7, 0, 6, W_PAWN), 0);
  EXPECT_EQ(check_piece_move(app.pos, 1, 7, 1, 9, W_PAWN), 0);
  EXPECT_EQ(check_piece_move(app.pos, 0, 0, 1, 6, W_PAWN), 0);
  EXPECT_EQ(check_piece_move(app.pos, 9, 7, 1, 6, W_PAWN), 0);
  app.game.move_number = 600;  // never read outside the record
  EXPECT_EQ(is_en_passant(app.pos, 5, 4, 4, 3, W_PAWN), 0);
}

// The caller draws what make_move reports, so the list must name every square
// that changed, in the order the board changed.
TEST_F(MoveRules, MakeMoveReportsEveryChangedSquare) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    int fx, fy, tx, ty, piece;
    std::vector<std::pair<int, int>> changed;
  };
  const std::vector<Case> cases = {
      {"a knight move",
       {"....k...", "........", "........", "........", "........", "........", "........", "....K.N."},
       7,
       8,
       6,
       6,
       W_KNIGHT,
       {{7, 8}, {6, 6}}},
      {"a promotion",
       {"....k...", "P.......", "........", "........", "........", "........", "........", "....K..."},
       1,
       2,
       1,
       1,
       W_QUEEN,
       {{1, 2}, {1, 1}}},
      {"short castling",
       {"....k...", "........", "........", "........", "........", "........", "........", "....K..R"},
       5,
       8,
       7,
       8,
       W_KING,
       {{5, 8}, {7, 8}, {6, 8}, {8, 8}}},
      {"long castling above",
       {"r...k...", "........", "........", "........", "........", "........", "........", "....K..."},
       5,
       1,
       3,
       1,
       B_KING,
       {{5, 1}, {3, 1}, {4, 1}, {1, 1}}},
  };
  for (const Case& c : cases) {
    set_position(app, c.rows);
    const MoveChanges changes = play_move(app.pos, {c.fx, c.fy, c.tx, c.ty, c.piece});
    std::vector<std::pair<int, int>> got;
    for (int i = 0; i < changes.count; ++i) got.emplace_back(changes.squares[i].x, changes.squares[i].y);
    EXPECT_EQ(got, c.changed) << c.name;
    EXPECT_EQ(app.pos.board[c.tx][c.ty], c.piece) << c.name;
    EXPECT_EQ(app.pos.board[c.fx][c.fy], EMPTY) << c.name;
  }
}

TEST_F(MoveRules, DrawingTheChangesPaintsWhatNowStandsThere) {
  t.canvas.clear();
  draw_changed_squares(app, play_move(app.pos, {7, 8, 6, 6, W_KNIGHT}));
  const auto pictures = t.canvas.matching("picture");
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0], "picture KARA_MASU1 5620 5430");  // (7, 8) has shade 0
  EXPECT_EQ(pictures[1], "picture W_KNIG_2 4960 4090");
}

TEST_F(MoveRules, PlayMoveFollowsBothKings) {
  set_position(app, {"....k...", "........", "........", "........", "........", "........", "........", "....K..."});
  play_move(app.pos, {5, 8, 4, 7, W_KING});
  EXPECT_EQ(app.pos.kings.lower_king_x, 4);
  EXPECT_EQ(app.pos.kings.lower_king_y, 7);
  play_move(app.pos, {5, 1, 4, 2, B_KING});
  EXPECT_EQ(app.pos.kings.upper_king_x, 4);
  EXPECT_EQ(app.pos.kings.upper_king_y, 2);
}

}  // namespace
}  // namespace zarvo
