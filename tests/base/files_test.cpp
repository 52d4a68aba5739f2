#include "base/files.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;
namespace fs = std::filesystem;

TEST(Files, UniqueFilesAreCreatedEmptyWithPrefixAndTmpExtension) {
  ScratchFolder folder;
  fs::create_directory("Levels");
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    const std::string name = createUniqueFile(".\\Levels\\", "_ple_");
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(name.rfind(".\\Levels\\_ple_", 0), 0u) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".tmp");
    EXPECT_TRUE(canOpenForReading(name));
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20u);
}

TEST(Files, UniqueFileInAMissingFolderFails) {
  ScratchFolder folder;
  EXPECT_EQ(createUniqueFile(".\\nowhere\\", "_ple_"), "");
}

TEST(Files, TextFilesEndAtTheFirstCtrlZ) {
  ScratchFolder folder;
  writeFile("a.txt", "first\r\nsecond\x1Athird\x1A");
  EXPECT_EQ(readTextFile("a.txt"), "first\r\nsecond");
  EXPECT_EQ(readFileBytes("a.txt"), "first\r\nsecond\x1Athird\x1A");
  writeFile("b.txt", "no end mark");
  EXPECT_EQ(readTextFile("b.txt"), "no end mark");
  EXPECT_EQ(readTextFile("missing.txt"), std::nullopt);
}

TEST(Files, FoldersAreNoFiles) {
  ScratchFolder folder;
  fs::create_directory("sub");
  EXPECT_FALSE(canOpenForReading("sub"));
  EXPECT_EQ(readFileBytes("sub"), std::nullopt);
  EXPECT_FALSE(copyFileBytes("sub", "copy"));
}

TEST(Files, CopyOverwritesTheTarget) {
  ScratchFolder folder;
  writeFile("a.dat", std::string("\x00\xFF\r\n", 4));
  writeFile("b.dat", "older and longer content");
  ASSERT_TRUE(copyFileBytes("a.dat", "b.dat"));
  EXPECT_EQ(readFile("b.dat"), std::string("\x00\xFF\r\n", 4));
  EXPECT_FALSE(copyFileBytes("missing.dat", "c.dat"));
  EXPECT_FALSE(fs::exists("c.dat"));
}

TEST(Files, ReplacingWithACopyLeavesNoTemporaryFileBehind) {
  ScratchFolder folder;
  writeFile("set/levels.dat", "old");
  writeFile("work.tmp", "new");
  ASSERT_TRUE(replaceFileWithCopy("work.tmp", ".\\set\\levels.dat"));
  EXPECT_EQ(readFile("set/levels.dat"), "new");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("set")) ++files;
  EXPECT_EQ(files, 1);
}

TEST(Files, AFailedReplaceKeepsTheTargetAsItWas) {
  ScratchFolder folder;
  writeFile("set/levels.dat", "old");
  EXPECT_FALSE(replaceFileWithCopy("missing.tmp", ".\\set\\levels.dat"));
  EXPECT_EQ(readFile("set/levels.dat"), "old");
  EXPECT_FALSE(replaceFileWithCopy("set/levels.dat", ".\\nowhere\\levels.dat"));
}

// "Jeux d'ete" with the typographic apostrophe (0x92) and accented e (0xE9)
// of code page 1252; in 1251 the same bytes read as Cyrillic letters.
// Windows' own narrow calls take them in the ANSI code page, so every
// operation must find the same folder.
TEST(Files, AFolderNamedOutsideAsciiWorksForEveryOperation) {
  ScratchFolder folder;
  const std::string dir = "Jeux d\x92\xe9t\xe9";
  ASSERT_TRUE(createFolder(dir));
  EXPECT_EQ(folderEntries("."), std::vector<std::string>{dir});
  ASSERT_TRUE(writeFileBytes(dir + "\\a.txt", "one"));
  EXPECT_EQ(readFileBytes(dir + "\\a.txt"), "one");
  ASSERT_TRUE(replaceFileContents(dir + "\\a.txt", "two"));
  ASSERT_TRUE(renameFile(dir + "\\a.txt", dir + "\\b.txt"));
  EXPECT_EQ(readTextFile(dir + "\\b.txt"), "two");
  EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"b.txt"});
  EXPECT_TRUE(canEnterFolder(dir));
  EXPECT_TRUE(removeFile(dir + "\\b.txt"));
  EXPECT_TRUE(removeFolder(dir));
  EXPECT_FALSE(pathExists(dir));
}

}  // namespace
}  // namespace trelux
