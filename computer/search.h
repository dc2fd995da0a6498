// The computer's move: a one-ply search over every move of the upper army.
#pragma once

#include <functional>

#include "computer/computer_state.h"

namespace zarvo {

struct Position;
struct ComputerState;

// Told about every candidate the search scores, in the order it tries them.
using CandidateCallback = std::function<void(const Candidate&)>;

// The position before the computer's move: resets the best score, keeps the
// board, counts the W king's flight squares and the B pieces, rescans, finds
// the pins and keeps copies of the maps the scoring compares against.
void prepare_search(Position& pos, ComputerState& com);
// Tries every move of the upper army on the board, scores it and keeps the
// best in com.best; a move that takes the W king ends the search and makes
// the upper player the winner. Answers 0 when there was no candidate at all.
int search_candidates(Position& pos, ComputerState& com, const CandidateCallback& on_candidate = {});
// Both of the above, without drawing, pausing or playing the move.
int search_computer_move(Position& pos, ComputerState& com, const CandidateCallback& on_candidate = {});

}  // namespace zarvo
