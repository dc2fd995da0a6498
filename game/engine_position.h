// The position as chess notation sees it: FEN for an engine, moves in UCI
// coordinates, and what makes two positions the same for the repetition rule.
// Squares follow the board as shown (colours exchanged for a game as second
// player); an army's colour is the colour it is painted in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "computer/computer_state.h"

namespace zarvo {

struct App;

// White stands below (the negative codes) unless the colours are exchanged.
bool white_is_lower(const App& app);

// The FEN of the board with the upper or the lower army to move: castling
// rights from the record, the en passant square after a double step, the
// half-move clock since the last capture or pawn move.
std::string position_fen(const App& app, bool upper_to_move);

// 1 when the engine can be given the position: one king each, no pawn on an
// end row and the army not to move not in check.
int position_for_engine(App& app, bool upper_to_move);

// A move given in UCI notation, turned into board squares and checked by the
// game's own rules for the army named; nullopt for a move they refuse.
// captured is left EMPTY for an en passant capture, as the search leaves it.
std::optional<Candidate> move_from_uci(App& app, std::string_view text, bool upper);

// The UCI text of a move on the board.
std::string uci_text(const App& app, int x1, int y1, int x2, int y2, int moving, int placed);

// What the repetition rule compares for record entry n: the board, the army
// to move, castling rights and en passant.
std::string repetition_key(const App& app, int n);

// Moves (by either army) since the last capture or pawn move, up to entry n.
int plies_since_capture_or_pawn(const App& app, int n);

}  // namespace zarvo
