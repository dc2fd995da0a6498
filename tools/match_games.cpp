#include "tools/match_games.h"

#include "game/draw_rules.h"
#include "game/engine_position.h"
#include "game/engine_turn.h"
#include "records/pgn.h"
#include "records/record_file.h"
#include "rules/mate_tests.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/app.h"

namespace zarvo {

std::string Opponent::name() const { return kind == Random ? "random" : "level:" + std::to_string(level); }

std::optional<Opponent> parse_opponent(std::string_view name) {
  if (name == "random") return Opponent{Opponent::Random, 0};
  if (name.size() == 7 && name.substr(0, 6) == "level:" && name[6] >= '1' && name[6] <= '9')
    return Opponent{Opponent::Level, name[6] - '0'};
  return std::nullopt;
}

UciEvent WaitingEngine::next_event() {
  while (!event_) {
    if (!process_.wait(1000) && !process_.running() && !event_) return session_.on_exit();
  }
  UciEvent e = std::move(*event_);
  event_.reset();
  return e;
}

std::optional<std::string> WaitingEngine::best_move(const std::string& fen, const EngineLevel& level,
                                                    std::string& reason) {
  EngineProcess::Handlers h;
  auto take = [this](UciEvent e) {
    for (const std::string& line : e.send) process_.send(line);
    if (e.kind != UciEvent::Nothing) event_ = std::move(e);
  };
  h.line = [this, take](std::string_view line) { take(session_.on_line(line)); };
  h.ended = [this, take] { take(session_.on_exit()); };
  h.deadline = [this, take] { take(session_.on_deadline()); };
  process_.set_handlers(h);
  if (session_.phase() != UciSession::Phase::Idle || !process_.running()) {
    session_ = UciSession{};
    event_.reset();
    if (!process_.start(program_)) {
      reason = "エンジンを起動できません";
      return std::nullopt;
    }
    for (const std::string& line : session_.start()) process_.send(line);
    process_.set_deadline(session_.deadline_ms());
    const UciEvent ready = next_event();
    if (ready.kind != UciEvent::Ready) {
      reason = ready.reason;
      process_.stop();
      return std::nullopt;
    }
  }
  for (const std::string& line : session_.search(fen, level)) process_.send(line);
  process_.set_deadline(session_.deadline_ms());
  const UciEvent answer = next_event();
  process_.set_deadline(0);
  if (answer.kind != UciEvent::BestMove) {
    reason = answer.reason;
    process_.stop();
    return std::nullopt;
  }
  return answer.move;
}

namespace {

void play(App& app, const Move& m) {
  GameState& g = app.game;
  play_move(app.pos, m);
  g.move_number += 1;
  record_move(app.record, app.pos.board, g.move_number, m.from_x, m.from_y, m.to_x, m.to_y, m.piece);
  rescan(app.pos);
}

// The PGN of the game, with the result the match gave it.
std::string game_pgn(const App& app, const Opponent& white, const Opponent& black, const std::string& result) {
  RecordFile file;
  file.title = "zarvo-match";
  file.lower_name = white.name();
  file.upper_name = black.name();
  for (int k = 0; k <= app.game.move_number; ++k) file.entries.push_back(record_entry_at(app.record, k));
  std::string pgn = write_pgn(file, today());
  const std::string open_tag = "[Result \"*\"]";
  const size_t tag = pgn.find(open_tag);
  if (result != "*" && tag != std::string::npos) {
    pgn.replace(tag, open_tag.size(), "[Result \"" + result + "\"]");
    const size_t end = pgn.rfind("*\n\n");
    if (end != std::string::npos) pgn.replace(end, 1, result);
  }
  return pgn;
}

}  // namespace

GameOutcome play_match_game(const Opponent& white, const Opponent& black, const GameSettings& settings,
                            std::mt19937& random, WaitingEngine* white_engine, WaitingEngine* black_engine) {
  auto owned = std::make_unique<App>();
  App& app = *owned;
  GameState& g = app.game;
  // White is the lower army, as in a game the human opens.
  g.lower_player = FIRST;
  g.upper_player = SECOND;
  g.turn = FIRST;
  g.game_kind = KIND_VS_COMPUTER;
  set_initial_position(app.pos.board);
  clear_history(app.pos);
  clear_history(app.record.start);
  record_move(app.record, app.pos.board, 0, 0, 0, 0, 0, 0);
  rescan(app.pos);

  GameOutcome out;
  const int cap = settings.max_plies < RECORD_LAST ? settings.max_plies : RECORD_LAST;
  for (;;) {
    const bool upper = g.move_number % 2 == 1;  // Black
    const std::vector<Move> moves = legal_moves(app.pos, upper ? 1 : 0);
    if (moves.empty()) {
      if (king_in_check(app.pos, upper ? 1 : 0) == 1) {
        out.result = upper ? "1-0" : "0-1";
        out.reason = "チェックメイト";
      } else {
        out.result = "1/2-1/2";
        out.reason = "ステールメイト";
      }
      break;
    }
    const DrawRule rule = draw_by_rule(app, g.move_number);
    if (rule != DrawRule::None) {
      out.result = "1/2-1/2";
      out.reason = std::string(draw_rule_text(rule));
      break;
    }
    if (g.move_number >= cap) {
      out.result = "*";
      out.reason = "手数制限";
      break;
    }
    const Opponent& who = upper ? black : white;
    std::optional<Move> chosen;
    auto as_move = [](const std::optional<Candidate>& c) -> std::optional<Move> {
      if (!c) return std::nullopt;
      return Move{c->x1, c->y1, c->x2, c->y2, c->placed};
    };
    if (who.kind == Opponent::Random || g.move_number < settings.opening_plies) {
      chosen = moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(random)];
    } else if (is_engine_level(who.level)) {
      WaitingEngine* engine = upper ? black_engine : white_engine;
      std::string reason;
      const std::optional<std::string> text =
          engine && position_for_engine(app, upper) == 1
              ? engine->best_move(position_fen(app, upper), *engine_level(who.level), reason)
              : std::nullopt;
      if (text) chosen = as_move(move_from_uci(app, *text, upper));
      if (!chosen) {
        ++out.fallbacks;
        chosen = as_move(searched_move(app, upper, ENGINE_FALLBACK_LEVEL));
      }
    } else {
      chosen = as_move(searched_move(app, upper, who.level));
    }
    // The search may keep a move that leaves its king attacked when it finds
    // nothing better; chess does not allow it, so the first legal move stands in.
    bool legal = false;
    if (chosen)
      for (const Move& m : moves) legal = legal || m == *chosen;
    if (!legal) {
      ++out.fallbacks;
      chosen = moves.front();
    }
    play(app, *chosen);
  }
  out.plies = g.move_number;
  out.pgn = game_pgn(app, white, black, out.result);
  return out;
}

}  // namespace zarvo
