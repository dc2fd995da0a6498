#include <gtest/gtest.h>

#include "shell/text_encoding.h"

namespace zarvo {
namespace {

TEST(TextEncoding, RoundTripsJapaneseThroughShiftJis) {
  const std::string text = "背景画=緑 ﾊﾝﾃﾞｨｷｬｯﾌﾟ ＡＢＣ abc";
  bool ok = false;
  const std::string sjis = utf8_to_cp932(text, &ok);
  EXPECT_TRUE(ok);
  // 背 is 0x94 0x77 in Shift-JIS; half-width katakana are single bytes.
  EXPECT_EQ(static_cast<unsigned char>(sjis[0]), 0x94);
  EXPECT_EQ(static_cast<unsigned char>(sjis[1]), 0x77);
  EXPECT_EQ(cp932_to_utf8(sjis, &ok), text);
  EXPECT_TRUE(ok);
}

TEST(TextEncoding, BadBytesAreReplacedNotFatal) {
  bool ok = true;
  // 0x81 alone at the end, and 0xFF, are not Shift-JIS.
  const std::string s = cp932_to_utf8(std::string("ab\xFF"
                                                  "c\x81",
                                                  5),
                                      &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(s,
            "ab\xEF\xBF\xBD"
            "c\xEF\xBF\xBD");
  ok = true;
  EXPECT_EQ(utf8_to_cp932("a😀b", &ok), "a?b");
  EXPECT_FALSE(ok);
}

}  // namespace
}  // namespace zarvo
