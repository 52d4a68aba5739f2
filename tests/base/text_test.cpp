#include "base/text.h"

#include <climits>

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(Text, LowerCasingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(toLowerAscii("Settings [A-Z] 09"), "settings [a-z] 09");
  EXPECT_EQ(toLowerAscii("\xC4\xD6"), "\xC4\xD6");  // Windows-1252 capitals stay
  EXPECT_TRUE(equalsIgnoreAsciiCase(".\\Levels\\A.dat", ".\\levels\\a.DAT"));
  EXPECT_FALSE(equalsIgnoreAsciiCase("abc", "abcd"));
}

TEST(Text, TrimmingRemovesTheSixAsciiBlanksOnly) {
  EXPECT_EQ(trimBlanks(" \t\n\v\f\rsound = 1\r\n"), "sound = 1");
  EXPECT_EQ(trimBlanks("  inner  blanks  "), "inner  blanks");
  EXPECT_EQ(trimBlanks(" \t "), "");
  EXPECT_EQ(trimBlanks("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is no blank
}

TEST(Text, LeadingIntegerReadsLikeAtoi) {
  EXPECT_EQ(parseLeadingInt("42"), 42);
  EXPECT_EQ(parseLeadingInt("  -17abc"), -17);
  EXPECT_EQ(parseLeadingInt("+8"), 8);
  EXPECT_EQ(parseLeadingInt("on"), 0);
  EXPECT_EQ(parseLeadingInt(""), 0);
  EXPECT_EQ(parseLeadingInt("- 5"), 0);
  EXPECT_EQ(parseLeadingInt("101"), 101);
}

TEST(Text, LeadingIntegerSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(parseLeadingInt("99999999999999999999"), INT_MAX);
  EXPECT_EQ(parseLeadingInt("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(parseLeadingInt("-2147483648"), INT_MIN);
}

}  // namespace
}  // namespace trelux
