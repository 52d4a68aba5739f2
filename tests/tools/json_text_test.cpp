// The tool's JSON strings: the game's ANSI bytes, each kept as the character
// of the same number.
#include "json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace trelux::tool {
namespace {

// The characters of UTF-8 text that holds none from U+0800 up.
std::u32string charactersOf(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80 || i + 1 == utf8.size()) {
      out += static_cast<char32_t>(b);
    } else {
      out += static_cast<char32_t>(((b & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    }
  }
  return out;
}

TEST(JsonText, EveryByteIsWrittenInAsciiAndReadsBackAsItsOwnCharacter) {
  std::string all;
  std::u32string expected;
  for (int c = 0; c < 256; ++c) {
    all += static_cast<char>(c);
    expected += static_cast<char32_t>(c);
  }
  const std::string quoted = jsonQuote(all);
  for (const char c : quoted) EXPECT_TRUE(c >= ' ' && c <= '~') << static_cast<int>(c);
  EXPECT_EQ(charactersOf(Json::parse(quoted).get<std::string>()), expected);
}

TEST(JsonText, HighBytesDeleteAndControlsAreWrittenAsTheirNumbers) {
  EXPECT_EQ(jsonQuote("Caf\xE9 \x7F\xFF \"\\\r\n\t\x01"),
            "\"Caf\\u00e9 \\u007f\\u00ff \\\"\\\\\\r\\n\\t\\u0001\"");
}

}  // namespace
}  // namespace trelux::tool
