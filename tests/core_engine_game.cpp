#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "display/display_state.h"
#include "game/computer_turn.h"
#include "game/engine_position.h"
#include "game/engine_turn.h"
#include "game/menu_commands.h"
#include "game/mouse_input.h"
#include "shell/posix_engine_process.h"
#include "tests/support/computer_fakes.h"

namespace zarvo {
namespace {

std::string fake_engine_path() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zarvo-fake-engine").string();
}

// A game as second player: the computer's upper army is White, seen from Black's side.
void set_second_player_game(App& app, const std::vector<std::string>& rows, int level) {
  test::set_computer_game(app, rows, level);
  app.game.lower_player = SECOND;
  app.game.upper_player = FIRST;
  app.game.colors_swapped = 1;
}

class EngineGame : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  PosixEngineProcess process;
  std::string log = testing::TempDir() + "zarvo_fake_engine.log";

  void SetUp() override {
    app.platform.engine = &process;
    app.engine.program = fake_engine_path();
    std::filesystem::remove(log);
    setenv("ZARVO_FAKE_ENGINE_LOG", log.c_str(), 1);
  }
  void TearDown() override {
    process.stop();
    unsetenv("ZARVO_FAKE_ENGINE");
    unsetenv("ZARVO_FAKE_ENGINE_LOG");
  }
  void engine_says(const char* mode) { setenv("ZARVO_FAKE_ENGINE", mode, 1); }
  // The event loop's part: the engine's lines reach the game.
  void until_answered() {
    for (int i = 0; i < 100 && engine_thinking(app) == 1; ++i) process.wait(100);
  }
  std::string sent() const {
    std::ifstream in(log);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> messages() const { return t.dialogs.texts(); }
};

TEST_F(EngineGame, TheEnginePromotesAsItSaysAndTheTurnEndsAsEver) {
  engine_says("move:e7e8q");
  set_second_player_game(
      app, {"...k....", "........", "........", "........", "........", ".......K", "...p....", "........"}, 5);
  com_ban(app);
  // The window goes on while the engine thinks; the caption says so.
  EXPECT_EQ(engine_thinking(app), 1);
  EXPECT_EQ(app.game.move_number, 0);
  until_answered();
  EXPECT_EQ(engine_thinking(app), 0);
  EXPECT_EQ(app.pos.board[4][8], B_QUEEN);
  EXPECT_EQ(app.pos.board[4][7], EMPTY);
  EXPECT_EQ(app.record.record_piece[1], B_QUEEN);
  EXPECT_EQ(app.game.turn, app.game.lower_player);
  EXPECT_NE(sent().find("position fen 8/4P3/k7/8/8/8/8/4K3 w - - 0 1"), std::string::npos) << sent();
  EXPECT_NE(sent().find("setoption name UCI_Elo value 1600"), std::string::npos);
  EXPECT_TRUE(messages().empty());
}

TEST_F(EngineGame, TheEngineCastlesWithTheRightsOfTheRecord) {
  engine_says("move:e1g1");
  set_second_player_game(
      app, {"r..k....", "........", "........", "........", "........", "........", "........", "...K...."}, 4);
  com_ban(app);
  until_answered();
  EXPECT_NE(sent().find("position fen 4k3/8/8/8/8/8/8/4K2R w K - 0 1"), std::string::npos) << sent();
  EXPECT_EQ(app.pos.board[2][1], B_KING);
  EXPECT_EQ(app.pos.board[3][1], B_ROOK);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
  EXPECT_EQ(app.pos.board[4][1], EMPTY);
}

TEST_F(EngineGame, FailuresAreToldAndLevelThreeMoves) {
  struct Row {
    const char* mode;
    std::string message_start;
    int level_after;
  };
  const Row rows[] = {
      {"move:a1a2", "エンジンの指し手 a1a2 はこの局面では指せません", 6},
      {"crash", std::string(ENGINE_ENDED), 3},
      {"garbage", std::string(ENGINE_GARBAGE), 3},
  };
  for (const Row& r : rows) {
    engine_cancel(app);
    t.dialogs.messages.clear();
    engine_says(r.mode);
    test::set_computer_game(
        app, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}, 6);
    com_ban(app);
    until_answered();
    ASSERT_FALSE(messages().empty()) << r.mode;
    EXPECT_EQ(messages().front().rfind(r.message_start, 0), 0u) << r.mode << ": " << messages().front();
    // The move was made all the same, by the game's own search.
    EXPECT_EQ(app.game.move_number, 1) << r.mode;
    EXPECT_EQ(app.com.level, r.level_after) << r.mode;
    EXPECT_FALSE(process.running() && r.level_after == 3) << r.mode;
  }
}

// Answers from a script and lets the deadline run out at once when it has nothing to say.
class ScriptedEngine final : public EngineProcess {
 public:
  std::map<std::string, std::vector<std::string>> answers;
  std::vector<std::string> sent;
  void set_handlers(Handlers h) override { handlers_ = std::move(h); }
  bool start(const std::string&) override { return running_ = true; }
  bool running() override { return running_; }
  void send(std::string_view line) override {
    sent.emplace_back(line);
    for (const std::string& a : answers[std::string(line.substr(0, line.find(' ')))]) queue_.push_back(a);
  }
  void stop() override { running_ = false, queue_.clear(), deadline_ = 0; }
  void set_deadline(int ms) override { deadline_ = ms; }
  bool wait(int) override {
    if (!queue_.empty()) {
      const std::string line = queue_.front();
      queue_.pop_front();
      handlers_.line(line);
      return true;
    }
    if (deadline_ > 0) {
      waited.push_back(std::exchange(deadline_, 0));
      handlers_.deadline();
      return true;
    }
    return false;
  }
  std::vector<int> waited;

 private:
  Handlers handlers_;
  std::deque<std::string> queue_;
  bool running_ = false;
  int deadline_ = 0;
};

TEST_F(EngineGame, SilenceEndsInTimeAndLevelThreeMoves) {
  struct Row {
    bool handshake;
    std::string message_start;
    int deadline;
  };
  for (const Row& r : {Row{false, std::string(ENGINE_NO_HANDSHAKE), ENGINE_HANDSHAKE_MS},
                       Row{true, std::string(ENGINE_NO_MOVE), 100 + ENGINE_GRACE_MS}}) {
    ScriptedEngine silent;
    if (r.handshake) silent.answers = {{"uci", {"uciok"}}, {"isready", {"readyok"}}};
    app.platform.engine = &silent;
    t.dialogs.messages.clear();
    test::set_computer_game(
        app, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}, 5);
    com_ban(app);
    for (int i = 0; i < 10 && engine_thinking(app) == 1; ++i) silent.wait(0);
    ASSERT_FALSE(silent.waited.empty());
    EXPECT_EQ(silent.waited.back(), r.deadline);
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().front().rfind(r.message_start, 0), 0u) << messages().front();
    EXPECT_EQ(app.game.move_number, 1);
    EXPECT_FALSE(silent.running());
  }
}

TEST_F(EngineGame, WhileTheEngineThinksTheBoardWaitsAndQuittingEndsIt) {
  engine_says("no-move");
  test::set_computer_game(
      app, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}, 7);
  app.sounds.sound_forbidden = 2;
  com_ban(app);
  process.wait(300);
  ASSERT_EQ(engine_thinking(app), 1);
  ASSERT_TRUE(process.running());
  const Board before = app.pos.board;
  // A click on a pawn of the human's is not taken, nor is a flip.
  Form_MouseDown(app, MOUSE_LEFT, 0, GRID_LEFT + 5.5 * SQUARE_W, GRID_TOP + 7.5 * SQUARE_H);
  menu_command(app, "REVERSE");
  EXPECT_EQ(app.game.selection_state, 0);
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(messages(), std::vector<std::string>{"コンピュータの思考中です"});
  EXPECT_THROW(menu_command(app, "OWARI"), test::ProgramEnded);
  EXPECT_FALSE(process.running());
}

TEST_F(EngineGame, AHintFramesTheEnginesMoveForTheHuman) {
  engine_says("move:e2e4");
  test::set_computer_game(
      app, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}, 3);
  menu_command(app, "HINT");
  until_answered();
  EXPECT_NE(sent().find("position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"), std::string::npos);
  EXPECT_EQ(app.engine.hint_x1, 5);
  EXPECT_EQ(app.engine.hint_y1, 7);
  EXPECT_EQ(app.engine.hint_x2, 5);
  EXPECT_EQ(app.engine.hint_y2, 5);
  EXPECT_EQ(t.canvas.matching("box").size(), 2u);
  EXPECT_EQ(app.game.move_number, 0);
}

TEST_F(EngineGame, WithoutAnEngineTheHintIsLevelThreesAndOutsideAGameRefused) {
  app.engine.program.clear();
  menu_command(app, "HINT");
  EXPECT_EQ(messages(), std::vector<std::string>{"「対局」で始めて下さい"});
  test::set_computer_game(
      app, {"rnbqkbnr", "pppppppp", "........", "........", "........", "........", "PPPPPPPP", "RNBQKBNR"}, 3);
  menu_command(app, "HINT");
  // The lower army's move, found by turning the board for the search.
  const int piece = app.pos.board[app.engine.hint_x1][app.engine.hint_y1];
  EXPECT_LT(piece, 0);
  EXPECT_EQ(app.pos.board[app.engine.hint_x2][app.engine.hint_y2], EMPTY);
}

TEST_F(EngineGame, AProgramThatIsNoUciEngineIsRefused) {
  EXPECT_FALSE(engine_answers_uci(app, "/bin/true"));
  EXPECT_FALSE(engine_answers_uci(app, "/nonexistent/engine"));
  engine_says("move:e2e4");
  EXPECT_TRUE(engine_answers_uci(app, fake_engine_path()));
  EXPECT_FALSE(process.running());
}

}  // namespace
}  // namespace zarvo
