#include <gtest/gtest.h>

#include "computer/uci.h"

namespace zarvo {
namespace {

using Lines = std::vector<std::string>;

// A session through its handshake with an engine that offers these options.
UciSession ready_session(const Lines& option_lines) {
  UciSession s;
  s.start();
  for (const std::string& l : option_lines) s.on_line(l);
  EXPECT_EQ(s.on_line("uciok").send, Lines{"isready"});
  EXPECT_EQ(s.on_line("readyok").kind, UciEvent::Ready);
  return s;
}

const Lines STOCKFISH_OPTIONS = {
    "id name Stockfish 15.1",
    "option name Skill Level type spin default 20 min 0 max 20",
    "option name UCI_LimitStrength type check default false",
    "option name UCI_Elo type spin default 1350 min 1350 max 2850",
};

TEST(UciMoves, ReadsAndWritesCoordinateMoves) {
  struct Row {
    const char* text;
    std::optional<UciMove> move;
  };
  const Row rows[] = {
      {"e2e4", UciMove{4, 1, 4, 3, 0}}, {"e7e8q", UciMove{4, 6, 4, 7, 'q'}},
      {"e1g1", UciMove{4, 0, 6, 0, 0}}, {"a7a8n", UciMove{0, 6, 0, 7, 'n'}},
      {"e7e8k", std::nullopt},          {"i2i4", std::nullopt},
      {"e2e9", std::nullopt},           {"e2", std::nullopt},
      {"(none)", std::nullopt},         {"0000", std::nullopt},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(parse_uci_move(r.text), r.move) << r.text;
    if (r.move) {
      EXPECT_EQ(uci_move_text(*r.move), r.text);
    }
  }
}

TEST(UciSession, HandshakeCollectsOptionsAndEndsReady) {
  UciSession s;
  EXPECT_EQ(s.start(), Lines{"uci"});
  EXPECT_EQ(s.phase(), UciSession::Phase::Handshake);
  EXPECT_EQ(s.deadline_ms(), ENGINE_HANDSHAKE_MS);
  for (const std::string& l : STOCKFISH_OPTIONS) EXPECT_EQ(s.on_line(l).kind, UciEvent::Nothing);
  EXPECT_EQ(s.engine_name(), "Stockfish 15.1");
  EXPECT_TRUE(s.has_option("Skill Level"));
  EXPECT_TRUE(s.has_option("UCI_Elo"));
  EXPECT_FALSE(s.has_option("Hash"));
  // readyok before uciok is not the answer to anything.
  EXPECT_EQ(s.on_line("readyok").kind, UciEvent::Nothing);
  EXPECT_EQ(s.on_line("uciok").send, Lines{"isready"});
  EXPECT_EQ(s.phase(), UciSession::Phase::Syncing);
  EXPECT_EQ(s.on_line("readyok").kind, UciEvent::Ready);
  EXPECT_EQ(s.phase(), UciSession::Phase::Idle);
  EXPECT_EQ(s.deadline_ms(), 0);
}

TEST(UciSession, StrengthIsSetByRatingOrSkillAndOnlyWhenItChanges) {
  const std::string fen = "8/8/8/8/8/8/8/K6k w - - 0 1";
  UciSession rated = ready_session(STOCKFISH_OPTIONS);
  EXPECT_EQ(rated.search(fen, *engine_level(5)),
            (Lines{"setoption name UCI_LimitStrength value true", "setoption name UCI_Elo value 1600",
                   "setoption name Skill Level value 20", "position fen " + fen, "go movetime 100"}));
  EXPECT_EQ(rated.deadline_ms(), 100 + ENGINE_GRACE_MS);
  rated.on_line("bestmove a1a2");
  // Same level: only the position and the search.
  EXPECT_EQ(rated.search(fen, *engine_level(5)), (Lines{"position fen " + fen, "go movetime 100"}));
  rated.on_line("bestmove a1a2");
  // Full strength takes the limit off and thinks longer.
  const Lines full = rated.search(fen, *engine_level(9));
  EXPECT_EQ(full.front(), "setoption name UCI_LimitStrength value false");
  EXPECT_EQ(full.back(), "go movetime 500");

  UciSession skilled = ready_session({"option name Skill Level type spin default 20 min 0 max 20"});
  EXPECT_EQ(skilled.search(fen, *engine_level(4)).front(), "setoption name Skill Level value 0");
  UciSession plain = ready_session({});
  EXPECT_EQ(plain.search(fen, *engine_level(4)), (Lines{"position fen " + fen, "go movetime 100"}));
}

TEST(UciSession, AnswersOfASearch) {
  struct Row {
    const char* name;
    Lines lines;
    UciEvent::Kind kind;
    std::string move_or_reason;
  };
  const Row rows[] = {
      {"a promotion", {"info depth 3 score cp 900", "bestmove e7e8q ponder e1e2"}, UciEvent::BestMove, "e7e8q"},
      {"a castle", {"bestmove e1g1"}, UciEvent::BestMove, "e1g1"},
      {"a carriage return", {"bestmove e2e4\r"}, UciEvent::BestMove, "e2e4"},
      {"no move at all", {"bestmove (none)"}, UciEvent::Failure, std::string(ENGINE_GARBAGE)},
      {"a broken move", {"bestmove zz"}, UciEvent::Failure, std::string(ENGINE_GARBAGE)},
      {"control bytes", {"info \x01\x02"}, UciEvent::Failure, std::string(ENGINE_GARBAGE)},
      {"unknown words", {"hello there", "info string thinking"}, UciEvent::Nothing, ""},
  };
  for (const Row& r : rows) {
    UciSession s = ready_session(STOCKFISH_OPTIONS);
    s.search("8/8/8/8/8/8/8/K6k w - - 0 1", *engine_level(4));
    UciEvent last;
    for (const std::string& l : r.lines) last = s.on_line(l);
    EXPECT_EQ(last.kind, r.kind) << r.name;
    EXPECT_EQ(last.kind == UciEvent::BestMove ? last.move : last.reason, r.move_or_reason) << r.name;
    EXPECT_EQ(s.phase(), r.kind == UciEvent::BestMove  ? UciSession::Phase::Idle
                         : r.kind == UciEvent::Failure ? UciSession::Phase::Failed
                                                       : UciSession::Phase::Searching)
        << r.name;
  }
}

TEST(UciSession, SilenceAndEndsAreFailuresWithTheirOwnMessage) {
  UciSession handshake;
  handshake.start();
  EXPECT_EQ(handshake.on_deadline().reason, ENGINE_NO_HANDSHAKE);

  UciSession searching = ready_session(STOCKFISH_OPTIONS);
  searching.search("8/8/8/8/8/8/8/K6k w - - 0 1", *engine_level(4));
  EXPECT_EQ(searching.on_deadline().reason, ENGINE_NO_MOVE);
  // Once failed, nothing more is reported.
  EXPECT_EQ(searching.on_exit().kind, UciEvent::Nothing);

  UciSession crashed = ready_session(STOCKFISH_OPTIONS);
  crashed.search("8/8/8/8/8/8/8/K6k w - - 0 1", *engine_level(4));
  EXPECT_EQ(crashed.on_exit().reason, ENGINE_ENDED);

  // An idle engine has nothing to be late with.
  UciSession idle = ready_session(STOCKFISH_OPTIONS);
  EXPECT_EQ(idle.on_deadline().kind, UciEvent::Nothing);
  // A bestmove nobody asked for is ignored.
  EXPECT_EQ(idle.on_line("bestmove e2e4").kind, UciEvent::Nothing);
}

TEST(EngineLevels, GetStrongerStepByStep) {
  for (int n = FIRST_ENGINE_LEVEL; n < LAST_ENGINE_LEVEL; ++n) {
    const EngineLevel* l = engine_level(n);
    const EngineLevel* next = engine_level(n + 1);
    ASSERT_TRUE(l && next);
    EXPECT_LT(l->approximate_rating, next->approximate_rating);
    EXPECT_LE(l->skill, next->skill);
  }
  EXPECT_EQ(engine_level(3), nullptr);
  EXPECT_EQ(engine_level(LAST_ENGINE_LEVEL)->elo, 0);
}

}  // namespace
}  // namespace zarvo
