#include "tests/support/computer_fakes.h"

#include <gtest/gtest.h>

#include "records/move_record.h"

namespace zarvo::test {

void set_computer_game(App& app, const std::vector<std::string>& rows, int level) {
  GameState& g = app.game;
  g.board = board_from(rows);
  g.lower_player = FIRST;
  g.upper_player = SECOND;
  g.turn = FIRST;
  g.game_kind = KIND_VS_COMPUTER;
  g.move_number = 0;
  g.record_length = 0;
  g.winner = NONE;
  app.com.level = level;
  record_move(app.record, g.board, 0, 0, 0, 0, 0, 0);
  scan_board(g.board, app.maps, g.kings);
}

SearchLog run_search(App& app) {
  SearchLog log;
  log.found = search_computer_move(app, [&](const Candidate& c) { log.candidates.push_back(c); });
  return log;
}

const Candidate* find_candidate(const SearchLog& log, int x1, int y1, int x2, int y2) {
  for (const Candidate& c : log.candidates)
    if (c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2) return &c;
  return nullptr;
}

double candidate_score(App& app, int x1, int y1, int x2, int y2) {
  const SearchLog log = run_search(app);
  const Candidate* c = find_candidate(log, x1, y1, x2, y2);
  EXPECT_NE(c, nullptr) << "no candidate " << x1 << "," << y1 << " -> " << x2 << "," << y2;
  return c ? c->score : 0;
}

}  // namespace zarvo::test
