#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/record_file.h"
#include "rules/mate_tests.h"
#include "tools/position_analysis.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

const fs::path positions = fs::path(__FILE__).parent_path().parent_path() / "bench" / "positions";

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun analyse(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run_analyse(args, out, err);
  return {status, out.str(), err.str()};
}

std::string file_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string best_of(const std::string& json) {
  const size_t at = json.find("\"best\":");
  return at == std::string::npos ? "" : json.substr(at, json.find('}', at) - at + 1);
}

TEST(Analyse, ChoosesTheMovesTheComputerPlayedInItsOwnGame) {
  // The record is a game the computer played against itself; its upper side
  // played at level 3, so every reply it made is the analyser's best move.
  const fs::path game = positions / "selfplay_3_3.棋譜";
  std::string message;
  const auto file = parse_record_file(file_bytes(game), message);
  ASSERT_TRUE(file) << message;
  int checked = 0;
  for (size_t n = 1; n + 1 < file->entries.size(); n += 2) {
    const RecordEntry& next = file->entries[n + 1];
    ASSERT_GT(next.piece, 0);
    const ToolRun r = analyse({game.string(), std::to_string(n)});
    ASSERT_EQ(r.status, 0) << r.err;
    std::ostringstream expected;
    expected << "\"best\":{\"from\":[" << next.from_x << "," << next.from_y << "],\"to\":[" << next.to_x << ","
             << next.to_y << "]";
    EXPECT_EQ(best_of(r.out).rfind(expected.str(), 0), 0u) << "entry " << n << ": " << best_of(r.out);
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

TEST(Analyse, ReportsEveryCandidateAndTheLevel) {
  const fs::path game = positions / "selfplay_3_3.棋譜";
  const ToolRun r = analyse({"--level", "1", game.string(), "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(
      r.out.rfind("{\"level\":1,\"candidates\":[{\"from\":[1,2],\"to\":[1,3],\"piece\":1,\"placed\":1,\"captured\":0,",
                  0),
      0u);
  // Eight pawns with two steps each, two knights with two each.
  size_t count = 0;
  for (size_t at = r.out.find("{\"from\":"); at != std::string::npos; at = r.out.find("{\"from\":", at + 1)) ++count;
  EXPECT_EQ(count, 20u + 1u);  // the candidates and the best
  EXPECT_EQ(r.out.back(), '\n');
  EXPECT_TRUE(r.err.empty());
}

TEST(Analyse, MapsAreThoseOfTheFirstScan) {
  const ToolRun r = analyse({"--maps", (positions / "selfplay_3_3.棋譜").string(), "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string& j = r.out;
  EXPECT_NE(j.find("\"lower_attack_count\":[[0,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,0],"
                   "[0,0,0,0,0,0,0,0],[2,2,3,2,2,3,2,2],[1,1,1,4,4,1,1,1],[0,1,1,1,1,1,1,0]]"),
            std::string::npos);
  EXPECT_NE(j.find("\"upper_defender\":[[999,4,5,6,5,6,4,999],[4,3,5,2,2,6,3,4],"), std::string::npos);
  EXPECT_NE(j.find("\"kings\":{\"lower\":[5,8],\"upper\":[5,1]}"), std::string::npos);
  EXPECT_NE(j.find("\"upper_pin_found\":0"), std::string::npos);
  EXPECT_NE(j.find("{\"from\":[2,1],\"piece\":2,\"to\":[[1,3],[3,3]],\"safe\":[[1,3],[3,3]]}"), std::string::npos);
  EXPECT_NE(j.find("{\"from\":[5,8],\"piece\":-6,\"to\":[],\"safe\":[]}"), std::string::npos);
  EXPECT_NE(j.find("\"tests\":{\"upper_king_mated\":0,\"lower_king_mated\":0,\"upper_king_boxed_in\":0,"
                   "\"lower_king_boxed_in\":0,\"upper_has_legal_move\":1,\"lower_has_legal_move\":1}"),
            std::string::npos);
}

TEST(Analyse, TheMatedPositionIsSeenFromBothSides) {
  // Entry 85: the lower queen has mated the upper king.
  const ToolRun r = analyse({"--maps", (positions / "selfplay_3_3.棋譜").string(), "85"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"upper_king_mated\":1"), std::string::npos);
  EXPECT_NE(r.out.find("\"score\":-9998}"), std::string::npos);
}

TEST(Analyse, BadInputIsOneLineAndStatusTwo) {
  const std::string game = (positions / "selfplay_3_3.棋譜").string();
  const fs::path header_only = fs::temp_directory_path() / "zarvo_analyse_header_only.棋譜";
  std::ofstream(header_only, std::ios::binary) << "title\r\nupper\r\nlower\r\n";
  const fs::path binary = fs::temp_directory_path() / "zarvo_analyse_binary.棋譜";
  std::ofstream(binary, std::ios::binary) << std::string("\x01\x02\x03\r\n\x00\xff", 7);
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--level"},
      {"--level", "4", game},
      {"--lower", "middle", game},
      {"--frobnicate", game},
      {game, "1", "2"},
      {game, "88"},
      {game, "-1"},
      {game, "1x"},
      {(positions / "no_such_file.棋譜").string()},
      {positions.string()},
      {header_only.string()},
      {binary.string()},
  };
  for (const auto& args : cases) {
    const ToolRun r = analyse(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  fs::remove(header_only);
  fs::remove(binary);
}

TEST(Analyse, TheLowerPlayerOptionOnlyRenamesThePlayers) {
  const std::string game = (positions / "selfplay_2_3.棋譜").string();
  const ToolRun first = analyse({game, "41"});
  const ToolRun second = analyse({"--lower", "second", game, "41"});
  ASSERT_EQ(first.status, 0);
  ASSERT_EQ(second.status, 0);
  EXPECT_EQ(first.out, second.out);
}

// A PGN game keeps its FEN's castling rights: the king lists castling only
// where the FEN allows it.
TEST(Analyse, APgnGameCastlesOnlyWhereItsFenAllows) {
  const fs::path dir = fs::temp_directory_path() / "zarvo-analyse-pgn";
  fs::create_directories(dir);
  for (const auto& [rights, castles] : {std::pair{"-", false}, std::pair{"K", true}}) {
    const fs::path file = dir / "game.pgn";
    std::ofstream(file) << "[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/4K2R w " << rights << " - 0 1\"]\n\n*\n";
    const ToolRun run = analyse({"--maps", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    // The W king on (5, 8); short castling ends on (7, 8).
    const size_t king = run.out.find("{\"from\":[5,8],\"piece\":-6");
    ASSERT_NE(king, std::string::npos);
    const std::string to = run.out.substr(king, run.out.find("\"safe\"", king) - king);
    EXPECT_EQ(to.find("[7,8]") != std::string::npos, castles) << rights << ": " << to;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zarvo
