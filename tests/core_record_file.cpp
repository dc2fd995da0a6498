#include <gtest/gtest.h>

#include <random>
#include <string>

#include "records/record_file.h"
#include "shell/text_encoding.h"
#include "tests/support/fakes.h"

namespace zarvo {
namespace {

RecordEntry standard_entry() {
  RecordEntry e;
  set_initial_position(e.board);
  return e;
}

std::string standard_line() {
  std::string line = " 4 2 3 5 6 3 2 4";
  for (int i = 0; i < 8; ++i) line += " 1";
  for (int i = 0; i < 32; ++i) line += " 0";
  for (int i = 0; i < 8; ++i) line += "-1";
  return line + "-4-2-3-5-6-3-2-4" + "00000";
}

// A short game: e4 by the lower army, then ...d5 by the upper army.
RecordFile two_move_file() {
  RecordFile f;
  f.title = "練習対局 第１局";
  f.upper_name = "ｺﾝﾋﾟｭｰﾀ";
  f.lower_name = "山田 太郎";
  RecordEntry e = standard_entry();
  f.entries.push_back(e);
  e.board[5][7] = EMPTY;
  e.board[5][5] = W_PAWN;
  e.from_x = 5, e.from_y = 7, e.to_x = 5, e.to_y = 5, e.piece = W_PAWN;
  f.entries.push_back(e);
  e.board[4][2] = EMPTY;
  e.board[4][4] = B_PAWN;
  e.from_x = 4, e.from_y = 2, e.to_x = 4, e.to_y = 4, e.piece = B_PAWN;
  f.entries.push_back(e);
  return f;
}

void expect_same_entries(const std::vector<RecordEntry>& a, const std::vector<RecordEntry>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t n = 0; n < a.size(); ++n) {
    EXPECT_EQ(a[n].board, b[n].board) << "entry " << n;
    EXPECT_EQ(a[n].from_x, b[n].from_x) << "entry " << n;
    EXPECT_EQ(a[n].from_y, b[n].from_y) << "entry " << n;
    EXPECT_EQ(a[n].to_x, b[n].to_x) << "entry " << n;
    EXPECT_EQ(a[n].to_y, b[n].to_y) << "entry " << n;
    EXPECT_EQ(a[n].piece, b[n].piece) << "entry " << n;
  }
}

std::optional<RecordFile> parse(std::string_view bytes, std::string* message = nullptr) {
  std::string m;
  auto r = parse_record_file(bytes, m);
  if (message) *message = m;
  return r;
}

const std::string HEADER = "t\r\nu\r\nl\r\n";

std::vector<std::string> read_lines(std::string_view bytes) {
  RecordSource source{bytes};
  std::vector<std::string> lines;
  std::string line = "unchanged";
  while (read_record_line(source, line) == 1) lines.push_back(line);
  EXPECT_EQ(line, lines.empty() ? "unchanged" : lines.back());  // the failed read left it alone
  return lines;
}

TEST(RecordFileWriting, StandardEntryZeroIsByteExact) {
  EXPECT_EQ(encode_record_entry(standard_entry()), standard_line());
  EXPECT_EQ(standard_line().size(), 133u);
}

TEST(RecordFileWriting, PlacesEachCodeInItsColumns) {
  RecordEntry e;
  e.board[4][8] = W_QUEEN;
  e.board[1][2] = B_PAWN;
  e.from_x = 3, e.from_y = 7, e.to_x = 4, e.to_y = 8, e.piece = W_QUEEN;
  const std::string line = encode_record_entry(e);
  ASSERT_EQ(line.size(), 134u);
  // Columns are counted from 1: 119..120 and 17..18.
  EXPECT_EQ(line.substr(118, 2), "-5");
  EXPECT_EQ(line.substr(16, 2), " 1");
  EXPECT_EQ(line.substr(128), "3748-5");
  e.piece = B_QUEEN;
  EXPECT_EQ(encode_record_entry(e).substr(128), "37485");
}

TEST(RecordFileWriting, WholeFileHasShiftJisHeadersAndCrlfLines) {
  const RecordFile f = two_move_file();
  const std::string image = write_record_file(f);
  const std::string expected_head = utf8_to_cp932(f.title) + "\r\n" + utf8_to_cp932(f.upper_name) + "\r\n" +
                                    utf8_to_cp932(f.lower_name) + "\r\n" + standard_line() + "\r\n";
  ASSERT_GE(image.size(), expected_head.size());
  EXPECT_EQ(image.substr(0, expected_head.size()), expected_head);
  // 練 is 0x97 0xFB in Shift-JIS; half-width ｺ is the single byte 0xBA.
  EXPECT_EQ(static_cast<unsigned char>(image[0]), 0x97);
  EXPECT_EQ(static_cast<unsigned char>(image[1]), 0xFB);
  EXPECT_EQ(static_cast<unsigned char>(image[utf8_to_cp932(f.title).size() + 2]), 0xBA);
  EXPECT_EQ(read_lines(image).size(), 6u);
  EXPECT_EQ(image.substr(image.size() - 2), "\r\n");
  size_t lf = 0, crlf = 0;
  for (size_t i = 0; i < image.size(); ++i) {
    if (image[i] == '\n') ++lf;
    if (image[i] == '\r' && i + 1 < image.size() && image[i + 1] == '\n') ++crlf;
  }
  EXPECT_EQ(lf, 6u);
  EXPECT_EQ(crlf, 6u);
}

TEST(RecordFileWriting, TypedTextCannotBreakTheLines) {
  RecordFile f;
  f.title = "一行目\r\n二行目";
  f.upper_name = "a\tb";
  f.lower_name = "😀";
  f.entries.push_back(standard_entry());
  const std::string image = write_record_file(f);
  const auto back = parse(image);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->title, "一行目  二行目");
  EXPECT_EQ(back->upper_name, "a b");
  EXPECT_EQ(back->lower_name, "?");
  EXPECT_EQ(back->entries.size(), 1u);
}

TEST(RecordFileRoundTrip, EveryWrittenFileReadsBackAndWritesAgainIdentically) {
  std::mt19937 rng(7);
  std::vector<RecordFile> files = {two_move_file(), RecordFile{}};
  files[1].entries.push_back(standard_entry());  // empty header texts
  RecordFile full;
  full.title = std::string(40000, 'x') + "長い";  // longer than a header may be: cut, still readable
  for (int n = 0; n < RECORD_FILE_MAX_ENTRIES; ++n) {
    RecordEntry e;
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) e.board[x][y] = static_cast<int>(rng() % 13) - 6;
    e.from_x = rng() % 9, e.from_y = rng() % 9, e.to_x = rng() % 9, e.to_y = rng() % 9;
    e.piece = static_cast<int>(rng() % 13) - 6;
    full.entries.push_back(e);
  }
  files.push_back(full);
  for (const RecordFile& f : files) {
    const std::string image = write_record_file(f);
    std::string message;
    const auto back = parse_record_file(image, message);
    ASSERT_TRUE(back.has_value()) << message;
    if (f.title.size() < 1000) {
      EXPECT_EQ(back->title, f.title);
    } else {
      EXPECT_EQ(back->title, std::string(32767, 'x'));
    }
    EXPECT_EQ(back->upper_name, f.upper_name);
    EXPECT_EQ(back->lower_name, f.lower_name);
    expect_same_entries(back->entries, f.entries);
    EXPECT_EQ(write_record_file(*back), image);
  }
}

TEST(RecordFileReading, LinesEndAtCrLfLoneCrOrLoneLf) {
  const auto lines = read_lines("a\r\nb\rc\nd\r\n\r\ne");
  const std::vector<std::string> expected = {"a", "b", "c", "d", "", "e"};  // a last line without a line end counts
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(read_lines("a\r\n").size(), 1u);
  EXPECT_EQ(read_lines("").size(), 0u);
  EXPECT_EQ(read_lines("\n\n").size(), 2u);
  EXPECT_EQ(read_lines("\r\r\n").size(), 2u);
}

TEST(RecordFileReading, NumericFields) {
  struct Row {
    const char* field;
    int value;
  };
  const Row rows[] = {{" 5", 5},
                      {"-5", -5},
                      {"5", 5},
                      {"0", 0},
                      {"  ", 0},
                      {"", 0},
                      {"-", 0},
                      {"- 5", 0},
                      {"+5", 0},
                      {"x5", 0},
                      {" -3", -3},
                      {"12", 12},
                      // The digits are read up to the first other character.
                      {"5x", 5},
                      {"5 ", 5},
                      {"-2x", -2},
                      {"3-", 3}};
  for (const Row& r : rows) EXPECT_EQ(read_record_number(r.field), r.value) << '"' << r.field << '"';
}

TEST(RecordFileReading, ShortLinesGiveZerosForMissingFields) {
  RecordEntry e = decode_record_entry("  5");
  EXPECT_EQ(e.board[1][1], 0);
  EXPECT_EQ(e.board[2][1], 5);
  e = decode_record_entry(" 1 2 3 4 5");  // 10 characters
  for (int k = 0; k < 5; ++k) EXPECT_EQ(e.board[k + 1][1], k + 1);
  for (int k = 5; k < 64; ++k) EXPECT_EQ(e.board[k % 8 + 1][k / 8 + 1], 0) << k;
  EXPECT_EQ(e.from_x + e.from_y + e.to_x + e.to_y + e.piece, 0);
  // Characters beyond column 134 are ignored.
  e = decode_record_entry(standard_line() + "-6999");
  EXPECT_EQ(e.piece, 0);
  e = decode_record_entry(standard_line().substr(0, 132) + "-2junk");
  EXPECT_EQ(e.piece, -2);
  // A one-digit piece followed by a blank (a line padded by hand) keeps its piece.
  e = decode_record_entry(standard_line().substr(0, 132) + "5 ");
  EXPECT_EQ(e.piece, 5);

  // A whole file holds only lines the writer could have made.
  std::string message;
  EXPECT_FALSE(parse(HEADER + standard_line() + "\r\n" + " 1 2 3 4 5", &message).has_value());
  EXPECT_EQ(message, "棋譜ﾌｧｲﾙの 5 行目の長さが正しくありません");
}

TEST(RecordFileReading, WrittenFilesLoadWithAnyLineEndsAndBlankPaddedNumbers) {
  const std::string image = write_record_file(two_move_file());
  std::string lf, cr;
  for (size_t i = 0; i < image.size(); ++i) {
    if (image[i] == '\r') continue;
    lf += image[i];
    cr += image[i] == '\n' ? '\r' : image[i];
  }
  // Hand edits: a two-column piece field with a blank on either side, a code with a leading zero.
  const std::string e2 = encode_record_entry(two_move_file().entries[2]);
  const std::string padded = HEADER + standard_line() + "\r\n" + e2 + " \r\n" + e2.substr(0, 128) + "4244 1\r\n" +
                             "05" + e2.substr(2) + "\r\n";
  for (const std::string& bytes : {image, lf, cr, image.substr(0, image.size() - 2), padded}) {
    std::string message;
    const auto f = parse(bytes, &message);
    ASSERT_TRUE(f.has_value()) << message;
    ASSERT_GE(f->entries.size(), 3u);
    EXPECT_EQ(f->entries[2].piece, B_PAWN);
    EXPECT_EQ(f->entries[2].board[4][4], B_PAWN);
  }
  const auto f = parse(padded);
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->entries[3].board[1][1], B_QUEEN);
}

TEST(RecordFileReading, HeaderOnlyAndShorterFilesHaveNoEntries) {
  for (const std::string& bytes : {std::string(), std::string("題\r\n"), std::string("t\r\nu\r\nl\r\n")}) {
    const auto f = parse(bytes);
    ASSERT_TRUE(f.has_value());
    EXPECT_TRUE(f->entries.empty());
  }
  const auto f = parse("only a title");
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->title, "only a title");
  EXPECT_EQ(f->upper_name, "");
}

TEST(RecordFileReading, UndecodableHeaderBytesAreShownAsReplacements) {
  const auto f = parse(std::string("ab\xFF"
                                   "c\x81\r\n\x82\xA0\r\n\x81") +
                       "\r\n" + standard_line());
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->title,
            "ab\xEF\xBF\xBD"
            "c\xEF\xBF\xBD");
  EXPECT_EQ(f->upper_name, "あ");
  EXPECT_EQ(f->lower_name, "\xEF\xBF\xBD");
  EXPECT_EQ(f->entries.size(), 1u);
}

TEST(RecordFileReading, RefusesWhatIsNotARecord) {
  struct Row {
    const char* why;
    std::string bytes;
    std::string message;
  };
  std::string eleven_thousand_lines;
  for (int i = 0; i < 10000; ++i) eleven_thousand_lines += standard_line() + "\r\n";
  std::string max_plus_one = HEADER;
  for (int i = 0; i < RECORD_FILE_MAX_ENTRIES + 1; ++i) max_plus_one += standard_line() + "\r\n";
  const std::string line = standard_line();
  const auto with = [&](size_t column, std::string_view text) {
    std::string changed = line;
    changed.replace(column, text.size(), text);
    return HEADER + line + "\r\n" + changed;
  };
  std::string too_many_blank_lines = HEADER;
  for (int i = 0; i < 100; ++i) too_many_blank_lines += "\r\n";
  const Row rows[] = {
      {"NUL bytes in a header", std::string("ti\0tle\r\n", 8) + "u\r\nl\r\n" + line, "棋譜ﾌｧｲﾙではありません"},
      {"NUL byte in an entry", with(40, std::string(1, '\0')), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"Japanese text as an entry", HEADER + "これは棋譜ではない", "棋譜ﾌｧｲﾙの 4 行目の長さが正しくありません"},
      {"Shift-JIS in an entry", with(2, "\x82\xA0"), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"a huge line", HEADER + std::string(1 << 20, '0'), "棋譜ﾌｧｲﾙの 4 行目の長さが正しくありません"},
      {"a huge header", std::string(1 << 20, 'a'), "棋譜ﾌｧｲﾙではありません"},
      {"bigger than any record", std::string(RECORD_FILE_MAX_BYTES + 1, '\n'), "棋譜ﾌｧｲﾙではありません"},
      {"10,000 lines", HEADER + eleven_thousand_lines, "手数が多すぎるため読み込めません（最大500手）"},
      {"502 entries", max_plus_one, "手数が多すぎるため読み込めません（最大500手）"},
      {"cut in the middle of a line", HEADER + line + "\r\n" + line.substr(0, 70),
       "棋譜ﾌｧｲﾙの 5 行目の長さが正しくありません"},
      {"one column too many", HEADER + line + "00\r\n" + line, "棋譜ﾌｧｲﾙの 4 行目の長さが正しくありません"},
      {"a blank line between entries", HEADER + line + "\r\n\r\n" + line, "棋譜ﾌｧｲﾙの 5 行目が空行です"},
      {"a blank line at the end", HEADER + line + "\r\n\r\n", "棋譜ﾌｧｲﾙの 5 行目が空行です"},
      {"100 blank lines", too_many_blank_lines, "棋譜ﾌｧｲﾙの 4 行目が空行です"},
      {"xx in a square", with(10, "xx"), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"two blanks in a square", with(10, "  "), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"minus and blank in a square", with(10, "- "), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"square code 7", with(0, " 7"), "棋譜ﾌｧｲﾙの 5 行目の駒ｺｰﾄﾞが正しくありません"},
      {"piece code -7", HEADER + line.substr(0, 132) + "-7", "棋譜ﾌｧｲﾙの 4 行目の駒ｺｰﾄﾞが正しくありません"},
      {"piece field x", HEADER + line.substr(0, 132) + "x", "棋譜ﾌｧｲﾙの 4 行目の駒ｺｰﾄﾞが正しくありません"},
      {"coordinate 9", with(128, "9"), "棋譜ﾌｧｲﾙの 5 行目の座標が正しくありません"},
      {"coordinate -1", HEADER + line.substr(0, 128) + "-10000", "棋譜ﾌｧｲﾙの 4 行目の座標が正しくありません"},
      {"blank coordinate", with(131, " "), "棋譜ﾌｧｲﾙの 5 行目の座標が正しくありません"},
  };
  for (const Row& r : rows) {
    std::string message;
    EXPECT_FALSE(parse(r.bytes, &message).has_value()) << r.why;
    EXPECT_EQ(message, r.message) << r.why;
  }
  // Exactly 501 entries still fit.
  std::string max = HEADER;
  for (int i = 0; i < RECORD_FILE_MAX_ENTRIES; ++i) max += standard_line() + "\r\n";
  const auto f = parse(max);
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->entries.size(), 501u);
}

TEST(RecordFileReading, RandomBytesNeverCrashAndFailuresAlwaysExplain) {
  std::mt19937 rng(12345);
  int refused = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(rng() % 600, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() % 256);
    std::string message;
    const auto f = parse_record_file(bytes, message);
    if (!f) {
      ++refused;
      EXPECT_FALSE(message.empty());
      continue;
    }
    EXPECT_LE(f->entries.size(), 501u);
    for (const RecordEntry& e : f->entries)
      for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) EXPECT_TRUE(e.board[x][y] >= -6 && e.board[x][y] <= 6);
  }
  // Random bytes are essentially never a record; only the empty file is.
  EXPECT_GT(refused, 1900);
}

}  // namespace
}  // namespace zarvo
