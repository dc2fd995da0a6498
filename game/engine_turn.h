// The engine player: the engine's search for the computer's move and for a
// hint, answered through the event loop, and the commands that choose the
// engine and ask for a hint.
#pragma once

#include <optional>
#include <string>

#include "computer/computer_state.h"
#include "game/engine_state.h"

namespace zarvo {

struct App;

// 1 while an answer of the engine is awaited: the board takes no moves then.
int engine_thinking(const App& app);
// Starts the engine's search for the upper or lower army's move in the
// position on the board. false when the engine cannot be started (the player
// is told); the caller then chooses the move itself.
bool engine_begin(App& app, EngineTask task, bool upper);
// Ends the engine process and forgets what it was asked.
void engine_cancel(App& app);
// Greys the engine levels when no engine program was found; a game at an
// engine level goes on at LEVEL3 then.
void show_engine_levels(App& app);
// true when the program answers the UCI handshake within its time.
bool engine_answers_uci(App& app, const std::string& program);

// The move the game's own search at level 1..3 would choose for either army,
// worked out on a copy of the game; nullopt when the army cannot move.
std::optional<Candidate> searched_move(const App& app, bool upper, int level);

void ENGINE_Click(App& app);
void HINT_Click(App& app);
// Wipes the frames of a hint from the board.
void clear_hint(App& app);

}  // namespace zarvo
