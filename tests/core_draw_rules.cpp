#include <gtest/gtest.h>

#include "game/draw_rules.h"
#include "game/engine_position.h"
#include "game/engine_turn.h"
#include "game/mouse_input.h"
#include "records/move_record.h"
#include "rules/draw_rules.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "tests/support/computer_fakes.h"
#include "tools/match_games.h"

namespace zarvo {
namespace {

using Rows = std::vector<std::string>;

const Rows START = {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"};

// A game between two players on the position; moves are given in UCI, White
// (the lower army) first, and played as the window plays them.
struct TwoPlayers {
  test::TestApp t;
  App& app = t.app;
  explicit TwoPlayers(const Rows& rows) {
    test::set_computer_game(app, rows);
    app.game.game_kind = KIND_TWO_HUMANS;
  }
  void play(const std::string& moves) {
    std::istringstream in(moves);
    std::string m;
    while (in >> m) {
      GameState& g = app.game;
      const bool upper = g.turn == g.upper_player;
      const std::optional<Candidate> c = move_from_uci(app, m, upper);
      ASSERT_TRUE(c) << m;
      play_move(app.pos, {c->x1, c->y1, c->x2, c->y2, c->placed});
      g.move_number += 1;
      record_move(app.record, app.pos.board, g.move_number, c->x1, c->y1, c->x2, c->y2, c->placed);
      rescan(app.pos);
      g.turn = upper ? g.lower_player : g.upper_player;
    }
  }
  DrawRule rule() const { return draw_by_rule(app, app.game.move_number); }
};

TEST(DrawRules, MaterialThatCannotMate) {
  struct Row {
    const char* name;
    Rows rows;
    int drawn;
  };
  const Row rows[] = {
      {"king against king",
       {"k.......", "........", "........", "........", "........", "........", "........", "......K."},
       1},
      {"a knight alone",
       {"k.......", "........", "..n.....", "........", "........", "........", "........", "......K."},
       1},
      {"a bishop alone",
       {"k.......", "........", "........", "........", "...B....", "........", "........", "......K."},
       1},
      {"bishops on one colour",
       {"k.b.....", "........", "........", "........", "........", "........", "........", ".B....K."},
       1},
      {"bishops on both colours",
       {"k.b.....", "........", "........", "........", "........", "........", "........", "B.....K."},
       0},
      {"two knights",
       {"k.......", "........", "..nn....", "........", "........", "........", "........", "......K."},
       0},
      {"knight and bishop",
       {"k.......", "........", "..n.....", "........", "........", "........", "........", "..B...K."},
       0},
      {"a pawn", {"k.......", "........", "........", "........", "........", "........", "P.......", "......K."}, 0},
      {"a rook", {"k.......", "........", "........", "........", "........", "........", "........", "R.....K."}, 0},
  };
  for (const Row& r : rows) EXPECT_EQ(insufficient_material(test::board_from(r.rows)), r.drawn) << r.name;
}

TEST(DrawRules, RepetitionNeedsTheSameRightsThreeTimes) {
  struct Row {
    const char* name;
    std::string moves;
    DrawRule rule;
  };
  const Row rows[] = {
      {"twice is not yet", "g1f3 g8f6 f3g1 f6g8", DrawRule::None},
      {"the third time", "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8", DrawRule::Repetition},
      // The rooks' trip costs the castling rights: the board comes back, the position does not.
      {"same board, castling rights lost", "g1f3 g8f6 h1g1 h8g8 g1h1 g8h8 h1g1 h8g8 g1h1 g8h8", DrawRule::None},
      {"three times without the rights", "g1f3 g8f6 h1g1 h8g8 g1h1 g8h8 h1g1 h8g8 g1h1 g8h8 h1g1 h8g8 g1h1 g8h8",
       DrawRule::Repetition},
      // After e4 the black pawn on d4 may take en passant only once.
      {"en passant only the first time", "b1c3 d7d5 c3b1 d5d4 e2e4 b8c6 g1f3 c6b8 f3g1 b8c6 g1f3 c6b8 f3g1",
       DrawRule::None},
  };
  for (const Row& r : rows) {
    TwoPlayers game(START);
    game.play(r.moves);
    EXPECT_EQ(game.rule(), r.rule) << r.name;
  }
}

TEST(DrawRules, FiftyMovesWithoutCaptureOrPawnMove) {
  TwoPlayers game({"k.......", "........", "........", "........", "........", "........", "P.......", "R.....K."});
  std::string moves = "a2a3";  // the last pawn move
  // The kings wander; no capture, no pawn move.
  const char* white[] = {"g1g2", "g2g3", "g3h3", "h3h2", "h2h1", "h1g1"};
  const char* black[] = {"a8b8", "b8c8", "c8d8", "d8e8", "e8f8", "f8e8", "e8d8", "d8c8", "c8b8", "b8a8"};
  for (int i = 0; i < 50; ++i) {
    moves += std::string(" ") + black[i % 10];
    if (i < 49) moves += std::string(" ") + white[i % 6];
  }
  game.play(moves);
  EXPECT_EQ(plies_since_capture_or_pawn(game.app, game.app.game.move_number), 99);
  EXPECT_NE(game.rule(), DrawRule::FiftyMoves);
  game.play("g2g3");
  EXPECT_EQ(plies_since_capture_or_pawn(game.app, game.app.game.move_number), 100);
  EXPECT_EQ(game.rule(), DrawRule::FiftyMoves);
}

TEST(DrawRules, AnnouncedOnlyWithTheOption) {
  for (const bool on : {false, true}) {
    TwoPlayers game(START);
    game.app.draw_rules.on = on;
    game.play("g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1");
    // The last knight move, by click: f6 to g8.
    game.app.game.turn = game.app.game.upper_player;
    Form_MouseDown(game.app, MOUSE_LEFT, 0, GRID_LEFT + 6.5 * SQUARE_W, GRID_TOP + 3.5 * SQUARE_H);
    Form_MouseDown(game.app, MOUSE_LEFT, 0, GRID_LEFT + 7.5 * SQUARE_W, GRID_TOP + 1.5 * SQUARE_H);
    ASSERT_EQ(game.app.game.move_number, on ? 0 : 8);  // Yes to another game starts a new one
    const std::vector<std::string> texts = game.t.dialogs.texts();
    if (on) {
      EXPECT_EQ(texts, (std::vector<std::string>{"同一局面が３回現れました", "引き分けです", "続けますか？"}));
    } else {
      EXPECT_TRUE(texts.empty());
    }
  }
}

TEST(EnginePosition, FenFollowsTheBoardAsShown) {
  struct Row {
    const char* name;
    int colours;
    bool upper_to_move;
    std::string moves;
    std::string fen;
  };
  const Row rows[] = {
      {"a new game", 0, false, "", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
      {"after e4", 0, true, "e2e4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"},
      {"an en passant square", 0, false, "e2e4 a7a6 e4e5 d7d5",
       "rnbqkbnr/1pp1pppp/p7/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3"},
      {"a king that moved", 0, false, "e2e4 e7e5 e1e2 e8e7 e2e1 e7e8",
       "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w - - 4 4"},
  };
  for (const Row& r : rows) {
    TwoPlayers game(START);
    game.play(r.moves);
    EXPECT_EQ(position_fen(game.app, r.upper_to_move), r.fen) << r.name;
  }
  // Seen from Black's side, kings and queens exchanged: the same chess position.
  TwoPlayers second(START);
  swap_kings_and_queens(second.app.pos.board);
  second.app.game.colors_swapped = 1;
  EXPECT_EQ(position_fen(second.app, true), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
  EXPECT_EQ(uci_text(second.app, 4, 2, 4, 4, B_PAWN, B_PAWN), "e2e4");
  EXPECT_EQ(uci_text(second.app, 8, 7, 8, 8, B_PAWN, B_KNIGHT), "a7a8n");
}

TEST(Match, PlaysWholeGamesAndWritesThem) {
  std::mt19937 random(7);
  GameSettings settings;
  settings.max_plies = 60;
  const GameOutcome o =
      play_match_game(Opponent{Opponent::Level, 1}, Opponent{Opponent::Random, 0}, settings, random, nullptr, nullptr);
  EXPECT_LE(o.plies, 60);
  EXPECT_EQ(o.fallbacks, 0);
  EXPECT_NE(o.pgn.find("[White \"level:1\"]"), std::string::npos);
  EXPECT_NE(o.pgn.find("[Result \"" + o.result + "\"]"), std::string::npos) << o.pgn;
  EXPECT_NE(o.pgn.find("1. "), std::string::npos);
  EXPECT_EQ(parse_opponent("level:9")->level, 9);
  EXPECT_FALSE(parse_opponent("level:0"));
  EXPECT_FALSE(parse_opponent("stockfish"));
}

}  // namespace
}  // namespace zarvo
