// zarvo-match --white OPPONENT --black OPPONENT --games N [--pgn FILE] [--max-plies N]
//             [--seed N] [--swap] [--opening-plies N] [--engine PROGRAM]
// Plays games between two opponents (OPPONENT: level:1 … level:9, random) without
// a window, prints one line per game and, last, the score of --white's
// opponent as "score W-D-L", and writes every game as PGN.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "shell/engine_program.h"
#include "tools/match_games.h"

using namespace zarvo;

namespace {

int usage(const char* why) {
  std::cerr << "zarvo-match: " << why << "\n"
            << "usage: zarvo-match --white OPPONENT --black OPPONENT --games N [--pgn FILE] [--max-plies N] [--seed N] "
               "[--swap] [--opening-plies N] [--engine PROGRAM]\n"
               "OPPONENT: level:1 ... level:9, random\n";
  return 2;
}

bool number(const char* text, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (!end || *end || v < 0 || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Opponent> first, second;
  int games = 0, seed = 1;
  bool swap = false;
  std::string pgn_path, engine_choice;
  GameSettings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool has_value = i + 1 < argc;
    if (a == "--swap") {
      swap = true;
    } else if (!has_value) {
      return usage(("missing value after " + a).c_str());
    } else if (a == "--white") {
      if (!(first = parse_opponent(argv[++i]))) return usage("--white wants level:1 ... level:9 or random");
    } else if (a == "--black") {
      if (!(second = parse_opponent(argv[++i]))) return usage("--black wants level:1 ... level:9 or random");
    } else if (a == "--games") {
      if (!number(argv[++i], games) || games < 1) return usage("--games wants a positive number");
    } else if (a == "--max-plies") {
      if (!number(argv[++i], settings.max_plies) || settings.max_plies < 1) return usage("--max-plies wants a number");
    } else if (a == "--seed") {
      if (!number(argv[++i], seed)) return usage("--seed wants a number");
    } else if (a == "--opening-plies") {
      if (!number(argv[++i], settings.opening_plies)) return usage("--opening-plies wants a number");
    } else if (a == "--pgn") {
      pgn_path = argv[++i];
    } else if (a == "--engine") {
      engine_choice = argv[++i];
    } else {
      return usage(("unknown argument " + a).c_str());
    }
  }
  if (!first || !second || games < 1) return usage("--white, --black and --games are needed");
  settings.engine = find_engine_program(engine_choice);
  const bool engines = (first->kind == Opponent::Level && is_engine_level(first->level)) ||
                       (second->kind == Opponent::Level && is_engine_level(second->level));
  if (engines && settings.engine.empty()) {
    std::cerr << "zarvo-match: no engine found (sudo apt install stockfish, or --engine PROGRAM)\n";
    return 2;
  }
  std::ofstream pgn;
  if (!pgn_path.empty()) {
    pgn.open(pgn_path, std::ios::binary | std::ios::trunc);
    if (!pgn) {
      std::cerr << "zarvo-match: cannot write " << pgn_path << "\n";
      return 2;
    }
  }

  // One engine process for each side, kept for the whole match.
  WaitingEngine first_engine(settings.engine), second_engine(settings.engine);
  std::mt19937 random(static_cast<unsigned>(seed));
  int won = 0, drawn = 0, lost = 0;
  for (int n = 1; n <= games; ++n) {
    const bool first_is_white = !swap || n % 2 == 1;
    const Opponent& white = first_is_white ? *first : *second;
    const Opponent& black = first_is_white ? *second : *first;
    WaitingEngine* white_engine = first_is_white ? &first_engine : &second_engine;
    WaitingEngine* black_engine = first_is_white ? &second_engine : &first_engine;
    const GameOutcome o = play_match_game(white, black, settings, random, white_engine, black_engine);
    const bool first_won = (o.result == "1-0") == first_is_white && o.result != "1/2-1/2" && o.result != "*";
    if (o.result == "1/2-1/2" || o.result == "*") {
      ++drawn;
    } else if (first_won) {
      ++won;
    } else {
      ++lost;
    }
    std::printf("game %d: %s - %s %s (%s, %d plies%s)\n", n, white.name().c_str(), black.name().c_str(),
                o.result.c_str(), o.reason.c_str(), o.plies,
                o.fallbacks ? (", " + std::to_string(o.fallbacks) + " fallback moves").c_str() : "");
    std::fflush(stdout);
    if (pgn) pgn << o.pgn;
  }
  std::printf("score %d-%d-%d\n", won, drawn, lost);
  return 0;
}
