// The board display on a recording canvas: pictures, grid, labels, counter,
// frames, blinking and captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/board_drawing.h"
#include "display/marks.h"
#include "display/texts.h"
#include "game/flip.h"
#include "shell/app.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

using Calls = std::vector<std::string>;

int count(const Calls& calls, const std::string& prefix) {
  int n = 0;
  for (const auto& c : calls) n += c.rfind(prefix, 0) == 0;
  return n;
}

// The picture painted at a square by the calls, or "" when none was.
std::string picture_at(const Calls& calls, int x, int y) {
  const std::string where =
      " " + std::to_string(GRID_LEFT + SQUARE_W * x) + " " + std::to_string(GRID_TOP + SQUARE_H * y);
  std::string found;
  for (const auto& c : calls)
    if (c.rfind("picture ", 0) == 0 && c.size() > where.size() &&
        c.compare(c.size() - where.size(), where.size(), where) == 0)
      found = c.substr(8, c.size() - 8 - where.size());
  return found;
}

struct DisplayTest : ::testing::Test {
  DisplayTest() {
    t.app.options.current_background = TILE_MIDORI;
    set_initial_position(t.app.pos.board);
  }
  test::TestApp t;
  const Calls& calls() { return t.canvas.calls; }
};

TEST(PictureNames, IdsFollowCodeAndShadeAndOnlyKnownIdsHavePictures) {
  struct Row {
    int code, shade, id;
    const char* name;
  } rows[] = {
      {B_PAWN, 0, 10, "B_PORN_1"},    {B_PAWN, 1, 11, "B_PORN_2"},  {B_KNIGHT, 0, 20, "B_KNIG_1"},
      {B_BISHOP, 1, 31, "B_BISH_2"},  {B_ROOK, 0, 40, "B_ROOK_1"},  {B_QUEEN, 1, 51, "B_QEEN_2"},
      {B_KING, 1, 61, "B_KING_2"},    {W_PAWN, 0, -10, "W_PORN_1"}, {W_KNIGHT, 1, -21, "W_KNIG_2"},
      {W_BISHOP, 0, -30, "W_BISH_1"}, {W_ROOK, 1, -41, "W_ROOK_2"}, {W_QUEEN, 0, -50, "W_QEEN_1"},
      {W_KING, 1, -61, "W_KING_2"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(picture_id(r.code, r.shade), r.id) << r.name;
    EXPECT_EQ(piece_picture_name(r.id), r.name);
  }
  for (int id : {0, 1, 9, 12, 19, 70, 100, 610, -12, -70, -100}) EXPECT_EQ(piece_picture_name(id), "") << id;
  EXPECT_EQ(tile_picture_name(0), "KARA_MASU1");
  EXPECT_EQ(tile_picture_name(2), "ZARVOCHESS");
  EXPECT_EQ(tile_picture_name(7), "HAIKEI_RENGA");
  EXPECT_EQ(tile_picture_name(-1), "");
  EXPECT_EQ(tile_picture_name(8), "");
}

TEST_F(DisplayTest, InitialBoardShowsTheSpecifiedPicturesAndGreenOutlines) {
  draw_board(t.app);
  EXPECT_EQ(picture_at(calls(), 1, 8), "W_ROOK_1");
  EXPECT_EQ(picture_at(calls(), 8, 8), "W_ROOK_2");
  EXPECT_EQ(picture_at(calls(), 5, 1), "B_KING_2");
  EXPECT_EQ(picture_at(calls(), 1, 1), "B_ROOK_2");
  EXPECT_EQ(picture_at(calls(), 4, 8), "W_QEEN_2");
  EXPECT_EQ(picture_at(calls(), 1, 3), "KARA_MASU2");
  EXPECT_EQ(picture_at(calls(), 2, 3), "KARA_MASU1");
  // The corners of the board in twips, and one outline per square, all green.
  EXPECT_EQ(calls()[0], "picture B_ROOK_2 1660 740");
  EXPECT_EQ(calls()[1], "box 1660 740 2320 1410 2");
  EXPECT_EQ(calls().back(), "box 6280 5430 6940 6100 2");
  EXPECT_EQ(count(calls(), "box "), 64);
  EXPECT_EQ(count(calls(), "picture "), 64);
}

TEST_F(DisplayTest, SwappedColoursPaintEachArmyWithTheOthersPictures) {
  t.app.game.colors_swapped = 1;
  draw_board(t.app);
  EXPECT_EQ(picture_at(calls(), 1, 1), "W_ROOK_2");
  EXPECT_EQ(picture_at(calls(), 1, 8), "B_ROOK_1");
  EXPECT_EQ(picture_at(calls(), 5, 1), "W_KING_2");
  EXPECT_EQ(picture_at(calls(), 3, 4), "KARA_MASU1") << "empty squares are not affected";

  // Any other value of the flag paints no piece, only the outline.
  t.canvas.clear();
  t.app.game.colors_swapped = 2;
  draw_square(t.app, B_QUEEN, 4, 1);
  EXPECT_EQ(calls(), (Calls{"box 3640 740 4300 1410 2"}));
}

TEST_F(DisplayTest, UnknownCodesAndOutOfRangeSquaresPaintNoPicture) {
  draw_square(t.app, 7, 2, 2);
  draw_square(t.app, -9, 2, 2);
  EXPECT_EQ(calls(), (Calls{"box 2320 1410 2980 2080 2", "box 2320 1410 2980 2080 2"}));
  t.canvas.clear();
  draw_square(t.app, B_PAWN, 9, 1);
  draw_square(t.app, B_PAWN, 1, -1);
  EXPECT_TRUE(calls().empty()) << "outside the 9x9 arrays nothing is read or drawn";
  t.canvas.clear();
  draw_tile(t.app, 8, 1, 1);
  draw_tile(t.app, -1, 1, 1);
  draw_piece_picture(t.app, 77, 1, 1);
  EXPECT_TRUE(calls().empty());
}

TEST_F(DisplayTest, BackgroundTilesCoverEveryCellOffTheBoardOnce) {
  tile_background(t.app, TILE_TAKE);
  int cells = 0;
  for (int X = -3; X <= 20; ++X) {
    for (int Y = -2; Y <= 15; ++Y) {
      const std::string pic = picture_at(calls(), X, Y);
      if (on_board(X, Y)) {
        EXPECT_EQ(pic, "") << X << "," << Y;
      } else {
        EXPECT_EQ(pic, "HAIKEI_TAKE") << X << "," << Y;
        ++cells;
      }
    }
  }
  EXPECT_EQ(count(calls(), "picture HAIKEI_TAKE"), cells);
  EXPECT_EQ(static_cast<int>(calls().size()), cells);
}

TEST_F(DisplayTest, FullRedrawPaintsBackgroundLabelsBoardAndLogoInOrder) {
  redraw_all(t.app);
  const Calls& c = calls();
  ASSERT_GT(c.size(), 400u);
  EXPECT_EQ(c[0], "picture HAIKEI_MIDORI -980 -1270");  // grid (-3, -2)
  // The four cells left of rows 2 and 3 are painted again right after the tiling.
  EXPECT_EQ(c[368], "picture HAIKEI_MIDORI 340 1410");
  EXPECT_EQ(c[369], "picture HAIKEI_MIDORI 1000 1410");
  EXPECT_EQ(c[370], "picture HAIKEI_MIDORI 340 2080");
  EXPECT_EQ(c[371], "picture HAIKEI_MIDORI 1000 2080");
  EXPECT_EQ(c.back(), "picture ZARVOCHESS 7666 405");
  EXPECT_EQ(count(c, "print "), 32) << "the labels, without level display outside a computer game";
  EXPECT_EQ(picture_at(c, 4, 8), "W_QEEN_2");

  t.canvas.clear();
  t.app.game.game_kind = KIND_VS_COMPUTER;
  t.app.com.level = 2;
  redraw_all(t.app);
  EXPECT_EQ(count(calls(), "print LEVEL"), 2);
  EXPECT_EQ(count(calls(), "print  2  @1264,472 size 12 colour 0"), 1);
  EXPECT_EQ(count(calls(), "print  2  @1198,405 size 12 colour 15"), 1);
}

TEST_F(DisplayTest, GameScreenBlanksTheRowUnderTheBoardAndMendsItsOutlines) {
  prepare_game_screen(t.app);
  const Calls& c = calls();
  const auto first_tile_row9 = std::find(c.begin(), c.end(), "picture HAIKEI_MIDORI 340 6100");
  ASSERT_NE(first_tile_row9, c.end());
  const Calls tail(first_tile_row9, c.end());
  Calls expected = {"picture HAIKEI_MIDORI 340 6100", "picture HAIKEI_MIDORI 1000 6100"};
  for (int X = 1; X <= 8; ++X) {
    const int left = GRID_LEFT + SQUARE_W * X;
    expected.push_back("picture HAIKEI_MIDORI " + std::to_string(left) + " 6100");
    expected.push_back("box " + std::to_string(left) + " 5430 " + std::to_string(left + SQUARE_W) + " 6100 2");
  }
  EXPECT_EQ(tail, expected);
  EXPECT_EQ(count(c, "print "), 32) << "the labels come first";
}

TEST_F(DisplayTest, FlipTurnsThePositionAndEveryArmyChangesSides) {
  t.app.game.selection_state = 1;
  redraw_all(t.app);
  t.canvas.clear();
  REVERSE_Click(t.app);
  const Board& b = t.app.pos.board;
  EXPECT_EQ(b[4][1], B_KING);
  EXPECT_EQ(b[5][1], B_QUEEN) << "the W queen from (4, 8) becomes a B queen on (5, 1)";
  EXPECT_EQ(b[4][8], W_KING);
  EXPECT_EQ(b[5][8], W_QUEEN);
  EXPECT_EQ(b[1][7], W_PAWN);
  EXPECT_EQ(b[3][4], EMPTY);
  EXPECT_EQ(t.app.game.board_reversed, 1);
  EXPECT_EQ(t.app.game.selection_state, 0);
  EXPECT_EQ(picture_at(calls(), 4, 8), "W_KING_2") << "the whole window was redrawn";
  EXPECT_EQ(count(calls(), "print  0  @"), 2) << "and the move counter printed";
  EXPECT_EQ(t.sound.calls, (Calls{"dsPlay 0"}));

  REVERSE_Click(t.app);
  Board initial{};
  set_initial_position(initial);
  EXPECT_EQ(t.app.pos.board, initial) << "two flips restore the position";
}

TEST_F(DisplayTest, FlipInvertsASetHandicapGradeAndShowsIt) {
  t.app.game.handicap_set = 1;
  t.app.com.handicap_grade = 3;
  REVERSE_Click(t.app);
  EXPECT_EQ(t.app.com.handicap_grade, -3);
  ASSERT_FALSE(t.canvas.texts.empty());
  EXPECT_EQ(t.canvas.texts.back().text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段");

  t.app.game.handicap_set = 0;
  REVERSE_Click(t.app);
  EXPECT_EQ(t.app.com.handicap_grade, -3) << "an unset grade is left alone";
}

TEST_F(DisplayTest, FlipIsRefusedInRecordMode) {
  t.app.sounds.sound_forbidden = 5;
  t.app.game.record_mode = 1;
  const Board before = t.app.pos.board;
  REVERSE_Click(t.app);
  EXPECT_EQ(t.app.pos.board, before);
  EXPECT_EQ(t.app.game.board_reversed, 0);
  EXPECT_EQ(t.sound.calls, (Calls{"dsPlay 5"}));
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "棋譜ﾓｰﾄﾞではできません");
  EXPECT_EQ(t.dialogs.messages[0].title, "反転");
  EXPECT_EQ(t.dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_TRUE(calls().empty());
}

TEST(Names, SquareAndPieceNames) {
  EXPECT_EQ(square_name(5), "ｅ");
  EXPECT_EQ(square_name(1), "ａ");
  EXPECT_EQ(square_name(8), "ｈ");
  EXPECT_EQ(square_name(1003), "３");
  EXPECT_EQ(square_name(1008), "８");
  for (int n : {0, 9, 1000, 1009, -1, 1001 - 2000}) EXPECT_EQ(square_name(n), "") << n;
  EXPECT_EQ(square_name(5) + square_name(1000 + 9 - 6), "ｅ３");
  EXPECT_EQ(piece_name(-5), "クィーン");
  EXPECT_EQ(piece_name(2), "ナイト");
  EXPECT_EQ(piece_name(3), "ビショップ");
  EXPECT_EQ(piece_name(0), "");
  EXPECT_EQ(piece_name(7), "");
  EXPECT_EQ(piece_name(-7), "");
}

TEST_F(DisplayTest, PrintAtModesAndNumbers) {
  print_at(t.app, 1, 1, 8, QB_YELLOW, 2, 16);
  print_at(t.app, 1, 1, 8, QB_YELLOW, 1, 16);
  print_at(t.app, 1, 1, 0, QB_YELLOW, 2, 16);
  print_at(t.app, 1, 1, 9, QB_YELLOW, 1, 16);
  print_at(t.app, 1, 1, 3, QB_YELLOW, 3, 16);
  print_at(t.app, 2, 3, 12, QB_BLACK, 0, 12);
  print_at(t.app, 2, 3, -4, QB_BLACK, 0, 12);
  print_at(t.app, 2, 3, "思考中", QB_BLACK, 0, 12);
  const auto& texts = t.canvas.texts;
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].text, "ｈ");
  EXPECT_EQ(texts[1].text, "八");
  EXPECT_EQ(texts[2].text, " 12 ");
  EXPECT_EQ(texts[3].text, "-4 ");
  EXPECT_EQ(texts[4].text, "思考中");
  EXPECT_EQ(texts[2].left, 2320);
  EXPECT_EQ(texts[2].top, 2080);
  EXPECT_EQ(texts[2].size, 12);
  EXPECT_EQ(texts[0].colour, QB_YELLOW);
}

TEST_F(DisplayTest, CoordinateLabelsAreBoldWithShadowsAroundTheBoard) {
  draw_coordinates(t.app);
  const auto& texts = t.canvas.texts;
  ASSERT_EQ(texts.size(), 32u);
  for (const auto& x : texts) {
    EXPECT_TRUE(x.bold);
    EXPECT_EQ(x.size, 16);
  }
  // Column 1: "ａ" above it, black then yellow 0.1 square up and left.
  EXPECT_EQ(texts[0].text, "ａ");
  EXPECT_EQ(texts[0].colour, QB_BLACK);
  EXPECT_NEAR(texts[0].left, 1000 + 660 * 1.4, 1e-6);
  EXPECT_NEAR(texts[0].top, 70 + 670 * 0.5, 1e-6);
  EXPECT_EQ(texts[1].colour, QB_YELLOW);
  EXPECT_NEAR(texts[1].left, 1000 + 660 * 1.3, 1e-6);
  EXPECT_NEAR(texts[1].top, 70 + 670 * 0.4, 1e-6);
  // Row 1 of the screen is labelled 8, at its right.
  EXPECT_EQ(texts[2].text, " 8 ");
  EXPECT_NEAR(texts[2].left, 1000 + 660 * 9.2, 1e-6);
  EXPECT_NEAR(texts[2].top, 70 + 670 * 1.4, 1e-6);
  EXPECT_EQ(texts[3].colour, QB_YELLOW);
  EXPECT_NEAR(texts[3].left, 1000 + 660 * 9.1, 1e-6);
  // The bottom-right square (8, 8): "ｈ" and "1".
  EXPECT_EQ(texts[28].text, "ｈ");
  EXPECT_EQ(texts[30].text, " 1 ");
  EXPECT_NEAR(texts[30].top, 70 + 670 * 8.4, 1e-6);
  // Each column's top square is repainted and each row's right outline restored.
  EXPECT_EQ(picture_at(calls(), 1, 1), "B_ROOK_2");
  EXPECT_EQ(count(calls(), "box 6280 "), 8 + 1) << "(8, y) outlines, (8, 1) twice";
}

TEST_F(DisplayTest, MoveCounterKeepsItsLastDigitInPlace) {
  struct Row {
    int n;
    double x;
    const char* text;
  } rows[] = {{9, 10.3, " 9 "}, {10, 10.2, " 10 "}, {100, 10.1, " 100 "}};
  for (const Row& r : rows) {
    t.canvas.clear();
    show_move_number(t.app, r.n, QB_BLACK);
    EXPECT_EQ(calls()[0], "picture HAIKEI_MIDORI 7600 2750");
    EXPECT_EQ(calls()[1], "picture HAIKEI_MIDORI 8260 2750");
    EXPECT_EQ(calls()[2], "picture KARA_MASU2 6280 2750") << "the square left of the counter is mended";
    const auto& texts = t.canvas.texts;
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, r.text);
    EXPECT_EQ(texts[0].colour, QB_BLACK);
    EXPECT_EQ(texts[0].size, 12);
    EXPECT_NEAR(texts[0].left, 1000 + 660 * r.x, 1e-6);
    EXPECT_NEAR(texts[0].top, 70 + 670 * 4.4, 1e-6);
    EXPECT_EQ(texts[1].colour, QB_BRIGHT_WHITE);
    EXPECT_NEAR(texts[1].left, 1000 + 660 * (r.x - 0.1), 1e-6);
    EXPECT_NEAR(texts[1].top, 70 + 670 * 4.3, 1e-6);
    // "手目" through the label printer and its own offsets.
    EXPECT_EQ(texts[2].text, "手目");
    EXPECT_EQ(texts[2].size, 10);
    EXPECT_NEAR(texts[2].left, 10.9 * 660 + 1000 + 120, 1e-6);
    EXPECT_NEAR(texts[2].top, 4.2 * 670 + 70 + 160, 1e-6);
    EXPECT_EQ(texts[3].colour, QB_BRIGHT_WHITE);
    EXPECT_NEAR(texts[3].left, 10.8 * 660 + 1000 + 120, 1e-6);
    EXPECT_NEAR(texts[3].top, 4.1 * 670 + 70 + 160, 1e-6);
  }
}

TEST_F(DisplayTest, MarksFrameSquaresAndClearingRestoresGreen) {
  mark_square(t.app, select_colour, 3, 7);
  mark_square(t.app, QB_BRIGHT_WHITE, -1, 9);
  EXPECT_EQ(calls(), (Calls{"box 2980 4760 3640 5430 12", "box 340 6100 1000 6770 15"}));
  t.canvas.clear();
  clear_marks(t.app);
  ASSERT_EQ(calls().size(), 64u);
  EXPECT_EQ(count(calls(), "box "), 64);
  for (const auto& c : calls()) EXPECT_EQ(c.back(), '2') << c;
  EXPECT_EQ(calls()[0], "box 1660 740 2320 1410 2");
  EXPECT_EQ(calls()[1], "box 1660 1410 2320 2080 2") << "columns outside, rows inside";
}

TEST_F(DisplayTest, BlinkingShowsEmptyAndPieceFourTimesAndEndsOnThePiece) {
  blink_square(t.app, W_KNIGHT, 2, 8, 2);
  EXPECT_EQ(t.clock.waits, (std::vector<double>{0.2, 0.2, 0.2, 0.2}));
  EXPECT_NEAR(t.clock.now - 1000.0, 0.8, 0.05);
  const Calls pictures = t.canvas.matching("picture ");
  EXPECT_EQ(pictures, (Calls{"picture KARA_MASU2 2320 5430", "picture W_KNIG_2 2320 5430",
                             "picture KARA_MASU2 2320 5430", "picture W_KNIG_2 2320 5430"}));
  EXPECT_EQ(count(calls(), "refresh"), 4);
  EXPECT_EQ(calls().back(), "refresh");

  t.canvas.clear();
  t.clock.waits.clear();
  blink_square(t.app, W_KNIGHT, 2, 8, 0);
  EXPECT_TRUE(calls().empty());
  EXPECT_TRUE(t.clock.waits.empty());
}

TEST_F(DisplayTest, CaptionForAnUpperQueenIsDrawnAtTheLeftAnchor) {
  show_move_caption(t.app, UPPER_CAPTION_X, UPPER_CAPTION_Y, 4, 5, B_QUEEN, QB_BRIGHT_WHITE);
  const Calls& c = calls();
  ASSERT_GE(c.size(), 4u);
  EXPECT_EQ(Calls(c.begin(), c.begin() + 4),
            (Calls{"picture HAIKEI_MIDORI 340 1410", "picture HAIKEI_MIDORI 1000 1410",
                   "picture HAIKEI_MIDORI 340 2080", "picture HAIKEI_MIDORI 1000 2080"}));
  EXPECT_EQ(picture_at(c, 1, 2), "B_PORN_1") << "the first column's squares are mended";
  EXPECT_EQ(picture_at(c, 1, 3), "KARA_MASU2");

  struct Want {
    const char* text;
    double X, Y, size;
    int colour;
  } want[] = {{"ｄ", -0.4, 2.7, 14, QB_BLACK},       {"ｄ", -0.5, 2.6, 14, QB_BRIGHT_WHITE},
              {"４", -0.1, 2.8, 12, QB_BLACK},       {"４", -0.2, 2.7, 12, QB_BRIGHT_WHITE},
              {"クィーン", -0.6, 3.2, 12, QB_BLACK}, {"クィーン", -0.7, 3.1, 12, QB_BRIGHT_WHITE}};
  const auto& texts = t.canvas.texts;
  ASSERT_EQ(texts.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(texts[i].text, want[i].text);
    EXPECT_NEAR(texts[i].left, 1000 + 660 * want[i].X, 1e-6);
    EXPECT_NEAR(texts[i].top, 70 + 670 * want[i].Y, 1e-6);
    EXPECT_EQ(texts[i].size, want[i].size);
    EXPECT_EQ(texts[i].colour, want[i].colour);
  }
  EXPECT_EQ(c.back(), "refresh");
  EXPECT_EQ(t.clock.waits, (std::vector<double>{0.3}));
}

TEST_F(DisplayTest, CaptionForALowerKnightIsDrawnRightOfTheBoard) {
  show_move_caption(t.app, LOWER_CAPTION_X, LOWER_CAPTION_Y, 3, 6, W_KNIGHT, QB_BRIGHT_WHITE);
  const auto& texts = t.canvas.texts;
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[1].text, "ｃ");
  EXPECT_EQ(texts[3].text, "３");
  EXPECT_EQ(texts[5].text, "ナイト");
  EXPECT_NEAR(texts[1].left, 1000 + 660 * 10.5, 1e-6);
  EXPECT_NEAR(texts[5].top, 70 + 670 * 8.1, 1e-6);
  EXPECT_EQ(t.canvas.matching("picture HAIKEI_MIDORI")[0], "picture HAIKEI_MIDORI 7600 4760");
}

}  // namespace
}  // namespace zarvo
