#include <gtest/gtest.h>

#include <algorithm>

#include "computer/move_scoring.h"
#include "computer/piece_terms.h"
#include "computer/position_evaluation.h"
#include "rules/pin_maps.h"
#include "tests/support/computer_fakes.h"

namespace zarvo {
namespace {

using test::candidate_score;
using test::find_candidate;
using test::run_search;
using test::set_computer_game;
using Rows = std::vector<std::string>;

// The score of one candidate on a fresh game, so that no earlier scan leaves
// anything behind in the maps.
double score_at_level(const Rows& rows, int level, int x1, int y1, int x2, int y2) {
  test::TestApp t;
  set_computer_game(t.app, rows, level);
  return candidate_score(t.app, x1, y1, x2, y2);
}

// What the terms of one level add to a candidate: its score at that level
// minus its score at the level below.
double level_terms(const Rows& rows, int level, int x1, int y1, int x2, int y2) {
  return score_at_level(rows, level, x1, y1, x2, y2) - score_at_level(rows, level - 1, x1, y1, x2, y2);
}

// ---- The search ------------------------------------------------------------

TEST(Search, OfEqualScoresTheFirstCandidateTriedIsPlayed) {
  // A lone king in the corner, far from everything: its three steps score alike.
  test::TestApp t;
  set_computer_game(
      t.app, {"k.......", "........", "........", "........", "........", "........", "........", ".......K"}, 1);
  const test::SearchLog log = run_search(t.app);
  ASSERT_EQ(log.candidates.size(), 3u);
  EXPECT_EQ(log.candidates[0].score, log.candidates[1].score);
  EXPECT_EQ(log.candidates[1].score, log.candidates[2].score);
  // Columns before rows: (1, 2) comes before (2, 1) and (2, 2).
  EXPECT_EQ(t.app.com.best.x2, 1);
  EXPECT_EQ(t.app.com.best.y2, 2);
}

TEST(Search, TheBestIsTheFirstCandidateWithTheHighestScore) {
  const std::vector<Rows> positions = {
      {"rnbqkbnr", "pppppppp", "........", "........", "....P...", "........", "PPPP.PPP", "RNBQKBNR"},
      {"r.bqkb.r", "pppp.ppp", "..n..n..", "....p...", "..B.P...", ".....N..", "PPPP.PPP", "RNBQK..R"},
      {"....k...", "........", "...p....", "..P.P...", "........", "........", "........", "....K..."},
  };
  for (const Rows& rows : positions) {
    for (int level = 1; level <= 3; ++level) {
      test::TestApp t;
      set_computer_game(t.app, rows, level);
      const Board before = t.app.pos.board;
      const test::SearchLog log = run_search(t.app);
      ASSERT_FALSE(log.candidates.empty());
      double top = log.candidates[0].score;
      for (const Candidate& c : log.candidates) top = std::max(top, c.score);
      const auto first = std::find_if(log.candidates.begin(), log.candidates.end(),
                                      [&](const Candidate& c) { return c.score == top; });
      EXPECT_EQ(t.app.com.best.x1, first->x1);
      EXPECT_EQ(t.app.com.best.y1, first->y1);
      EXPECT_EQ(t.app.com.best.x2, first->x2);
      EXPECT_EQ(t.app.com.best.y2, first->y2);
      EXPECT_EQ(t.app.com.best_score, top);
      // Every trial move was taken back.
      EXPECT_EQ(t.app.pos.board, before);
    }
  }
}

TEST(Search, CandidatesComeInBoardOrderWithTheirPieces) {
  test::TestApp t;
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "p.......", "....K..."});
  const test::SearchLog log = run_search(t.app);
  // The pawn (column 1) is tried before the king (column 5), and it is tried as a queen.
  ASSERT_FALSE(log.candidates.empty());
  const Candidate& first = log.candidates.front();
  EXPECT_EQ(first.x1, 1);
  EXPECT_EQ(first.y1, 7);
  EXPECT_EQ(first.moving, B_PAWN);
  EXPECT_EQ(first.placed, B_QUEEN);
  EXPECT_EQ(first.captured, EMPTY);
  for (size_t i = 1; i < log.candidates.size(); ++i) EXPECT_EQ(log.candidates[i].moving, B_KING);
  EXPECT_EQ(t.app.com.computer_promotion_piece, B_QUEEN);
}

TEST(Search, TakingTheKingEndsTheSearchAtOnce) {
  test::TestApp t;
  // The rook on (4, 1) can take the W king; the knight on (7, 3) comes later in the loop.
  set_computer_game(t.app,
                    {"k..r....", "........", "......n.", "........", "........", "........", "........", "...K...."});
  const test::SearchLog log = run_search(t.app);
  ASSERT_FALSE(log.candidates.empty());
  const Candidate& last = log.candidates.back();
  EXPECT_EQ(last.x1, 4);
  EXPECT_EQ(last.y2, 8);
  EXPECT_EQ(last.captured, W_KING);
  EXPECT_EQ(last.score, 9999);
  EXPECT_EQ(find_candidate(log, 4, 1, 5, 1), nullptr);  // later moves of the rook are not tried
  EXPECT_EQ(find_candidate(log, 7, 3, 5, 4), nullptr);
  EXPECT_EQ(t.app.com.takes_king, 1);
  EXPECT_EQ(t.app.com.best.captured, W_KING);
}

TEST(Search, MovesThatLeaveTheKingAttackedScoreMinus9998) {
  test::TestApp t;
  // The B rook on (5, 2) shields its king from the W rook.
  set_computer_game(t.app,
                    {"....k...", "....r...", "........", "........", "........", "........", "........", "R...R..K"});
  const test::SearchLog log = run_search(t.app);
  const Candidate* away = find_candidate(log, 5, 2, 1, 2);
  ASSERT_NE(away, nullptr);
  EXPECT_EQ(away->score, -9998);
  const Candidate* along = find_candidate(log, 5, 2, 5, 5);
  ASSERT_NE(along, nullptr);
  EXPECT_NE(along->score, -9998);
}

TEST(Search, LaterTermsReadTheMapsAsTheMateTestAndCastlingTestLeftThem) {
  // The king steps to (4, 1) while the rook on (7, 8) checks the W king. The
  // mate test's trial capture by the W rook ends with the king's castling test
  // rebuilding the maps for that trial; the position terms read those maps
  // until the fork test of the king, again through its castling test, rebuilds
  // them for the real trial position. Terms reading a copy of the maps taken
  // when the position terms start would give 9.8.
  const Rows rows = {"....k...", ".......r", "........", ".......p", "........", "........", ".....q..", "...K..rR"};
  EXPECT_EQ(score_at_level(rows, 1, 5, 1, 4, 1), 10);
}

// ---- score_move ------------------------------------------------------------

TEST(ScoreMove, MateByAPawnScoresMinus9998) {
  // The pawn steps to (2, 7): the king on (1, 8) is checked, (1, 7) and (2, 8)
  // are covered by the knights and the pawn is defended from (3, 6).
  const Rows rows = {".......k", "........", "........", "........", ".n......", ".pp.....", "...n....", "K......."};
  EXPECT_EQ(score_at_level(rows, 3, 2, 6, 2, 7), -9998);
  EXPECT_EQ(score_at_level(rows, 1, 2, 6, 2, 7), -9998);
}

TEST(ScoreMove, MateByAnotherPieceScores9998) {
  const Rows rows = {"....k...", "........", "........", ".......q", "........", "........", "PP......", "K......."};
  EXPECT_EQ(score_at_level(rows, 3, 8, 4, 8, 8), 9998);
  // A check the W bishop can answer by capture is no mate.
  const Rows answered = {"....k...", "........", "........", ".......q",
                         "........", "........", "PP....B.", "K......."};
  EXPECT_LT(score_at_level(answered, 3, 8, 4, 8, 8), 9998);
}

TEST(ScoreMove, AKnightCheckWithoutFlightSquaresScores9998EvenWhenTheKnightCanBeTaken) {
  const Rows rows = {".......k", "........", "........", "........", "........", "....n...", "PP......", "KB......"};
  EXPECT_EQ(score_at_level(rows, 1, 5, 6, 3, 7), 9998);
  // With the knight on (3, 7): the W bishop on (2, 8) can take it, so it is no mate.
  test::TestApp t;
  set_computer_game(t.app,
                    {".......k", "........", "........", "........", "........", "........", "PPn.....", "KB......"});
  EXPECT_EQ(lower_king_mated(t.app.pos), 0);
  EXPECT_EQ(count_safe_moves(t.app.pos, 1, 8, W_KING), 0);
}

TEST(ScoreMove, ExchangeOnADefendedSquareCostsTheDifference) {
  // The rook steps to (4, 5), attacked by the W pawn and defended by the B pawn.
  const Rows rows = {"k.......", "........", "........", "..p.....", "....r...", "..P.....", "........", ".......K"};
  EXPECT_NEAR(level_terms(rows, 2, 5, 5, 4, 5), -4 + 1, 1e-9);
}

TEST(ScoreMove, FleeingFromAnUndefendedAttackedSquareEarnsSixTimesThePiece) {
  const Rows rows = {"k.......", "........", "........", "...n....", "....P...", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(rows, 2, 4, 4, 2, 3), 6 * 2, 1e-9);
}

TEST(ScoreMove, CaptureBonusExistsFromLevelTwoOn) {
  // The knight takes the undefended W rook on a safe square and comes one column nearer the W king.
  const Rows rows = {"k.......", "........", "..n.....", "........", "...R....", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(rows, 2, 3, 3, 4, 5), 6 * 4 + 1, 1e-9);
}

TEST(ScoreMove, ApproachingDiagonallyEarnsATenth) {
  const Rows rows = {"k.......", "........", "........", "..n.....", "........", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(rows, 2, 3, 4, 5, 5), 0.1, 1e-9);
}

TEST(ScoreMove, PieceTermsComeOnlyAtLevelThree) {
  const Rows knight = {"k.......", "........", "........", "..n.....", "........", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(knight, 3, 3, 4, 5, 5), -0.1, 1e-9);
  // A pawn to (4, 4), not attacked: 5, less the pawn's tenth.
  const Rows pawn = {"k.......", "...p....", "........", "........", "........", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(pawn, 3, 4, 2, 4, 4), 5 - 0.1, 1e-9);
  // A rook that ends with a single safe move.
  const Rows rook = {"k.....n.", ".......r", ".......p", "........", "........", "........", "........", "K......."};
  EXPECT_NEAR(level_terms(rook, 3, 8, 2, 8, 1), -35, 1e-9);
  // A king that keeps a single safe square.
  const Rows king = {".kn.....", "pp......", "........", "........", "........", "........", "........", ".......K"};
  EXPECT_NEAR(level_terms(king, 3, 2, 1, 1, 1), -20, 1e-9);
}

// ---- The shared board functions ----------------------------------------------

TEST(BoardFunctions, FlightSquaresCountOnlyEmptyUnattackedSquares) {
  test::TestApp t;
  // Next to the W king: a B knight it could take, a square the B rook covers, and free squares.
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "r.......", "...n....", "....K..."});
  // (4, 7) holds the knight, the knight covers (6, 8), the rook only row 6:
  // (4, 8), (5, 7) and (6, 7) are left.
  EXPECT_EQ(count_flight_squares(t.app.pos), 3);
}

TEST(BoardFunctions, CountSafeMovesUsesTheOtherArmysAttacks) {
  test::TestApp t;
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "........", "r...K..."});
  // The W king on (5, 8) may step to five squares; the rook covers row 8.
  EXPECT_EQ(count_safe_moves(t.app.pos, 5, 8, W_KING), 3);
  EXPECT_EQ(count_safe_moves(t.app.pos, 1, 8, B_ROOK), 3 + 7);  // row up to the king, and the whole column
  EXPECT_EQ(count_safe_moves(t.app.pos, 3, 3, EMPTY), 0);
}

TEST(BoardFunctions, CrowdingCountsBishopsRooksQueensAndKings) {
  test::TestApp t;
  set_computer_game(t.app,
                    {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"});
  EXPECT_EQ(crowding_penalty(t.app.pos, 4, 2), -3);  // bishop, queen, king; the pawns and knights do not count
  EXPECT_EQ(crowding_penalty(t.app.pos, 1, 1), 0);
  EXPECT_EQ(crowding_penalty(t.app.pos, 4, 7), 0);  // W pieces do not count
}

TEST(BoardFunctions, LowerKingAttackedAsksTheMoveRules) {
  test::TestApp t;
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "........", "r...K..."});
  EXPECT_EQ(lower_king_attacked(t.app.pos), 1);
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "........", "r.N.K..."});
  EXPECT_EQ(lower_king_attacked(t.app.pos), 0);
}

TEST(BoardFunctions, MateTestTriesStepsCapturesAndBlocks) {
  test::TestApp t;
  // Back rank: no step, no capture, no block.
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "PP......", "K......q"});
  const Board before = t.app.pos.board;
  EXPECT_EQ(lower_king_mated(t.app.pos), 1);
  EXPECT_EQ(t.app.pos.board, before);
  // A W rook that can step between.
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "...R....", "PP......", "K......q"});
  EXPECT_EQ(lower_king_mated(t.app.pos), 0);
  EXPECT_EQ(t.app.pos.board[4][6], W_ROOK);
  // A king that can step out of the check.
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", ".P......", "K......q"});
  EXPECT_EQ(lower_king_mated(t.app.pos), 0);
  // Not in check at all.
  set_computer_game(t.app,
                    {"....k...", "........", "........", "........", "........", "........", "PP.....q", "K......."});
  EXPECT_EQ(lower_king_mated(t.app.pos), 0);
}

// ---- evaluate_position ------------------------------------------------------

class Evaluation : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  void set(const Rows& rows) {
    set_computer_game(app, rows);
    find_pins(app.pos);
  }
};

TEST_F(Evaluation, AForkOfAnUndefendedRookAndTheKingAddsBothTenthsAndTheRook) {
  set({"k.......", "........", "........", "........", "........", "...P.n..", "...R...K", "........"});
  EXPECT_DOUBLE_EQ(evaluate_position(app.pos, app.com, B_KNIGHT, 6, 6), 0.1 + 0.1 + 4);
  // A defended rook is no target: the king alone gives a single tenth.
  set({"k.......", "........", "........", "........", "........", "...P.n..", "...R...K", "...R...."});
  EXPECT_DOUBLE_EQ(evaluate_position(app.pos, app.com, B_KNIGHT, 6, 6), 0.1);
}

TEST_F(Evaluation, AHangingPieceAttackedByACheaperOneCostsTwice) {
  set({"k.......", "........", "........", "........", "...r....", "..P.....", "........", ".......K"});
  EXPECT_DOUBLE_EQ(evaluate_position(app.pos, app.com, B_ROOK, 4, 5), -4 + 1 - 4);
  // It has just taken a W knight there: the knight comes back into the sum.
  app.com.board_at_turn_start[4][5] = W_KNIGHT;
  EXPECT_DOUBLE_EQ(evaluate_position(app.pos, app.com, B_ROOK, 4, 5), -4 + 1 - 4 + 2);
  // On row 2, attacked by a pawn: one more and twenty more.
  set({"........", "...r...k", "..P.....", "........", "........", "........", "........", "K......."});
  EXPECT_DOUBLE_EQ(evaluate_position(app.pos, app.com, B_ROOK, 4, 2), -4 + 1 - 4 - 1 - 20);
}

TEST_F(Evaluation, KingOnItsHomeRowWithTheSquareInFrontContested) {
  // The W knight attacks (5, 2) once; the king defends it once.
  set({"....k...", "........", "........", "...N....", "........", "........", "........", ".......K"});
  EXPECT_NEAR(evaluate_position(app.pos, app.com, B_KING, 5, 1), -50 - 250 - 0.5 - 0.1 - 0.1 - 0.1, 1e-9);
}

TEST_F(Evaluation, ACheapAttackerPinnedToItsKingDoesNotThreatenTheExchange) {
  // The W knight on (4, 6) is pinned by the rook on (4, 1) and attacks the undefended bishop.
  set({"...r...k", "........", "........", "....b...", "........", "...N....", "........", "...K...."});
  ASSERT_EQ(app.pos.pins.lower_pinned[4][6], 1);
  const double pinned = evaluate_position(app.pos, app.com, B_BISHOP, 5, 4);
  app.pos.pins.lower_pinned[4][6] = 0;
  const double free = evaluate_position(app.pos, app.com, B_BISHOP, 5, 4);
  EXPECT_NEAR(free - pinned, -3 + 2, 1e-9);
}

TEST_F(Evaluation, FileAttackLooksForTheRookAndQueenBelow) {
  set({"....k...", "........", "...p....", "........", "...P....", "........", "........", "...RK..."});
  // The W pawn on (4, 5) stands in the way.
  EXPECT_EQ(file_attack_from_below(app.pos, 4, 3), 0);
  // With the square itself lifted the rook reaches it.
  EXPECT_EQ(file_attack_from_below(app.pos, 4, 5), 1);
  EXPECT_EQ(app.pos.board[4][5], W_PAWN);
  // A B piece closes the column even if a queen stands behind it.
  set({"....k...", "........", "........", "...p....", "........", "...Q....", "........", "....K..."});
  EXPECT_EQ(file_attack_from_below(app.pos, 4, 3), 0);
  EXPECT_EQ(file_attack_from_below(app.pos, 4, 4), 1);
  // Knights and bishops are not looked for.
  set({"....k...", "........", "........", "........", "........", "...B....", "........", "....K..."});
  EXPECT_EQ(file_attack_from_below(app.pos, 4, 3), 0);
}

// ---- Piece terms -------------------------------------------------------------

TEST(PieceTerms, TheQueenHasNone) {
  test::TestApp t;
  set_computer_game(t.app,
                    {"k.......", "........", "........", "...q....", "........", "........", "........", ".......K"});
  EXPECT_EQ(add_piece_terms(t.app.pos, t.app.com, 7.5, EMPTY, B_QUEEN, 4, 3, 4, 4), 7.5);
}

TEST(PieceTerms, PawnEnPassantCaptureEarnsTen) {
  const Rows rows = {"k.......", "........", "........", "........", "...pP...", "........", "........", ".......K"};
  // With a double step of the W pawn to (5, 5) just made, (5, 6) is its en passant square.
  auto score = [&](int level, bool double_step) {
    test::TestApp t;
    set_computer_game(t.app, rows, level);
    if (double_step) t.app.pos.ep_x = 5, t.app.pos.ep_y = 6;
    const test::SearchLog log = run_search(t.app);
    const Candidate* c = find_candidate(log, 4, 5, 5, 6);
    return c ? c->score : -1e9;
  };
  EXPECT_NEAR(score(3, true) - score(2, true), 10 - 0.1, 1e-9);
  // After any other previous move there is no such capture at all.
  EXPECT_EQ(score(3, false), -1e9);
}

}  // namespace
}  // namespace zarvo
