// Helpers for the computer player's tests: a game against the computer set up
// on a given position, and the search's candidates as it tried them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/computer_turn.h"
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

// One timeline of what a turn draws, asks, waits for and plays, across the
// fakes of a TestApp. Squares are given in grid units, e.g. "square 5,8"
// (the grid outline that ends every draw_square), "frame 5,8 colour 15",
// "picture HAIKEI_TATAMI -1,2", "print 思考中 -0.5,2.5 colour 0 size 12",
// "refresh", "wait 0.3", "dsPlay 3", "message よし！! | チェックメイト ?".
class Journal {
 public:
  // Puts itself between the app and the TestApp's fakes, which go on recording.
  explicit Journal(TestApp& t);
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;
  std::vector<std::string> events;

 private:
  class CanvasTap;
  class DialogsTap;
  class ClockTap;
  class SoundTap;
  std::shared_ptr<CanvasTap> canvas_;
  std::shared_ptr<DialogsTap> dialogs_;
  std::shared_ptr<ClockTap> clock_;
  std::shared_ptr<SoundTap> sound_;
};

}  // namespace zarvo::test
