// zarvo-make-collection OUT.pgn GAMES [SEED]
// Writes a PGN collection for measuring the collection reader: games of
// seeded random play written by the game's own PGN writer. Random play is
// slow to make, so a pool of distinct games is played and each written game
// is one of them under its own tags (players, event, date, round).
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "records/pgn.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: zarvo-make-collection OUT.pgn GAMES [SEED]\n";
    return 2;
  }
  const int games = std::stoi(argv[2]);
  std::mt19937 random(argc > 3 ? static_cast<unsigned>(std::stoul(argv[3])) : 1u);
  const int pool = std::min(games, 1000);
  const char* const names[] = {"Carlsen, Magnus", "Benkő, Pál",     "羽生 善治",          "Polgár, Judit",
                               "Tal, Mikhail",    "Капабланка",     "Anand, Viswanathan", "Hou, Yifan",
                               "Morphy, Paul",    "Lasker, Emanuel"};
  std::vector<zarvo::RecordFile> played;
  for (int g = 0; g < pool; ++g) {
    zarvo::ChessPlayer player;
    const int plies = 60 + static_cast<int>(random() % 160);
    for (int n = 0; n < plies; ++n) {
      const int count = player.legal_move_count();
      if (count == 0) break;
      player.play(static_cast<int>(random() % static_cast<unsigned>(count)));
    }
    played.push_back(player.record());
  }
  // The writer replays every move; the move text of a pooled game is written
  // once and its tags are written anew for every copy.
  std::vector<std::string> movetexts;
  for (const zarvo::RecordFile& file : played) {
    const std::string pgn = zarvo::write_pgn(file, zarvo::PgnDate{});
    movetexts.push_back(pgn.substr(pgn.find("\n\n") + 2));
  }
  std::ofstream out(argv[1], std::ios::binary);
  const auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  for (int g = 0; g < games; ++g) {
    const size_t k = static_cast<size_t>(g) % played.size();
    const std::string& text = movetexts[k];
    const std::string result = text.substr(text.find_last_of(' ', text.size() - 3) + 1);
    out << "[Event \"Random " << g / 100 << "\"]\n[Site \"?\"]\n[Date \"" << 1990 + random() % 36 << "."
        << two(1 + static_cast<int>(random() % 12)) << "." << two(1 + static_cast<int>(random() % 28))
        << "\"]\n[Round \"" << g % 9 + 1 << "\"]\n[White \"" << names[random() % 10] << "\"]\n[Black \""
        << names[random() % 10] << "\"]\n[Result \"" << result.substr(0, result.find('\n')) << "\"]\n\n"
        << text;
  }
  return out ? 0 : 1;
}
