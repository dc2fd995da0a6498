// Helpers for the computer player's tests: a game against the computer set up
// on a given position, and the search's candidates as it tried them.
#pragma once

#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "tests/support/fakes.h"

namespace zarvo::test {

// The human plays the lower army and moves first; the record holds the
// position as entry 0. The maps are scanned once, as after the human's move.
void set_computer_game(App& app, const std::vector<std::string>& rows, int level = 3);

struct SearchLog {
  std::vector<Candidate> candidates;
  int found = 0;
};

// Runs the search of the computer's turn on the position that is set up.
SearchLog run_search(App& app);

// The candidate with that origin and destination, or nullptr.
const Candidate* find_candidate(const SearchLog& log, int x1, int y1, int x2, int y2);

// Scores one move of the upper army as the search would (the search runs
// whole; the candidate's score is returned). Fails the test if the move is not
// a candidate.
double candidate_score(App& app, int x1, int y1, int x2, int y2);

}  // namespace zarvo::test
