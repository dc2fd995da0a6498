// A UCI engine whose answers the tests choose, through the environment:
//   ZARVO_FAKE_ENGINE   "move:e7e8q" (default "move:e7e5"), "silent" (no
//                       handshake), "no-move" (never answers a search),
//                       "crash" (dies when asked to search), "garbage"
//   ZARVO_FAKE_ENGINE_LOG  a file that receives every line the engine is sent
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main() {
  const char* mode_env = std::getenv("ZARVO_FAKE_ENGINE");
  const std::string mode = mode_env ? mode_env : "move:e7e5";
  const char* log_path = std::getenv("ZARVO_FAKE_ENGINE_LOG");
  std::FILE* log = log_path ? std::fopen(log_path, "a") : nullptr;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (log) {
      std::fprintf(log, "%s\n", line.c_str());
      std::fflush(log);
    }
    if (line == "quit") break;
    if (line == "uci") {
      if (mode == "silent") continue;
      std::cout << "id name Fake Engine\n"
                << "option name UCI_LimitStrength type check default false\n"
                << "option name UCI_Elo type spin default 1350 min 1350 max 2850\n"
                << "uciok" << std::endl;
    } else if (line == "isready") {
      std::cout << "readyok" << std::endl;
    } else if (line.rfind("go", 0) == 0) {
      if (mode == "no-move") continue;
      if (mode == "crash") std::_Exit(134);
      if (mode == "garbage") {
        std::cout << "info depth 1\n\x01\x02\x03 bestmove zz" << std::endl;
        continue;
      }
      std::cout << "info depth 1 score cp 0\nbestmove " << mode.substr(5) << " ponder a1a2" << std::endl;
    }
  }
  if (log) std::fclose(log);
  return 0;
}
