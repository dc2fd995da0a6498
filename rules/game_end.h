// Check, mate, stalemate and the end of a game.
#pragma once

#include <string_view>

namespace zarvo {

struct App;

// 1 when the king on that square is not attacked and every neighbouring square
// on the board is attacked by the other army.
int king_boxed_in(App& app, int IN_キング座標X, int IN_キング座標Y);
// 1 when the B-side king is in check and no move of the B side ends the check.
int upper_king_mated(App& app);
// Shows the result for the winner's label and asks whether to play again.
void announce_result(App& app, std::string_view 勝手);
// "ステールメイト", then the draw.
void announce_stalemate(App& app);

// 1 when the king of player (lower_player or upper_player) stands attacked in
// the position on the board. Maps and king squares are left as they were.
int king_in_check(App& app, int 手番);
// 1 when player has a move the game would accept: allowed by the movement
// rules and leaving the own king safe (taking a king always counts). Maps and
// king squares are left as they were.
int has_legal_move(App& app, int 手番);
// A player without such a move has lost when in check (the other side, named
// by 勝手, wins) and is stalemated otherwise; answers 1 when the game was ended.
int end_game_without_moves(App& app, int 手番, std::string_view 勝手);
// After a human move: results, check, the computer's reply or the turn switch.
// A game never goes on with a side that cannot move.
void end_of_move_evaluation(App& app, int captured);

}  // namespace zarvo
