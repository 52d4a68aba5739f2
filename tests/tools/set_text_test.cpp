// The set text: what it reads into level records, and the message, with file,
// line and column, that each kind of bad text gives.
#include "set_text.h"

#include <sstream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {
namespace {

using ::testing::HasSubstr;
using tool::SetSource;

constexpr const char* kRoom =
    "# # # # #\n"
    "# @ Lr . #\n"
    "# # # # #\n";

std::string setWith(const std::string& levelBody) { return "set: Test\nlevel: 1\n" + levelBody; }

// The message for a text that must not parse.
std::string errorOf(const std::string& text) {
  SetSource set;
  std::string error;
  EXPECT_FALSE(tool::parseSetText(text, "t.txt", set, error)) << text;
  EXPECT_TRUE(set.levels.empty());
  return error;
}

void readLevel(const tool::LevelSource& source, LevelGrid& grid) {
  std::istringstream in(source.content);
  ASSERT_TRUE(grid.read(in));
}

// ---- What a good text holds -----------------------------------------------------

TEST(SetText, ReadsNameCodeDescriptionSolutionAndCells) {
  const std::string text =
      "; a comment\n"
      "set:  Shining Path \n"
      "code: Prism7\n"
      "\n"
      "level: first\n"
      "desc: Push the lens.\n"
      "desc:   Then rest.\n"
      "solution: RUL\n" +
      std::string(kRoom) + "level: second\n" + kRoom;
  SetSource set;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(text, "t.txt", set, error)) << error;
  EXPECT_EQ(set.name, "Shining Path");
  EXPECT_EQ(set.code, "Prism7");
  ASSERT_EQ(set.levels.size(), 2u);
  EXPECT_EQ(set.levels[0].line, 5);
  EXPECT_EQ(set.levels[0].solution, "RUL");
  EXPECT_EQ(set.levels[1].solution, "");
  LevelGrid grid;
  readLevel(set.levels[0], grid);
  ASSERT_TRUE(grid.hasDescription());
  // Lines join as the game's edit box joins them; a blank after "desc:" is
  // the separator, further blanks are text.
  EXPECT_EQ(grid.description(), "Push the lens.\r\n  Then rest.");
  EXPECT_EQ(grid.width(), 5);
  EXPECT_EQ(grid.start(), (Position{1, 1}));
  EXPECT_EQ(grid.cell(2, 1).code(), (CellCode{ObjectKind::Lens, 1}));
}

TEST(SetText, ALevelWithoutDescriptionStoresTheNoDescriptionByte) {
  SetSource set;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(setWith(kRoom), "t.txt", set, error)) << error;
  EXPECT_FALSE(set.code.has_value());
  const std::string& content = set.levels[0].content;
  ASSERT_GE(content.size(), 5u);
  EXPECT_EQ(content.substr(0, 5), std::string("\0\5\3\1\1", 5));
  EXPECT_EQ(content.size(), 5u + 15 + 1);  // one lens attribute byte
}

TEST(SetText, EscapesKeepEveryStorableByte) {
  SetSource set;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(setWith("desc: a\\\\b\\x0Ac\\xe9\n" + std::string(kRoom)), "t.txt", set,
                                 error))
      << error;
  LevelGrid grid;
  readLevel(set.levels[0], grid);
  EXPECT_EQ(grid.description(), "a\\b\nc\xE9");
}

TEST(SetText, FormatsBackToTextThatReadsTheSame) {
  const std::string text = "set: Round Trip\ncode: abc\nauthor: Ann Example\nguid: {AB-12}\n" + std::string("level: 1\ndesc: one \\\\ two\ndesc: \\x0D\n") +
                           "solution: UD\n" + kRoom;
  SetSource first;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(text, "a.txt", first, error)) << error;
  const std::string formatted = tool::formatSetText(first);
  SetSource second;
  ASSERT_TRUE(tool::parseSetText(formatted, "b.txt", second, error)) << error << "\n" << formatted;
  EXPECT_EQ(second.name, first.name);
  EXPECT_EQ(second.code, first.code);
  EXPECT_EQ(second.author, "Ann Example");
  EXPECT_EQ(second.guid, "{AB-12}");
  ASSERT_EQ(second.levels.size(), 1u);
  EXPECT_EQ(second.levels[0].content, first.levels[0].content);
  EXPECT_EQ(second.levels[0].solution, "UD");
}

// ---- Bad text: each names file, line and column ----------------------------------

TEST(SetTextErrors, UnknownCellNamesItsColumn) {
  EXPECT_EQ(errorOf(setWith("# # # #\n# @ Xq #\n# # # #\n")), "t.txt:4:5: unknown cell \"Xq\"");
  // A colour letter that is not one, and a sensor without its facing side.
  EXPECT_THAT(errorOf(setWith("# # # #\n# @ Lz #\n# # # #\n")), HasSubstr("t.txt:4:5: unknown cell"));
  EXPECT_THAT(errorOf(setWith("# # # #\n# @ Sr #\n# # # #\n")), HasSubstr("t.txt:4:5: unknown cell"));
}

TEST(SetTextErrors, RaggedRowsPointAtTheFirstCellTooManyOrTheEndOfAShortRow) {
  EXPECT_EQ(errorOf(setWith("# # # #\n# @ . . #\n# # # #\n")),
            "t.txt:4:9: ragged rows: this row has 5 cells where the first has 4");
  EXPECT_EQ(errorOf(setWith("# # # #\n# @ #\n# # # #\n")),
            "t.txt:4:6: ragged rows: this row has 3 cells where the first has 4");
}

// Said where the fault is, with what to write instead.
TEST(SetTextErrors, AGluedCellOrAMisspeltFieldSaysWhatToWrite) {
  EXPECT_EQ(errorOf(setWith("# # # #\n#Sey @ #\n# # # #\n")),
            "t.txt:4:1: unknown cell \"#Sey\"; cells are separated by blanks: write \"# Sey\"");
  EXPECT_EQ(errorOf("set: T\nautor: me\n"), "t.txt:2:1: unknown field \"autor:\"; write \"author:\"");
}

TEST(SetText, GridColumnsAreAlignedToTheirWidestCell) {
  SetSource set;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(setWith("# # # # #\n# @ Swr . #\n# >r . Lg #\n# # # # #\n"), "t.txt",
                                 set, error))
      << error;
  EXPECT_THAT(tool::formatSetText(set), HasSubstr("# #  #   #  #\n# @  Swr .  #\n# >r .   Lg #\n"));
}

TEST(SetTextErrors, EveryRingCellMustBeAWall) {
  const std::string message = ": missing wall ring: the outer cells must all be walls (#)";
  EXPECT_EQ(errorOf(setWith("# # # #\n. @ . #\n# # # #\n")), "t.txt:4:1" + message);
  EXPECT_EQ(errorOf(setWith("# # # #\n# @ . #\n# # # >r\n")), "t.txt:5:7" + message);
  EXPECT_EQ(errorOf(setWith("# # Snr #\n# @ . #\n# # # #\n")), "t.txt:3:5" + message);
}

std::string roomOf(int width, int height) {
  std::string text;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool ring = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      text += x ? " " : "";
      text += ring ? "#" : (x == 1 && y == 1 ? "@" : ".");
    }
    text += "\n";
  }
  return text;
}

TEST(SetTextErrors, GridsOver22By22AreRefusedWhereTheyOutgrowIt) {
  SetSource set;
  std::string error;
  EXPECT_TRUE(tool::parseSetText(setWith(roomOf(22, 22)), "t.txt", set, error)) << error;
  EXPECT_EQ(errorOf(setWith(roomOf(23, 5))), "t.txt:3:45: the grid is wider than 22 cells");
  EXPECT_EQ(errorOf(setWith(roomOf(5, 23))), "t.txt:25:1: the grid is taller than 22 rows");
}

TEST(SetTextErrors, GridsSmallerThan3By3AreRefused) {
  EXPECT_THAT(errorOf(setWith("# #\n# #\n# #\n")), HasSubstr("t.txt:3:1: the grid needs at least 3 columns"));
  EXPECT_THAT(errorOf(setWith("# # #\n# # #\n")), HasSubstr("t.txt:2:1: the level needs a grid of at least 3 rows"));
}

TEST(SetTextErrors, DescriptionsLongerThan2047BytesAreRefusedAtTheLineThatOverflows) {
  const std::string line1(2000, 'a');
  SetSource set;
  std::string error;
  // 2000 + CR LF + 45 = 2047 bytes: the longest the editor keeps.
  EXPECT_TRUE(tool::parseSetText(setWith("desc: " + line1 + "\ndesc: " + std::string(45, 'b') + "\n" + kRoom),
                                 "t.txt", set, error))
      << error;
  EXPECT_EQ(errorOf(setWith("desc: " + line1 + "\ndesc: " + std::string(46, 'b') + "\n" + kRoom)),
            "t.txt:4:7: the description is longer than 2047 bytes");
}

TEST(SetTextErrors, DescriptionsCannotHoldMarkBytes) {
  EXPECT_THAT(errorOf(setWith("desc: ab\\xF0\n" + std::string(kRoom))), HasSubstr("t.txt:3:9: "));
  EXPECT_THAT(errorOf(setWith("desc: \\x00\n" + std::string(kRoom))), HasSubstr("t.txt:3:7: "));
  EXPECT_THAT(errorOf(setWith("desc: a\\q\n" + std::string(kRoom))), HasSubstr("t.txt:3:8: a backslash"));
  EXPECT_THAT(errorOf(setWith("desc: \xFF\n" + std::string(kRoom))), HasSubstr("t.txt:3:7: "));
}

TEST(SetTextErrors, TheRobotStartsExactlyOnce) {
  EXPECT_EQ(errorOf("set: T\n\nlevel: 1\n# # #\n# . #\n# # #\n"), "t.txt:3:1: the level has no robot start (@)");
  EXPECT_EQ(errorOf(setWith("# # # #\n# @ @ #\n# # # #\n")), "t.txt:4:5: a second robot start (@)");
}

TEST(SetTextErrors, FieldsInTheWrongPlaceOrWithBadValues) {
  EXPECT_EQ(errorOf(std::string("level: 1\n") + kRoom), "t.txt:1:1: the file names no set: add a line \"set: NAME\"");
  EXPECT_EQ(errorOf("set: T\n"), "t.txt:1:1: the set has no level");
  EXPECT_EQ(errorOf("set: T\n# # #\n"), "t.txt:2:1: cells before the first \"level:\" line");
  EXPECT_EQ(errorOf("set: T\ndesc: hi\n"), "t.txt:2:1: \"desc:\" before the first \"level:\" line");
  EXPECT_EQ(errorOf(setWith(std::string(kRoom) + "code: x\n")), "t.txt:6:1: \"code:\" belongs before the first level");
  EXPECT_EQ(errorOf(setWith("hint: x\n")),
            "t.txt:3:1: unknown field \"hint:\"; fields are set:, code:, author:, guid:, level:, desc: and solution:");
  EXPECT_EQ(errorOf(setWith(std::string(kRoom) + "desc: late\n")),
            "t.txt:6:1: a level's description comes before its grid");
  EXPECT_EQ(errorOf(setWith("solution: UUX\n")), "t.txt:3:13: solution keys are U, D, L, R and S");
}

TEST(SetTextErrors, GuidsAndAuthorsFitTheManifest) {
  EXPECT_EQ(errorOf("set: T\nguid: a=b\nlevel:\n" + std::string(kRoom)),
            "t.txt:2:8: a guid is made of letters, digits, '-', '{' and '}'");
  EXPECT_EQ(errorOf("set: T\nguid: " + std::string(65, 'a') + "\nlevel:\n" + kRoom),
            "t.txt:2:7: a guid has 1 to 64 characters");
  // The game records no such guid, so it would never ask before a second download.
  for (const char* guid : {"---", "{}"}) {
    EXPECT_EQ(errorOf("set: T\nguid: " + std::string(guid) + "\nlevel:\n" + kRoom),
              "t.txt:2:7: a guid holds at least one letter or digit");
  }
  EXPECT_EQ(errorOf("set: T\nauthor: A\x01\nlevel:\n" + std::string(kRoom)),
            "t.txt:2:10: the author holds a control character");
  EXPECT_EQ(errorOf(setWith(std::string(kRoom) + "guid: x\n")), "t.txt:6:1: \"guid:\" belongs before the first level");
}

TEST(SetTextErrors, SetNamesHoldNoControlCharacters) {
  EXPECT_EQ(errorOf("set: Seeds\r\r\nlevel:\n" + std::string(kRoom)),
            "t.txt:1:11: the set's name holds a control character");
  EXPECT_EQ(errorOf("set: \ta\x7F b\nlevel:\n" + std::string(kRoom)),
            "t.txt:1:8: the set's name holds a control character");
}

TEST(SetTextErrors, CompletionCodesAreOneTo19PrintableCharacters) {
  SetSource set;
  std::string error;
  EXPECT_TRUE(tool::parseSetText("set: T\ncode: " + std::string(19, 'c') + "\nlevel:\n" + kRoom, "t.txt", set, error));
  EXPECT_EQ(errorOf("set: T\ncode: " + std::string(20, 'c') + "\nlevel:\n" + kRoom),
            "t.txt:2:26: the completion code is longer than 19 characters");
  EXPECT_EQ(errorOf("set: T\ncode:\nlevel:\n" + std::string(kRoom)), "t.txt:2:6: the completion code is empty");
  EXPECT_EQ(errorOf("set: T\ncode: a\xE9\nlevel:\n" + std::string(kRoom)),
            "t.txt:2:8: a completion code is printable ASCII");
}

}  // namespace
}  // namespace trelux
