// The position analyser behind the developer tool zarvo-analyse: the
// computer's search on one entry of a record file, reported as JSON.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zarvo {

struct AnalyseOptions {
  int level = 3;
  bool lower_first = true;  // the lower army moved first (--lower first)
  bool maps = false;        // also report maps, pins, kings, moves and tests
  std::string file;
  std::optional<int> entry;  // default: the last entry
};

// [--level 1|2|3] [--lower first|second] [--maps] FILE [ENTRY]; nullopt and a
// one-line message for anything else.
std::optional<AnalyseOptions> parse_analyse_arguments(const std::vector<std::string>& args, std::string& error);

// Analyses a record file image; false with a one-line message on bad input.
bool analyse_record(std::string_view file_bytes, const AnalyseOptions& options, std::string& json, std::string& error);

// The whole tool: arguments, reading the file, JSON on out, errors on err.
// Answers the exit status: 0, or 2 for bad input.
int run_analyse(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvo
