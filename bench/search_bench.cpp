// The computer's search (everything of its turn but drawing, pausing and
// playing the move) at each level, and the board scan it repeats for every
// candidate, over positions of the self-play records in bench/positions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "computer/search.h"
#include "game/computer_turn.h"
#include "records/move_record.h"
#include "records/record_file.h"
#include "rules/board_maps.h"
#include "rules/move_rules.h"
#include "shell/app.h"

namespace {

using namespace zarvo;

// A position as the analyser sets it up: the record loaded up to the entry,
// the board scanned once, the upper army to move.
struct BenchPosition {
  std::string name;
  std::unique_ptr<App> app;
  zarvo::Position start;
};

std::vector<BenchPosition> load_positions() {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(__FILE__).parent_path() / "positions";
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".棋譜") files.push_back(e.path());
  std::sort(files.begin(), files.end());

  std::vector<BenchPosition> out;
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string message;
    const auto file = parse_record_file(bytes, message);
    if (!file) continue;
    // Every fourth entry, each one right after a move of the lower army.
    for (size_t n = 1; n < file->entries.size(); n += 4) {
      BenchPosition p{f.stem().string() + "#" + std::to_string(n), std::make_unique<App>(), {}};
      App& app = *p.app;
      for (size_t i = 0; i <= n; ++i) {
        const RecordEntry& e = file->entries[i];
        record_move(app.record, e.board, static_cast<int>(i), e.from_x, e.from_y, e.to_x, e.to_y, e.piece);
      }
      GameState& g = app.game;
      app.pos.board = file->entries[n].board;
      restore_history(app.record, static_cast<int>(n), app.pos);
      g.move_number = g.record_length = static_cast<int>(n);
      g.game_kind = KIND_VS_COMPUTER;
      g.lower_player = FIRST;
      g.upper_player = SECOND;
      rescan(app.pos);
      p.start = app.pos;
      out.push_back(std::move(p));
    }
  }
  return out;
}

std::vector<BenchPosition>& positions() {
  static std::vector<BenchPosition> all = load_positions();
  return all;
}

// Every iteration starts from the same state; the copy back is part of the
// measured time and costs well under a microsecond.
void BM_Search(benchmark::State& state, BenchPosition* p, int level) {
  App& app = *p->app;
  app.com.level = level;
  for (auto _ : state) {
    app.pos = p->start;
    benchmark::DoNotOptimize(search_computer_move(app.pos, app.com));
  }
}

// All positions in one iteration; per_position is the mean time of one search.
void BM_SearchAll(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (BenchPosition& p : positions()) {
      App& app = *p.app;
      app.com.level = level;
      app.pos = p.start;
      benchmark::DoNotOptimize(search_computer_move(app.pos, app.com));
    }
  }
  state.counters["per_position"] =
      benchmark::Counter(static_cast<double>(positions().size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SearchAll)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// scan_board alone over the same positions; per_position is one scan.
void BM_ScanBoard(benchmark::State& state) {
  BoardMaps maps;
  KingSquares kings;
  for (auto _ : state) {
    for (const BenchPosition& p : positions()) {
      scan_board(p.start.board, maps, kings);
      benchmark::DoNotOptimize(maps);
    }
  }
  state.counters["per_position"] =
      benchmark::Counter(static_cast<double>(positions().size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanBoard)->Unit(benchmark::kMicrosecond);

// One benchmark per position and level, for the median over positions.
const bool registered = [] {
  for (int level = 1; level <= 3; ++level) {
    for (BenchPosition& p : positions()) {
      benchmark::RegisterBenchmark(("BM_Search/level:" + std::to_string(level) + "/" + p.name).c_str(), BM_Search, &p,
                                   level)
          ->Unit(benchmark::kMicrosecond);
    }
  }
  return true;
}();

}  // namespace
