#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_modes.h"
#include "game/levels.h"
#include "records/pgn.h"
#include "records/record_panel.h"
#include "rules/move_rules.h"
#include "shell/startup.h"
#include "tests/support/fakes.h"
#include "tests/support/options_fakes.h"
#include "tests/support/play_fakes.h"
#include "tests/support/record_fakes.h"

namespace zarvo {
namespace {

const PgnDate DATE{2026, 3, 7};

// The movetext of a PGN text: everything after the blank line that ends the tags, on one line.
std::string movetext(const std::string& pgn) {
  std::string text = pgn.substr(pgn.find("\n\n") + 2);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

std::string game(const std::string& fen, const std::string& moves) {
  return (fen.empty() ? "" : "[SetUp \"1\"]\n[FEN \"" + fen + "\"]\n") + "\n" + moves + "\n";
}

// Reads a PGN game and writes it again: what another program would be given.
std::string exported(const std::string& pgn) {
  std::string message;
  const auto file = parse_pgn(pgn, message);
  EXPECT_TRUE(file.has_value()) << message;
  return file ? write_pgn(*file, DATE) : "";
}

struct SanCase {
  const char* name;
  const char* fen;
  const char* moves_in;
  const char* moves_out;
};

TEST(Pgn, MovesAreWrittenInStandardAlgebraicNotation) {
  const SanCase cases[] = {
      {"knights on different files name the file", "4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "Nb1d2", "1. Nbd2 *"},
      {"knights on one file name the rank", "4k3/8/8/8/8/1N6/8/1N2K3 w - - 0 1", "N1d2", "1. N1d2 *"},
      {"rooks on one rank name the file", "4k3/8/8/8/8/8/8/R3K2R w - - 0 1", "Rh1f1 Kd7 Raa8", "1. Rf1 Kd7 2. Ra8 *"},
      {"rooks on one file name the rank", "4k3/R7/8/8/8/8/8/R3K3 w - - 0 1", "Ra1a4", "1. R1a4 *"},
      {"three queens need file and rank", "4k3/8/8/8/8/Q7/8/Q1Q1K3 w - - 0 1", "Qa1-b2", "1. Qa1b2 *"},
      {"a pinned knight does not count", "4k3/8/8/b7/8/2N5/8/4K1N1 w - - 0 1", "Nge2", "1. Ne2 *"},
      {"promotion with capture and check", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", "exd8=Q", "1. exd8=Q+ *"},
      {"under-promotion without the equals sign", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", "exd8N", "1. exd8=N *"},
      {"castling both ways", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "0-0 O-O-O", "1. O-O O-O-O *"},
      {"en passant is a pawn capture", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", "exd6 e.p.", "1. exd6 *"},
      {"en passant takes a checking pawn", "4k3/3p4/8/4P3/4K3/8/8/7R w - - 0 1", "Rh2 d5 exd6", "1. Rh2 d5+ 2. exd6 *"},
      {"check and mate suffixes are the writer's own", "", "f3 e5 g4 Qh4", "1. f3 e5 2. g4 Qh4# 0-1"},
      {"stalemate ends drawn", "7k/8/6Q1/8/8/8/8/4K3 w - - 0 1", "Qf7", "1. Qf7 1/2-1/2"},
      {"comments, variations, NAGs and move numbers are skipped", "",
       "1. e4 {best} e5 $1 (1... c5 2. Nf3 {open (Sicilian)}) 2. Nf3!? ; a line comment\n2... Nc6 3.Bb5 *",
       "1. e4 e5 2. Nf3 Nc6 3. Bb5 *"},
      {"long algebraic and a named pawn", "", "1. Pe2-e4 Pe7e5 2. Ng1xf3?? Nb8-c6", "1. e4 e5 2. Nf3 Nc6 *"},
  };
  for (const SanCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(movetext(exported(game(c.fen, c.moves_in))), c.moves_out);
  }
}

TEST(Pgn, TagsCarryTitleNamesResultAndTheStartingPosition) {
  const std::string pgn = exported(
      "[Event \"春の \\\"対局\\\"\"]\n[White \"先手さん\"]\n[Black \"?\"]\n[Unknown \"x\"]\n"
      "[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 0 30\"]\n\ne4 *\n");
  EXPECT_EQ(pgn,
            "[Event \"春の \\\"対局\\\"\"]\n[Site \"?\"]\n[Date \"2026.03.07\"]\n[Round \"-\"]\n"
            "[White \"先手さん\"]\n[Black \"?\"]\n[Result \"*\"]\n[SetUp \"1\"]\n"
            "[FEN \"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1\"]\n\n1. e4 *\n\n");
  // The initial position needs no FEN.
  EXPECT_EQ(exported("1. d4 *").find("FEN"), std::string::npos);
}

struct Refusal {
  const char* name;
  std::string pgn;
  const char* message;
};

TEST(Pgn, UnplayableGamesAreRefusedWithTheMoveNamed) {
  std::string long_game;
  for (int i = 0; i < 126; ++i) long_game += "Nf3 Nf6 Ng1 Ng8 ";
  const Refusal cases[] = {
      {"an illegal move", "1. e4 e5 2. Ke3 *", "白の2手目「Ke3」は指せない手のため読み込めません"},
      {"a move into check", "1. e4 f5 2. Qh5 Kf7 *", "黒の2手目「Kf7」は指せない手のため読み込めません"},
      {"an ambiguous move", game("4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "Nd2"),
       "白の1手目「Nd2」はどの駒の手か決まらないため読み込めません"},
      {"a promotion left out", game("4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "a8"),
       "白の1手目「a8」は指せない手のため読み込めません"},
      {"castling without the right", game("r3k2r/8/8/8/8/8/8/R3K2R w Qkq - 0 1", "O-O"),
       "白の1手目「O-O」は指せない手のため読み込めません"},
      {"castling across an attacked square", game("r3k2r/8/8/8/8/8/5r2/R3K2R w KQkq - 0 1", "O-O"),
       "白の1手目「O-O」は指せない手のため読み込めません"},
      {"en passant one move late", "1. e4 a6 2. e5 d5 3. h3 h6 4. exd6 *",
       "白の4手目「exd6」は指せない手のため読み込めません"},
      {"garbage", "1. e4 Zz9 *", "黒の1手目「Zz9」は読めない手のため読み込めません"},
      {"a stray character", "1. e4 e5\n2. @ *", "PGNﾌｧｲﾙの 2 行目に読めない文字があります"},
      {"a truncated tag", "[Event \"cut", "PGNﾌｧｲﾙの 1 行目のタグが正しくありません"},
      {"a truncated comment", "1. e4 {no end", "PGNﾌｧｲﾙの 1 行目のコメントが閉じていません"},
      {"a truncated variation", "1. e4 (1. d4 d5", "PGNﾌｧｲﾙの 1 行目の変化手順が閉じていません"},
      {"a broken FEN", game("8/8/8/8/8/8/8/8 w - - 0 1", "*"), "FENの局面が正しくありません"},
      {"Black to move first", game("4k3/8/8/8/8/8/8/4K3 b - - 0 1", "Kd7"), "黒番から始まる局面は読み込めません"},
      {"nothing at all", " \n\n", "PGNﾌｧｲﾙではありません"},
      {"more moves than a record holds", long_game, "手数が多すぎるため読み込めません（最大500手）"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    std::string message;
    EXPECT_FALSE(parse_pgn(c.pgn, message).has_value());
    EXPECT_EQ(message, c.message);
  }
}

TEST(Pgn, OnlyTheFirstGameIsRead) {
  std::string message;
  const auto file = parse_pgn("[Event \"one\"]\n\n1. e4 1-0\n\n[Event \"two\"]\n\n1. d4 d5 *\n", message);
  ASSERT_TRUE(file.has_value()) << message;
  EXPECT_EQ(file->title, "one");
  ASSERT_EQ(file->entries.size(), 2u);
  EXPECT_EQ(file->entries[1].board[5][5], W_PAWN);  // e4: White is the lower army
  EXPECT_EQ(file->entries[1].piece, W_PAWN);
}

// A record as the window keeps it: the human took the second move against the
// computer, so the board is seen from Black's side with kings on column 4, and
// entry 0 still holds the position stored before the game start turned it.
TEST(Pgn, AGameSeenFromBlacksSideIsStandardChess) {
  test::TestApp t;
  App& app = t.app;
  reset_game(app);
  swap_kings_and_queens(app.pos.board);
  const auto move = [&](int fx, int fy, int tx, int ty) {
    const int piece = app.pos.board[fx][fy];
    play_move(app.pos, {fx, fy, tx, ty, piece});
    app.game.move_number += 1;
    record_move(app.record, app.pos.board, app.game.move_number, fx, fy, tx, ty, piece);
  };
  move(4, 2, 4, 4);  // the computer (upper, White) plays e4: column 4 is the e-file
  move(5, 7, 5, 5);  // d5
  move(4, 4, 5, 5);  // exd5
  RecordFile file;
  for (int n = 0; n <= app.game.move_number; ++n) file.entries.push_back(record_entry_at(app.record, n));
  file.upper_name = "ｺﾝﾋﾟｭｰﾀ";
  file.lower_name = "あなた";
  const std::string pgn = write_pgn(file, DATE);
  EXPECT_EQ(movetext(pgn), "1. e4 d5 2. exd5 *");
  EXPECT_EQ(pgn.find("FEN"), std::string::npos);
  EXPECT_NE(pgn.find("[White \"ｺﾝﾋﾟｭｰﾀ\"]\n[Black \"あなた\"]"), std::string::npos);
  // Read back, White is below; the positions are the same chess positions.
  std::string message;
  const auto again = parse_pgn(pgn, message);
  ASSERT_TRUE(again.has_value()) << message;
  EXPECT_EQ(read_as_chess(*again).fens, read_as_chess(file).fens);
  EXPECT_EQ(read_as_chess(file).fens.back(), "rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2");
}

// A handicap grade takes a piece away after entry 0 was stored: the start is
// worked out from the first move, and the PGN carries it as a FEN.
TEST(Pgn, AHandicapGameStartsFromItsOwnPosition) {
  test::TestApp t;
  App& app = t.app;
  reset_game(app);
  LBEL_UP_Click(app);  // grade 1: the computer's rook on a8 goes
  ASSERT_EQ(app.pos.board[1][1], EMPTY);
  play_move(app.pos, {5, 7, 5, 5, W_PAWN});
  record_move(app.record, app.pos.board, 1, 5, 7, 5, 5, W_PAWN);
  RecordFile file;
  for (int n = 0; n <= 1; ++n) file.entries.push_back(record_entry_at(app.record, n));
  const std::string pgn = write_pgn(file, DATE);
  EXPECT_NE(pgn.find("[SetUp \"1\"]\n[FEN \"1nbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQk - 0 1\"]"),
            std::string::npos);
  EXPECT_EQ(movetext(pgn), "1. e4 *");
}

TEST(Pgn, MovesChessDoesNotAllowAreLeftOutAndNamed) {
  // The king is taken after a mate, as a game against the computer can end.
  std::string message;
  auto file = parse_pgn("1. f3 e5 2. g4 Qh4#", message);
  ASSERT_TRUE(file.has_value()) << message;
  RecordEntry taking = file->entries.back();
  taking.board[5][8] = B_QUEEN;
  taking.board[8][4] = EMPTY;
  taking.from_x = 8, taking.from_y = 4, taking.to_x = 5, taking.to_y = 8, taking.piece = B_QUEEN;
  file->entries.push_back(taking);
  ChessReading reading;
  const std::string pgn = write_pgn(*file, DATE, &reading);
  EXPECT_EQ(reading.left_out, 1);
  EXPECT_EQ(reading.problem, "5手目はチェスの規則では指せない手です");
  EXPECT_EQ(movetext(pgn),
            "1. f3 e5 2. g4 Qh4# {5手目はチェスの規則では指せない手です。以降の1手はチェスの棋譜に含めていません} 0-1");
  // What was written reads back.
  EXPECT_TRUE(parse_pgn(pgn, message).has_value()) << message;
}

// The window's own game between two players, by mouse clicks: en passant,
// promotion with capture, castling on both sides, a check. Saved as PGN and
// loaded again, every position comes back.
class PgnInTheWindow : public ::testing::Test {
 protected:
  test::TestApp t;
  App& app = t.app;
  test::ScriptedChooser chooser{app};
  test::FakeRecordPanel panel;
  test::ScratchDir folder{/*enter=*/false};

  void SetUp() override {
    app.platform.chooser = &chooser;
    app.platform.panel = &panel;
    reset_game(app);
    panel.dir = panel.files_dir = folder.path();
  }
};

TEST_F(PgnInTheWindow, SavedAndLoadedAgainGivesTheSamePositions) {
  START_Click(app);
  // Squares as (column, row); White is the lower army, a..h left to right, rank 8 on row 1.
  const int moves[][5] = {
      {5, 7, 5, 5, 0}, {7, 1, 6, 3, 0},  // 1. e4 Nf6
      {5, 5, 5, 4, 0}, {4, 2, 4, 4, 0},  // 2. e5 d5
      {5, 4, 4, 3, 0}, {7, 2, 7, 3, 0},  // 3. exd6 (en passant) g6
      {4, 3, 3, 2, 0}, {6, 1, 7, 2, 0},  // 4. dxc7 Bg7
      {3, 2, 2, 1, 5}, {1, 1, 2, 1, 0},  // 5. cxb8=Q (right button, queen) Rxb8
      {7, 8, 6, 6, 0}, {5, 1, 7, 1, 0},  // 6. Nf3 O-O
      {6, 8, 3, 5, 0}, {1, 2, 1, 3, 0},  // 7. Bc4 a6
      {5, 8, 7, 8, 0}, {1, 3, 1, 4, 0},  // 8. O-O a5
      {3, 5, 6, 2, 0}, {6, 1, 6, 2, 0},  // 9. Bxf7+ Rxf7
  };
  for (const auto& m : moves) {
    if (m[4]) chooser.presses = {m[4]};
    test::move_by_clicks(app, m[0], m[1], m[2], m[3], m[4] ? MOUSE_RIGHT : MOUSE_LEFT);
  }
  ASSERT_EQ(app.game.move_number, 18);
  EXPECT_EQ(app.pos.board[4][4], EMPTY);  // the pawn taken en passant
  EXPECT_EQ(app.pos.board[2][1], B_ROOK);
  const MoveRecord played = app.record;

  KIFU_WRITE_Click(app);
  panel.texts[PanelText::FileName] = "game.pgn";
  panel.texts[PanelText::Title] = "練習";
  panel.texts[PanelText::FirstPlayer] = "花子";
  panel.texts[PanelText::SecondPlayer] = "太郎";
  Command1_Click(app);
  EXPECT_EQ(t.dialogs.messages.back().text, "棋譜を書き込みました");
  const std::string pgn = test::read_bytes(folder.file("game.pgn"));
  EXPECT_EQ(movetext(pgn),
            "1. e4 Nf6 2. e5 d5 3. exd6 g6 4. dxc7 Bg7 5. cxb8=Q Rxb8 6. Nf3 O-O 7. Bc4 a6 8. O-O a5 9. Bxf7+ Rxf7 *");
  EXPECT_NE(pgn.find("[Event \"練習\"]"), std::string::npos);
  EXPECT_NE(pgn.find("[White \"花子\"]\n[Black \"太郎\"]"), std::string::npos);
  EXPECT_EQ(pgn.find('\r'), std::string::npos);

  t.dialogs.messages.clear();
  KIFU_READ_Click(app);
  panel.file = "game.pgn";
  File1_Click(app);
  ASSERT_EQ(t.dialogs.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(app.game.record_mode, 1);
  EXPECT_EQ(app.game.record_length, 18);
  for (int n = 0; n <= 18; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(app.record.record_board[n], played.record_board[n]);
    EXPECT_EQ(app.record.record_piece[n], played.record_piece[n]);
    EXPECT_EQ(app.record.record_to_x[n], played.record_to_x[n]);
  }
}

TEST_F(PgnInTheWindow, ARefusedFileChangesNothing) {
  START_Click(app);
  test::move_by_clicks(app, 5, 7, 5, 5);
  const Board before = app.pos.board;
  test::write_file(folder.file("bad.pgn"), "1. e4 e5 2. Nf3 Nf3 *");
  t.dialogs.messages.clear();
  KIFU_READ_Click(app);
  panel.file = "bad.pgn";
  File1_Click(app);
  ASSERT_EQ(t.dialogs.texts(), (std::vector<std::string>{"黒の2手目「Nf3」は指せない手のため読み込めません"}));
  EXPECT_EQ(t.dialogs.messages.back().title, "棋譜");
  EXPECT_EQ(app.pos.board, before);
  EXPECT_EQ(app.game.move_number, 1);
  EXPECT_EQ(app.game.record_mode, 0);
  EXPECT_EQ(app.game.turn, SECOND);
}

}  // namespace
}  // namespace zarvo
