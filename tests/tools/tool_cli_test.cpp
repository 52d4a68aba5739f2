// The tool's command line: "info" on whole level files, and what both
// commands do with bad input and wrong usage.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "puzzles/puzzle_set_file.h"
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

// Two lasers and two sensors.
constexpr const char* kLasers = R"(
#  #  #  #   #  #
#  @  >r .   Swr #
#  .  ^b Snb .  #
#  #  #  #   #  #
)";

constexpr const char* kCorridor = R"(
#  #  #  #  #
#  .  .  @  #
#  #  #  #  #
)";

constexpr const char* kColumn = R"(
#  #   #  #
#  vg  .  #
#  Ssg @  #
#  .   .  #
#  #   #  #
)";

void describeLevel(const std::string& path, int32_t level, const std::string& text) {
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(path));
  ASSERT_TRUE(set.seekLevel(level));
  LevelGrid grid;
  ASSERT_TRUE(set.readLevel(grid));
  grid.setDescription(true, text);
  ASSERT_TRUE(set.writeLevel(grid));
  set.close();
}

// Offset of the live marker of a level; its record content follows: the
// description byte (0 here), width, height, robot column and row, the cells.
size_t markerOffset(const std::string& bytes, int level) {
  size_t pos = kHeaderSize - 1;
  for (int i = 0; i <= level; ++i) pos = bytes.find('\xFF', pos + 1);
  return pos;
}

void patchByte(const std::string& path, size_t offset, char value) {
  std::string bytes = test::readFile(path);
  ASSERT_LT(offset, bytes.size());
  bytes[offset] = value;
  test::writeFile(path, bytes);
}

void expectBadInput(const ToolRun& result, const std::string& mention) {
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, StartsWith("trelux-tool: "));
  EXPECT_THAT(result.err, HasSubstr(mention));
}

// ---- info ----------------------------------------------------------------------

TEST(ToolInfo, ListsHeaderAndEveryLevel) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kLasers, kCorridor, kColumn});
  describeLevel("levels.dat", 0, "Two lasers, \"two\" sensors\nGood luck");
  {
    PuzzleSetFile set;
    ASSERT_TRUE(set.open("levels.dat"));
    ASSERT_TRUE(set.setCompletionCode(true, "Gold7"));
    ASSERT_TRUE(set.setProgress(2));
  }
  const ToolRun result = run({"info", "levels.dat"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "progress 2\n"
            "code yes \"Gold7\"\n"
            "levels 3\n"
            "level 0 size 6 4 robot 1 1 sensors 2 lasers 2 description "
            "\"Two lasers, \\\"two\\\" sensors\\nGood luck\"\n"
            "level 1 size 5 3 robot 3 1 sensors 0 lasers 0\n"
            "level 2 size 4 5 robot 2 2 sensors 1 lasers 1\n");
}

TEST(ToolInfo, ANewSetFileHoldsTheDefaultRoom) {
  ScratchFolder folder;
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile("levels.dat"));
  set.close();
  const ToolRun result = run({"info", "levels.dat"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "progress 0\n"
            "code no\n"
            "levels 1\n"
            "level 0 size 7 7 robot 1 1 sensors 0 lasers 0\n");
}

// A file written by hand, byte by byte: a code "Go", records without filler,
// one of them deleted, a description, and a first content byte that is
// neither a description mark nor zero.
TEST(ToolInfo, AndReplayReadHandMadeFiles) {
  using namespace std::string_literals;
  ScratchFolder folder;
  std::string file = "\x05\xFD"s + static_cast<char>('G' ^ 0xFF) +
                     static_cast<char>('o' ^ 0xFF) + std::string(19, '\0');
  const std::string room = "\x03\x03\x01\x01" "\x01\x01\x01\x01\x00\x01\x01\x01\x01"s;
  file += "\xFE\x00"s + room;            // deleted
  file += "\xFF\xF0Hi\x00"s + room;      // level 0, described
  file += "\xFF\x07"s + room + "QQQ";    // level 1, odd first byte
  test::writeFile("hand.dat", file);

  const ToolRun info = run({"info", "hand.dat"});
  EXPECT_EQ(info.code, 0);
  EXPECT_EQ(info.out,
            "progress 5\n"
            "code yes \"Go\"\n"
            "levels 2\n"
            "level 0 size 3 3 robot 1 1 sensors 0 lasers 0 description \"Hi\"\n"
            "level 1 size 3 3 robot 1 1 sensors 0 lasers 0\n");

  // Walled in: up and down do nothing, left then right face north again.
  const ToolRun replay = run({"replay", "hand.dat", "1", "UDLR"});
  EXPECT_EQ(replay.code, 0);
  EXPECT_THAT(replay.out, StartsWith("robot 1 1 0\nwon no\nsounds\nsize 3 3\n"));
}

TEST(ToolInfo, DeletedLevelsAreNotCounted) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kLasers, kCorridor, kColumn});
  {
    PuzzleSetFile set;
    ASSERT_TRUE(set.open("levels.dat"));
    ASSERT_TRUE(set.seekLevel(1));
    ASSERT_TRUE(set.deleteLevel());
  }
  const ToolRun result = run({"info", "levels.dat"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "progress 0\n"
            "code no\n"
            "levels 2\n"
            "level 0 size 6 4 robot 1 1 sensors 2 lasers 2\n"
            "level 1 size 4 5 robot 2 2 sensors 1 lasers 1\n");
}

TEST(ToolInfo, JsonOutput) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor, kColumn});
  describeLevel("levels.dat", 1, "Caf\xE9");
  const ToolRun result = run({"info", "levels.dat", "--json"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "{\"progress\":0,\"hasCompletionCode\":false,\"completionCode\":\"\",\"levelCount\":2,"
            "\"levels\":["
            "{\"index\":0,\"readable\":true,\"width\":5,\"height\":3,\"robot\":{\"x\":3,\"y\":1},"
            "\"description\":null,\"sensors\":0,\"lasers\":0},"
            "{\"index\":1,\"readable\":true,\"width\":4,\"height\":5,\"robot\":{\"x\":2,\"y\":2},"
            "\"description\":\"Caf\\u00e9\",\"sensors\":1,\"lasers\":1}]}\n");
}

TEST(ToolInfo, AnUnreadableLevelIsListedAndFailsTheRun) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor, kColumn});
  const std::string bytes = test::readFile("levels.dat");
  patchByte("levels.dat", markerOffset(bytes, 1) + 6, 7);  // first cell: kind 7
  const ToolRun result = run({"info", "levels.dat"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out,
            "progress 0\n"
            "code no\n"
            "levels 2\n"
            "level 0 size 5 3 robot 3 1 sensors 0 lasers 0\n"
            "level 1 unreadable\n");
  EXPECT_THAT(result.err, HasSubstr("level 1"));
}

TEST(ToolInfo, FilesThatAreNoLevelFilesFail) {
  ScratchFolder folder;
  expectBadInput(run({"info", "missing.dat"}), "missing.dat");
  test::writeFile("short.dat", "\x01");
  expectBadInput(run({"info", "short.dat", "--json"}), "short.dat");
  fs::create_directory("folder.dat");
  expectBadInput(run({"info", "folder.dat"}), "folder.dat");
}

TEST(ToolInfo, TakesTheGamesWindowsStylePaths) {
  ScratchFolder folder;
  fs::create_directories("levels/abc");
  test::writeSetFile("levels/abc/levels.dat", {kCorridor});
  const ToolRun result = run({"info", ".\\Levels\\abc\\levels.dat"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out, "progress 0\ncode no\nlevels 1\nlevel 0 size 5 3 robot 3 1 sensors 0 lasers 0\n");
}

// ---- replay --------------------------------------------------------------------

TEST(ToolReplay, TheLevelIsChosenByItsIndex) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor, kColumn});
  // The sensor faces south, so the laser's beam from the north is swallowed
  // without a mark; facing the sensor, Up does nothing.
  const ToolRun result = run({"replay", "levels.dat", "1", "LU"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "robot 2 2 3\nwon no\nsounds\nsize 4 5\n"
            "tiles\n"
            "1 1 1 1\n"
            "1 34 2 1\n"
            "1 58 2 1\n"
            "1 2 2 1\n"
            "1 1 1 1\n"
            "light\n"
            "0000 0000 0000 0000\n"
            "0000 0000 0000 0000\n"
            "0000 0000 0000 0000\n"
            "0000 0000 0000 0000\n"
            "0000 0000 0000 0000\n");
}

// ---- replay: bad input -----------------------------------------------------------

TEST(ToolReplay, MissingAndUnopenableFilesFail) {
  ScratchFolder folder;
  expectBadInput(run({"replay", "missing.dat", "0", "U"}), "missing.dat");
  test::writeFile("short.dat", "\x01");
  expectBadInput(run({"replay", "short.dat", "0", "U"}), "short.dat");
  fs::create_directory("folder.dat");
  expectBadInput(run({"replay", "folder.dat", "0", "U"}), "folder.dat");
}

TEST(ToolReplay, CorruptLevelFilesFail) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor});
  const std::string good = test::readFile("levels.dat");
  const size_t marker = markerOffset(good, 0);

  patchByte("levels.dat", marker + 6, 7);  // a kind above 6
  expectBadInput(run({"replay", "levels.dat", "0", "U"}), "cannot be read");

  test::writeFile("levels.dat", good.substr(0, marker + 12));  // ends inside the cells
  expectBadInput(run({"replay", "levels.dat", "0", "U"}), "cannot be read");

  test::writeFile("levels.dat", good);
  patchByte("levels.dat", marker + 2, 0);  // width 0
  expectBadInput(run({"replay", "levels.dat", "0", "U"}), "cannot be read");

  test::writeFile("levels.dat", "hello, not a level file\n");
  expectBadInput(run({"replay", "levels.dat", "0", "U"}), "does not exist");
}

TEST(ToolReplay, LevelsOutOfRangeFail) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor});
  const ToolRun result = run({"replay", "levels.dat", "1", "U"});
  expectBadInput(result, "level 1 does not exist");
  EXPECT_THAT(result.err, HasSubstr("1 level"));
  expectBadInput(run({"replay", "levels.dat", "999999999", "U"}), "999999999");
  for (const char* level : {"-1", "x", "1.0", "", " 0", "0x1"}) {
    SCOPED_TRACE(level);
    expectBadInput(run({"replay", "levels.dat", level, "U"}), "level");
  }
}

TEST(ToolReplay, KeysOtherThanTheFiveFail) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor});
  expectBadInput(run({"replay", "levels.dat", "0", "UDQ"}), "'Q'");
  expectBadInput(run({"replay", "levels.dat", "0", "U D"}), "' '");
  expectBadInput(run({"replay", "levels.dat", "0", "LR\n"}), "key 3");
  // A bad key is reported whatever the file.
  expectBadInput(run({"replay", "missing.dat", "0", "X"}), "'X'");
}

TEST(ToolReplay, ARobotStartOutsideTheGridIsHemmedInNotACrash) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor});
  patchByte("levels.dat", markerOffset(test::readFile("levels.dat"), 0) + 4, 100);
  const ToolRun result = run({"replay", "levels.dat", "0", "ULURRDD"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_THAT(result.out, StartsWith("robot 100 1 1\nwon no\nsounds\nsize 5 3\n"));
}

// ---- Usage -----------------------------------------------------------------------

TEST(ToolUsage, WrongCommandLinesShowTheUsage) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kCorridor});
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", "levels.dat", "other.dat"},
      {"info", "levels.dat", "--verbose"},
      {"replay", "levels.dat", "0"},
      {"replay", "levels.dat", "0", "U", "extra"},
      {"replay", "levels.dat", "0", "U", "--xml"},
  };
  for (const auto& args : wrong) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const ToolRun result = run(args);
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, StartsWith("trelux-tool: "));
    EXPECT_THAT(result.err, HasSubstr("usage: trelux-tool info LEVELS.DAT [--json]"));
  }
}

TEST(ToolUsage, HelpGoesToStandardOutput) {
  const ToolRun result = run({"--help"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_THAT(result.out, HasSubstr("trelux-tool replay LEVELS.DAT LEVEL KEYS [--json]"));
}

}  // namespace
}  // namespace trelux
