#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/record_navigation.h"
#include "game/record_panel.h"
#include "records/pgn.h"
#include "records/pgn_collection.h"
#include "rules/move_rules.h"
#include "rules/position.h"
#include "shell/file_io.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

const PgnDate DATE{2026, 3, 7};

std::vector<std::string> fens_of(const std::string& pgn) {
  std::string message;
  const auto file = parse_pgn(pgn, message);
  EXPECT_TRUE(file.has_value()) << message;
  return file ? read_as_chess(*file).fens : std::vector<std::string>{};
}

std::string with_fen(const std::string& fen, const std::string& moves) {
  return "[SetUp \"1\"]\n[FEN \"" + fen + "\"]\n\n" + moves + "\n";
}

struct FenCase {
  const char* name;
  const char* fen;
  const char* moves;
  const char* last_fen;
};

TEST(PgnPositions, AGameKeepsTheSideRightsEnPassantAndCountersOfItsFen) {
  const FenCase cases[] = {
      {"rights the FEN does not give stay away", "4k3/8/8/8/8/8/8/4K2R w - - 0 1", "",
       "4k3/8/8/8/8/8/8/4K2R w - - 0 1"},
      {"counters go on from the FEN's", "4k3/8/8/8/8/8/8/4K2R w - - 7 30", "30. Rh2 Ke7",
       "8/4k3/8/8/8/8/7R/4K3 w - - 9 31"},
      {"Black moves first", "4k3/8/8/8/8/8/4P3/4K3 b - - 0 1", "1... Kd7 2. e4", "8/3k4/8/8/4P3/8/8/4K3 b - e3 0 2"},
      {"an en passant square stands as given", "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1", "",
       "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 1"},
      {"Black takes en passant", "4k3/8/8/8/3pP3/8/8/4K3 b - e3 0 1", "1... dxe3", "4k3/8/8/8/8/4p3/8/4K3 w - - 0 2"},
      {"one right of four", "r3k2r/8/8/8/8/8/8/R3K2R b q - 3 12", "12... O-O-O", "2kr3r/8/8/8/8/8/8/R3K2R w - - 4 13"},
  };
  for (const FenCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> fens = fens_of(with_fen(c.fen, c.moves));
    ASSERT_FALSE(fens.empty());
    EXPECT_EQ(fens.front(), c.fen);
    EXPECT_EQ(fens.back(), c.last_fen);
    // Written and read again, nothing changes.
    std::string message;
    const std::string pgn = write_pgn(*parse_pgn(with_fen(c.fen, c.moves), message), DATE);
    EXPECT_NE(pgn.find(std::string("[FEN \"") + c.fen + "\"]"), std::string::npos) << pgn;
    EXPECT_EQ(fens_of(pgn), fens);
  }
  // The right the FEN withholds cannot be used.
  std::string message;
  EXPECT_FALSE(parse_pgn(with_fen("4k3/8/8/8/8/8/8/4K2R w - - 0 1", "O-O"), message).has_value());
}

TEST(PgnPositions, EveryTagAndTheResultSurviveAPgnRoundTrip) {
  const std::string in =
      "[Event \"Open\"]\n[Site \"Budapest\"]\n[Date \"1962.05.01\"]\n[Round \"3\"]\n[White \"Benkő Pál\"]\n"
      "[Black \"X\"]\n[Result \"1-0\"]\n[ECO \"C20\"]\n[Annotator \"me\"]\n\n1. e4 {best} e5 (1... c5) 2. Nf3 1-0\n";
  std::string message;
  const auto file = parse_pgn(in, message);
  ASSERT_TRUE(file.has_value()) << message;
  const std::string out = write_pgn(*file, DATE);
  EXPECT_EQ(out,
            "[Event \"Open\"]\n[Site \"Budapest\"]\n[Date \"1962.05.01\"]\n[Round \"3\"]\n[White \"Benkő Pál\"]\n"
            "[Black \"X\"]\n[Result \"1-0\"]\n[ECO \"C20\"]\n[Annotator \"me\"]\n\n1. e4 e5 2. Nf3 1-0\n\n");
  // What .棋譜 cannot hold is named.
  const std::vector<std::string> losses = record_file_losses(*file);
  ASSERT_EQ(losses.size(), 4u);
  EXPECT_EQ(losses[0], "「Benkő Pál」の Shift-JIS にない文字は「?」になります");
  EXPECT_EQ(losses[1], "コメントと注釈記号は書けません");
  EXPECT_EQ(losses[2], "変化手順は書けません");
  EXPECT_EQ(losses[3], "タグ Site, Date, Round, Result, ECO, Annotator は書けません");
}

TEST(PgnPositions, ARecordThatIsNoChessPositionIsNotWrittenAsPgn) {
  RecordFile file;
  file.entries.resize(2);  // empty boards: no king
  file.entries[1].board[1][1] = W_ROOK;
  file.entries[1].from_x = 1, file.entries[1].from_y = 2, file.entries[1].to_x = 1, file.entries[1].to_y = 1;
  file.entries[1].piece = W_ROOK;
  ChessReading reading;
  EXPECT_EQ(write_pgn(file, DATE, &reading), "");
  EXPECT_EQ(reading.problem,
            "最初の局面がチェスの局面ではありません（FENの第1欄（駒の配置）：キングは白と黒に１つずつ必要です）");
}

// ---------------------------------------------------------------- the index

std::vector<PgnGameEntry> index_of(const std::string& text, size_t piece) {
  std::vector<PgnGameEntry> games;
  PgnIndexer indexer([&games](PgnGameEntry&& g) { games.push_back(std::move(g)); });
  for (size_t i = 0; i < text.size(); i += piece) indexer.feed(std::string_view(text).substr(i, piece));
  indexer.finish();
  return games;
}

TEST(PgnIndex, GamesAreFoundWithTheirTagsLinesAndMovesWhateverTheLineEnds) {
  const std::string games_lf =
      "[Event \"A\"]\n[White \"w1\"]\n[Black \"b1\"]\n[Result \"1-0\"]\n[Date \"2000.01.02\"]\n\n"
      "1. e4 {a comment [with a bracket]} e5 (1... c5 2. Nf3) 2. Nf3 $1 1-0\n\n"
      "[Event \"B\"]\n[White \"w\\\"2\\\"\"]\n\n1. d4 d5 2. c4 *\n\n"
      "; a line comment\n1. c4 0-1\n";
  for (const char* end : {"\n", "\r", "\r\n"}) {
    std::string text;
    for (const char c : games_lf) text += c == '\n' ? std::string(end) : std::string(1, c);
    for (const size_t piece : {size_t{1}, size_t{7}, text.size()}) {
      SCOPED_TRACE(std::to_string(piece) + " bytes at a time, line end " + std::to_string(std::string(end).size()));
      const std::vector<PgnGameEntry> games = index_of(text, piece);
      ASSERT_EQ(games.size(), 3u);
      EXPECT_EQ(games[0].event, "A");
      EXPECT_EQ(games[0].white, "w1");
      EXPECT_EQ(games[0].date, "2000.01.02");
      EXPECT_EQ(games[0].result, "1-0");
      EXPECT_EQ(games[0].plies, 3);
      EXPECT_EQ(games[1].white, "w\"2\"");
      EXPECT_EQ(games[1].result, "*");  // from the move text
      EXPECT_EQ(games[1].plies, 3);
      EXPECT_EQ(games[1].line, 9);
      EXPECT_EQ(games[2].line, 15);
      EXPECT_EQ(games[2].result, "0-1");
      // Each game cut out reads alone, and a refusal names the line of the whole file.
      for (const PgnGameEntry& g : games) {
        std::string message;
        const std::string bytes = text.substr(g.offset, g.length);
        EXPECT_TRUE(parse_pgn(bytes, message, g.line).has_value()) << message;
      }
    }
  }
  // A variation never closed ends with its game.
  EXPECT_EQ(index_of("1. e4 (1. d4 *\n\n[White \"x\"]\n\n1. c4 *\n", 5).size(), 2u);
  std::string message;
  EXPECT_FALSE(parse_pgn("[Event \"x\"]\n\n1. e4 @\n", message, 40).has_value());
  EXPECT_EQ(message, "PGNﾌｧｲﾙの 42 行目に読めない文字があります");
}

TEST(PgnIndex, AThousandGamesAreAllListedAndAHugeGameIsMarked) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "[White \"p" + std::to_string(i) + "\"]\n\n1. e4 e5 *\n\n";
  text += "[White \"big\"]\n\n1. e4 {" + std::string(PGN_GAME_MAX_BYTES, 'x') + "} *\n";
  std::istringstream in(text);
  const std::vector<PgnGameEntry> games = index_pgn(in);
  ASSERT_EQ(games.size(), 1001u);
  EXPECT_EQ(games[999].white, "p999");
  EXPECT_EQ(games[999].number, 1000);
  EXPECT_EQ(games[999].problem, "");
  EXPECT_EQ(games[1000].problem, PGN_GAME_TOO_BIG);
  std::string bytes;
  EXPECT_TRUE(read_pgn_game(in, games[500], bytes));
  EXPECT_EQ(bytes, "[White \"p500\"]\n\n1. e4 e5 *\n\n");
}

// ---------------------------------------------------------------- in the window

class CollectionInTheWindow : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::FakeRecordPanel panel;
  test::ScratchDir folder{/*enter=*/false};

  void SetUp() override {
    app.platform.panel = &panel;
    reset_game(app);
    panel.dir = panel.files_dir = folder.path();
  }
  void open(const std::string& name, const std::string& text) {
    test::write_file(folder.file(name), text);
    panel.file = name;
    File1_Click(app);
  }
};

TEST_F(CollectionInTheWindow, AChosenGameLoadsAndAnUnreadableOneIsMarked) {
  open("c.pgn", "[White \"a\"]\n\n1. e4 e5 *\n\n[White \"b\"]\n\n1. e4 e5 2. Ke3 *\n\n[White \"c\"]\n\n1. d4 *\n");
  ASSERT_EQ(panel.games.size(), 3u);
  EXPECT_EQ(app.game.record_mode, 0);  // nothing loaded yet
  panel.chosen = 2;
  Games1_Click(app);
  EXPECT_EQ(panel.marks[2], "白の2手目「Ke3」は指せない手のため読み込めません");
  EXPECT_EQ(app.game.record_mode, 0);
  panel.chosen = 3;
  t.dialogs.messages.clear();
  Games1_Click(app);
  EXPECT_EQ(app.game.record_mode, 1);
  EXPECT_EQ(app.game.record_length, 1);
  EXPECT_TRUE(panel.games.empty());  // the list is closed
  EXPECT_EQ(t.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
}

TEST_F(CollectionInTheWindow, APositionWithoutMovesIsShownAtOnce) {
  open("p.pgn", with_fen("4k3/8/8/8/8/8/8/4K2R w - - 0 1", "*"));
  EXPECT_EQ(app.game.record_mode, 1);
  EXPECT_EQ(app.game.record_length, 0);
  EXPECT_EQ(app.pos.board[5][8], W_KING);
  EXPECT_EQ(app.pos.board[8][8], W_ROOK);
  EXPECT_EQ(app.pos.board[5][1], B_KING);
  EXPECT_EQ(app.pos.board[1][1], EMPTY);
  // The game's own rules see the FEN's rights: no castling.
  EXPECT_EQ(to_fen(app.pos, Orientation{}, 0), "4k3/8/8/8/8/8/8/4K2R w - - 0 1");
  EXPECT_EQ(check_piece_move(app.pos, 5, 8, 7, 8, W_KING), 0);
}

TEST_F(CollectionInTheWindow, ARecordFileOfOnePositionLoadsAsThatPosition) {
  const std::string e0 = encode_record_entry(RecordEntry{.board = [] {
    Board b{};
    b[5][1] = B_KING, b[5][8] = W_KING, b[1][8] = W_ROOK;
    return b;
  }()});
  open("one.棋譜", "t\r\nb\r\nw\r\n" + e0 + "\r\n");
  EXPECT_EQ(app.game.record_mode, 1);
  EXPECT_EQ(app.game.record_length, 0);
  EXPECT_EQ(app.pos.board[1][8], W_ROOK);
  EXPECT_EQ(t.dialogs.texts(), std::vector<std::string>{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
}

TEST_F(CollectionInTheWindow, BlackToMoveKeepsBlacksPiecesBlack) {
  open("b.pgn", with_fen("4k3/8/8/8/8/8/4P3/4K3 b - - 0 1", "1... Kd7 2. e4 *"));
  AFTER_Click(app);
  EXPECT_EQ(app.game.colors_swapped, 0);
  EXPECT_EQ(app.pos.board[4][2], B_KING);
}

TEST_F(CollectionInTheWindow, SavingIntoACollectionAppendsOrOverwrites) {
  open("one.pgn", "[Event \"E\"]\n[Site \"S\"]\n[Date \"1999.09.09\"]\n[Round \"7\"]\n[Result \"1-0\"]\n\n1. e4 1-0\n");
  for (int i = 0; i < 1; ++i) AFTER_Click(app);
  const std::string kept = test::read_bytes(folder.file("one.pgn"));
  panel.texts[PanelText::FileName] = "one.pgn";
  t.dialogs.script = {Answer::Cancel};
  Command1_Click(app);
  EXPECT_EQ(test::read_bytes(folder.file("one.pgn")), kept);
  t.dialogs.script = {Answer::Append};
  panel.texts[PanelText::FileName] = "one.pgn";
  Command1_Click(app);
  const std::string both = test::read_bytes(folder.file("one.pgn"));
  std::istringstream in(both);
  const std::vector<PgnGameEntry> games = index_pgn(in);
  ASSERT_EQ(games.size(), 2u);
  // The game loaded and saved again keeps its tags and its result.
  EXPECT_EQ(both.substr(kept.size()),
            "\n[Event \"E\"]\n[Site \"S\"]\n[Date \"1999.09.09\"]\n[Round \"7\"]\n[White \"?\"]\n[Black \"?\"]\n"
            "[Result \"1-0\"]\n\n1. e4 1-0\n\n");
  t.dialogs.script = {Answer::Overwrite};
  panel.texts[PanelText::FileName] = "one.pgn";
  Command1_Click(app);
  std::istringstream again(test::read_bytes(folder.file("one.pgn")));
  EXPECT_EQ(index_pgn(again).size(), 1u);
}

TEST_F(CollectionInTheWindow, SavingAsRecordFileAsksWhenSomethingIsLost) {
  open("n.pgn", "[White \"Benkő Pál\"]\n\n1. e4 *\n");
  AFTER_Click(app);
  panel.texts[PanelText::FileName] = "n";
  t.dialogs.messages.clear();
  t.dialogs.script = {Answer::No};
  Command1_Click(app);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::YesNo);
  EXPECT_NE(t.dialogs.messages[0].text.find("Benkő Pál"), std::string::npos);
  EXPECT_FALSE(file_exists(folder.file("n.棋譜")));
}

TEST_F(CollectionInTheWindow, GamesAndPositionsGoThroughTheClipboard) {
  open("g.pgn", "[White \"W\"]\n[Round \"2\"]\n\n1. e4 c5 2. Nf3 *\n");
  AFTER_Click(app);
  AFTER_Click(app);
  KIFU_COPY_FEN_Click(app);
  EXPECT_EQ(app.platform.clipboard->text(), "rnbqkbnr/pp1ppppp/8/2p5/4P3/8/PPPP1PPP/RNBQKBNR w KQkq c6 0 2");
  KIFU_COPY_PGN_Click(app);
  const std::string pgn = app.platform.clipboard->text();
  EXPECT_NE(pgn.find("[Round \"2\"]"), std::string::npos);
  EXPECT_NE(pgn.find("\n1. e4 c5 *\n"), std::string::npos);
  // Pasted back: the same game, through the same reader.
  KIFU_PASTE_Click(app);
  EXPECT_EQ(app.game.record_length, 2);
  app.platform.clipboard->set_text("  4k3/8/8/8/8/8/8/4K2R b - - 3 40\n");
  KIFU_PASTE_Click(app);
  EXPECT_EQ(app.game.record_length, 0);
  EXPECT_EQ(app.pos.board[8][8], W_ROOK);
  t.dialogs.messages.clear();
  app.platform.clipboard->set_text("4k3/8/8/8/8/8/8/4K2R x - - 0 1");
  KIFU_PASTE_Click(app);
  EXPECT_EQ(t.dialogs.texts(), std::vector<std::string>{"FENの第2欄（手番）は w か b です"});
  EXPECT_EQ(app.pos.board[8][8], W_ROOK);  // the position before stays
}

}  // namespace
}  // namespace zarvo
