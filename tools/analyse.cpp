// zarvo-analyse [--level 1|2|3] [--lower first|second] [--maps] FILE [ENTRY]   (FILE: .棋譜, or .pgn: its first game)
// Runs the computer's search on one entry of a record file and prints what it
// tried and chose as JSON.
#include <iostream>
#include <string>
#include <vector>

#include "tools/position_analysis.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zarvo::run_analyse(args, std::cout, std::cerr);
}
