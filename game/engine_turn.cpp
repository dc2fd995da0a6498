#include "game/engine_turn.h"

#include <memory>

#include "computer/computer_state.h"
#include "computer/search.h"
#include "computer/uci.h"
#include "display/display_state.h"
#include "display/marks.h"
#include "game/computer_turn.h"
#include "game/engine_position.h"
#include "game/levels.h"
#include "game/record_panel.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/app.h"
#include "shell/engine_program.h"
#include "shell/settings.h"
#include "shell/sound.h"
#include "shell/translation.h"

namespace zarvo {
namespace {

constexpr int HINT_COLOUR = QB_YELLOW;
// A hint is the best move there is: full strength, a short think.
constexpr int HINT_LEVEL = LAST_ENGINE_LEVEL;

void send_all(App& app, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) app.platform.engine->send(line);
}

void arm_deadline(App& app) { app.platform.engine->set_deadline(app.engine.session.deadline_ms()); }

void send_search(App& app) {
  EngineState& e = app.engine;
  const int level = e.task == EngineTask::Hint || !is_engine_level(app.com.level) ? HINT_LEVEL : app.com.level;
  send_all(app, e.session.search(e.fen, *engine_level(level)));
  arm_deadline(app);
}

void frame_hint(App& app, const Candidate& c) {
  EngineState& e = app.engine;
  e.hint_x1 = c.x1, e.hint_y1 = c.y1, e.hint_x2 = c.x2, e.hint_y2 = c.y2;
  mark_square(app, HINT_COLOUR, c.x1, c.y1);
  mark_square(app, HINT_COLOUR, c.x2, c.y2);
  app.platform.canvas->refresh();
}

void hint_by_search(App& app, bool upper) {
  const std::optional<Candidate> c = searched_move(app, upper, ENGINE_FALLBACK_LEVEL);
  if (!c) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "指せる手がありません"), QT_TRANSLATE_NOOP("Message", "ヒント"));
    return;
  }
  frame_hint(app, *c);
}

// The process is gone or talks nonsense: the game goes on at LEVEL3.
void engine_failed(App& app, const std::string& reason) {
  EngineState& e = app.engine;
  const EngineTask task = e.task;
  const bool upper = e.upper;
  engine_cancel(app);
  app.platform.dialogs->message_box(
      fill(translate("Message", QT_TRANSLATE_NOOP("Message", "%1\r\rLEVEL3で対局を続けます")),
           {translate("Message", reason)}),
      QT_TRANSLATE_NOOP("Message", "エンジン"), Buttons::Ok, Icon::Exclamation);
  if (is_engine_level(app.com.level)) set_level(app, ENGINE_FALLBACK_LEVEL);
  if (task == EngineTask::Move) {
    play_searched_move(app);
  } else if (task == EngineTask::Hint) {
    hint_by_search(app, upper);
  }
}

void answer_arrived(App& app, const std::string& move) {
  EngineState& e = app.engine;
  const EngineTask task = e.task;
  e.task = EngineTask::None;
  const std::optional<Candidate> c = move_from_uci(app, move, e.upper);
  if (task == EngineTask::Hint) {
    if (c) {
      frame_hint(app, *c);
    } else {
      hint_by_search(app, e.upper);
    }
    return;
  }
  if (task != EngineTask::Move) return;
  if (!c) {
    // The engine's word is not taken over the rules of the game.
    app.platform.dialogs->message_box(
        fill(translate("Message",
                       QT_TRANSLATE_NOOP("Message",
                                         "エンジンの指し手 %1 はこの局面では指せません\r\rこの手はLEVEL3が指します")),
             {move}),
        QT_TRANSLATE_NOOP("Message", "エンジン"), Buttons::Ok, Icon::Exclamation);
    play_searched_move(app);
    return;
  }
  play_computer_move(app, *c);
}

void handle(App& app, const UciEvent& event, UciSession::Phase before) {
  send_all(app, event.send);
  switch (event.kind) {
    case UciEvent::Ready:
      if (app.engine.task != EngineTask::None) {
        send_search(app);
      } else {
        app.platform.engine->set_deadline(0);
      }
      return;
    case UciEvent::BestMove:
      app.platform.engine->set_deadline(0);
      answer_arrived(app, event.move);
      return;
    case UciEvent::Failure: engine_failed(app, event.reason); return;
    default:
      if (app.engine.session.phase() != before) arm_deadline(app);
      return;
  }
}

void set_handlers(App& app) {
  EngineProcess::Handlers h;
  h.line = [&app](std::string_view line) {
    const UciSession::Phase before = app.engine.session.phase();
    handle(app, app.engine.session.on_line(line), before);
  };
  h.ended = [&app] {
    const UciSession::Phase before = app.engine.session.phase();
    handle(app, app.engine.session.on_exit(), before);
  };
  h.deadline = [&app] {
    const UciSession::Phase before = app.engine.session.phase();
    handle(app, app.engine.session.on_deadline(), before);
  };
  app.platform.engine->set_handlers(std::move(h));
}

}  // namespace

int engine_thinking(const App& app) { return app.engine.task != EngineTask::None ? 1 : 0; }

bool engine_begin(App& app, EngineTask task, bool upper) {
  EngineState& e = app.engine;
  if (e.program.empty()) return false;
  e.task = task;
  e.upper = upper;
  e.fen = position_fen(app, upper);
  set_handlers(app);
  EngineProcess& process = *app.platform.engine;
  if (process.running() && e.session.phase() == UciSession::Phase::Idle) {
    send_search(app);
    return true;
  }
  if (process.running() &&
      (e.session.phase() == UciSession::Phase::Handshake || e.session.phase() == UciSession::Phase::Syncing))
    return true;  // the search goes out once the engine is ready
  process.stop();
  e.session = UciSession{};
  if (!process.start(e.program)) {
    e.task = EngineTask::None;
    app.platform.dialogs->message_box(
        fill(translate("Message",
                       QT_TRANSLATE_NOOP("Message", "エンジン %1 を起動できません\r\rこの手はLEVEL3が指します")),
             {e.program}),
        QT_TRANSLATE_NOOP("Message", "エンジン"), Buttons::Ok, Icon::Exclamation);
    return false;
  }
  send_all(app, e.session.start());
  arm_deadline(app);
  return true;
}

void engine_cancel(App& app) {
  app.platform.engine->stop();
  app.engine.session = UciSession{};
  app.engine.task = EngineTask::None;
}

void show_engine_levels(App& app) {
  const bool found = !app.engine.program.empty();
  for (int n = FIRST_ENGINE_LEVEL; n <= LAST_ENGINE_LEVEL; ++n)
    app.platform.widgets->set_enabled("LEVEL" + std::to_string(n), found);
  if (!found && is_engine_level(app.com.level)) set_level(app, ENGINE_FALLBACK_LEVEL);
}

bool engine_answers_uci(App& app, const std::string& program) {
  engine_cancel(app);
  EngineProcess& process = *app.platform.engine;
  UciSession trial;
  bool answered = false, failed = false;
  EngineProcess::Handlers h;
  h.line = [&](std::string_view line) {
    const UciEvent ev = trial.on_line(line);
    if (ev.kind == UciEvent::Failure) failed = true;
    if (trial.phase() == UciSession::Phase::Syncing || trial.phase() == UciSession::Phase::Idle) answered = true;
  };
  h.ended = [&] { failed = true; };
  h.deadline = [&] { failed = true; };
  process.set_handlers(std::move(h));
  if (process.start(program)) {
    send_all(app, trial.start());
    process.set_deadline(ENGINE_HANDSHAKE_MS);
    while (!answered && !failed) process.wait(ENGINE_HANDSHAKE_MS);
  }
  process.stop();
  return answered;
}

std::optional<Candidate> searched_move(const App& app, bool upper, int level) {
  // The search plays the upper army: the lower army's move is looked for on
  // the board turned round, where that army stands above.
  Position p = upper ? app.pos : flipped(app.pos);
  rescan(p);
  ComputerState com = app.com;
  com.level = level;
  if (search_computer_move(p, com) == 0) return std::nullopt;
  Candidate c = com.best;
  if (!upper) {
    c.x1 = BOARD_SIZE + 1 - c.x1, c.y1 = BOARD_SIZE + 1 - c.y1;
    c.x2 = BOARD_SIZE + 1 - c.x2, c.y2 = BOARD_SIZE + 1 - c.y2;
    c.moving = -c.moving, c.placed = -c.placed, c.captured = -c.captured;
  }
  return c;
}

void ENGINE_Click(App& app) {
  close_record_panel(app);
  const std::string path = app.platform.dialogs->choose_program(QT_TRANSLATE_NOOP("Message", "エンジン"));
  if (path.empty()) return;
  if (!engine_answers_uci(app, path)) {
    refuse(app,
           fill(translate("Message",
                          QT_TRANSLATE_NOOP("Message", "UCIエンジンとして応答しません（uciok がありません）\r\r%1")),
                {path}),
           QT_TRANSLATE_NOOP("Message", "エンジン"));
    return;
  }
  EngineState& e = app.engine;
  if (path != e.configured || !e.configured_in_file) {
    e.configured = path;
    e.configured_in_file = true;
    save_settings(app);
  }
  e.program = path;
  show_engine_levels(app);
}

void clear_hint(App& app) {
  EngineState& e = app.engine;
  if (e.hint_x1 == 0) return;
  mark_square(app, erase_colour, e.hint_x1, e.hint_y1);
  mark_square(app, erase_colour, e.hint_x2, e.hint_y2);
  e.hint_x1 = e.hint_y1 = e.hint_x2 = e.hint_y2 = 0;
}

void HINT_Click(App& app) {
  close_record_panel(app);
  GameState& g = app.game;
  const bool in_game =
      g.turn != NONE && g.winner == NONE && (g.game_kind == KIND_VS_COMPUTER || g.game_kind == KIND_TWO_HUMANS);
  if (!in_game) {
    refuse(app, QT_TRANSLATE_NOOP("Message", "「対局」で始めて下さい"), QT_TRANSLATE_NOOP("Message", "ヒント"));
    return;
  }
  clear_hint(app);
  const bool upper = g.game_kind == KIND_TWO_HUMANS && g.turn == g.upper_player;
  if (!app.engine.program.empty() && position_for_engine(app, upper) == 1 && engine_begin(app, EngineTask::Hint, upper))
    return;
  hint_by_search(app, upper);
}

}  // namespace zarvo
