// Compiling and decompiling: the compiler writes the bytes the game's own
// set file writer makes for the same levels (as the editor makes them),
// writes nothing when the text is bad, and decompiled files compile back to
// the same bytes.
#include "set_compiler.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "puzzles/catalogue.h"
#include "puzzles/puzzle_set_file.h"
#include "puzzles/set_bytes.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "tool_run.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

using test::ScratchFolder;
using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace fs = std::filesystem;

using test::ToolRun;

using test::run;

// A tiny level whose content is shorter than the default room's, so the
// default room's bytes behind it stay in the record, as in the editor.
constexpr const char* kTiny =
    "# # #\n"
    "# @ #\n"
    "# # #\n";

constexpr const char* kLenses =
    "# # # # # #\n"
    "# @ Lr /g Tw #\n"
    "# >b . . Sny #\n"
    "# # # # # #\n";

std::string roomOf(int side) {
  std::string text;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool ring = x == 0 || y == 0 || x == side - 1 || y == side - 1;
      text += std::string(x ? " " : "") + (ring ? "#" : x == 1 && y == 1 ? "@" : "\\w");
    }
    text += "\n";
  }
  return text;
}

// The same levels through the game's writer: a new set, each further level
// appended and written, the description and code as the editor stores them.
std::string editorBytes(const std::vector<std::string>& levels, const std::string& description,
                        const std::string& code) {
  test::writeSetFile("editor.dat", levels);
  PuzzleSetFile set;
  EXPECT_TRUE(set.open("editor.dat"));
  EXPECT_TRUE(set.setCompletionCode(true, code));
  EXPECT_TRUE(set.seekLevel(1));
  LevelGrid grid;
  EXPECT_TRUE(set.readLevel(grid));
  grid.setDescription(true, description);
  EXPECT_TRUE(set.writeLevel(grid));
  set.close();
  return test::readFile("editor.dat");
}

TEST(Compile, WritesTheBytesTheEditorWrites) {
  ScratchFolder folder;
  const std::string big = roomOf(22);
  test::writeFile("set.txt", "set: Same\ncode: Sesame\nlevel:\n" + std::string(kTiny) +
                                 "level:\ndesc: Two lines\ndesc: of text\n" + kLenses + "level:\n" + big);
  const ToolRun result = run({"compile", "set.txt", "out.dat"});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "compiled 3 levels of \"Same\" into out.dat\n");
  const std::string compiled = test::readFile("out.dat");
  EXPECT_EQ(compiled.size(), test::fileBytesFor(3));
  EXPECT_EQ(compiled, editorBytes({kTiny, kLenses, big}, "Two lines\r\nof text", "Sesame"));
  // Behind the tiny level: what is left of the default room, then filler.
  EXPECT_EQ(compiled.substr(test::markerAt(0) + 1 + 14, 40), test::defaultLevelContent().substr(14, 40));
  EXPECT_EQ(compiled[test::markerAt(1) - 1], 'R');
}

TEST(Compile, ASetWithoutCodeHasAPlainHeader) {
  ScratchFolder folder;
  test::writeFile("set.txt", "set: Plain\nlevel:\n" + std::string(kLenses));
  ASSERT_EQ(run({"compile", "set.txt", "out.dat"}).code, 0);
  EXPECT_EQ(test::readFile("out.dat").substr(0, test::kHeaderBytes), test::plainHeader());
}

TEST(Compile, BadTextWritesNothingAndKeepsAnOldFile) {
  ScratchFolder folder;
  test::writeFile("bad.txt", "set: Bad\nlevel:\n# # # #\n# @ ? #\n# # # #\n");
  ToolRun result = run({"compile", "bad.txt", "new.dat"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "trelux-tool: bad.txt:4:5: unknown cell \"?\"\n");
  EXPECT_FALSE(fs::exists("new.dat"));
  test::writeFile("old.dat", "old bytes");
  EXPECT_EQ(run({"compile", "bad.txt", "old.dat"}).code, 1);
  EXPECT_EQ(test::readFile("old.dat"), "old bytes");
  EXPECT_FALSE(fs::exists("old.dat.part"));
}

TEST(Compile, AMissingTextOrAnUnwritableTargetIsBadInput) {
  ScratchFolder folder;
  ToolRun result = run({"compile", "missing.txt", "out.dat"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err, "trelux-tool: cannot read missing.txt\n");
  test::writeFile("set.txt", "set: S\nlevel:\n" + std::string(kTiny));
  result = run({"compile", "set.txt", "no/such/folder/out.dat"});
  EXPECT_EQ(result.code, 1);
  EXPECT_THAT(result.err, HasSubstr("cannot write no/such/folder/out.dat"));
}

TEST(Decompile, GivesTextThatCompilesBackToTheSameBytes) {
  ScratchFolder folder;
  const std::string bytes = editorBytes({kTiny, kLenses}, "Tab\there, \\ and \xE9\nend", "Key");
  ToolRun result = run({"decompile", "editor.dat", "back.txt", "--name", "Back Again"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::string text = test::readFile("back.txt");
  EXPECT_THAT(text, StartsWith("set: Back Again\ncode: Key\n"));
  EXPECT_THAT(text, HasSubstr("desc: Tab\there, \\\\ and \\xE9\\x0Aend\n"));
  result = run({"compile", "back.txt", "again.dat"});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(test::readFile("again.dat"), bytes);
}

TEST(Decompile, SkipsDeletedLevelsAndNamesTheSetAfterItsFile) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kTiny, kLenses, test::kDefaultLevelText});
  {
    PuzzleSetFile set;
    ASSERT_TRUE(set.open("levels.dat"));
    ASSERT_TRUE(set.seekLevel(1));
    ASSERT_TRUE(set.deleteLevel());
  }
  const ToolRun result = run({"decompile", "levels.dat"});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "set: levels\n\nlevel: 1\n" + std::string(kTiny) + "\nlevel: 2\n" +
                            test::kDefaultLevelText);
}

TEST(Decompile, RefusesWhatIsNotALevelFile) {
  ScratchFolder folder;
  test::writeFile("short.dat", "x");
  const ToolRun result = run({"decompile", "short.dat"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.err, "trelux-tool: cannot open short.dat as a level file\n");
}

TEST(Decompile, TakesTheNameFromTheSetsDescriptor) {
  ScratchFolder folder;
  fs::create_directories("levels/abc");
  test::writeSetFile("levels/abc/levels.dat", {kTiny});
  ASSERT_TRUE(writeDescriptor({".\\levels\\abc\\", "My Lab", ".\\levels\\abc.trelux", true}));
  const ToolRun result = run({"decompile", "levels/abc/levels.dat"});
  EXPECT_THAT(result.out, StartsWith("set: My Lab\n"));
}

TEST(AddSet, MakesAnUnlockedSetOnceUnderAFreeName) {
  ScratchFolder folder;
  test::writeFile("set.txt", "set: Made Here\nlevel:\n" + std::string(kTiny));
  fs::create_directories("game");
  ToolRun result = run({"add-set", "set.txt", "game"});
  ASSERT_EQ(result.code, 0) << result.err;
  PuzzleSetEntry entry;
  const std::string base = makeSetBaseName("Made Here");  // free in a scratch folder
  ASSERT_TRUE(readDescriptor("game/levels/" + base + ".trelux", entry));
  EXPECT_TRUE(entry.unlocked);
  result = run({"decompile", "game/levels/" + base + "/levels.dat"});
  EXPECT_EQ(result.out, "set: Made Here\n\nlevel: 1\n" + std::string(kTiny));
  result = run({"add-set", "set.txt", "game"});
  EXPECT_THAT(result.err, HasSubstr("a set named \"Made Here\" is in game already"));
}

TEST(Check, PrintsTheShortestForALevelWithoutOneAndSaysWhatToWriteForAWrongOne) {
  ScratchFolder folder;
  test::writeFile("s.txt", "set: S\nlevel:\n" + std::string(test::kPullToWin) +
                               "level:\nsolution: DD\n" + test::kPullToWin);
  const ToolRun result = run({"check", "s.txt"});
  EXPECT_EQ(result.code, 1);
  EXPECT_THAT(result.out, HasSubstr("S 1: 1 keys, none stored, "));
  EXPECT_THAT(result.out, HasSubstr("  solution: D\n"));
  EXPECT_EQ(result.err, "trelux-tool: s.txt:9:1: the stored solution has 2 keys; the shortest has 1: "
                        "write \"solution: D\"\n");
}

TEST(Descriptor, WritesALockedDescriptorTheCatalogueReads) {
  ScratchFolder folder;
  test::writeFile("set.txt", "set: Shipped Set\nlevel:\n" + std::string(kTiny));
  fs::create_directories("levels");
  ToolRun result = run({"descriptor", "set.txt", "levels/shipped.trelux", ".\\levels\\shipped\\"});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(test::readFile("levels/shipped.trelux"),
            "[trelux]\r\n\r\nlocked = true\r\npath = .\\levels\\shipped\\\r\nname = Shipped Set\r\n\r\n");
  result = run({"descriptor", "set.txt", "levels/x.trelux", ".\\levels\\shipped"});
  EXPECT_EQ(result.code, 1);
  EXPECT_THAT(result.err, HasSubstr("must end in a backslash"));
}

}  // namespace
}  // namespace trelux
