#include "puzzles/catalogue.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::ScratchFolder;
using test::writeFile;
using testing::UnorderedElementsAre;

// Descriptors live in the folder the game ships as "levels".
void writeDescriptorFile(const std::string& fileName, const std::string& text) {
  writeFile(fs::path("levels") / fileName, text);
}

std::string descriptorText(const std::string& name, const std::string& folder,
                           const std::string& locked) {
  return "[trelux]\nname = " + name + "\npath = " + folder + "\nlocked = " + locked + "\n";
}

std::vector<PuzzleSetEntry> scan(bool includeLocked) {
  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, includeLocked);
  return list;
}

std::vector<std::string> namesOf(const std::vector<PuzzleSetEntry>& list) {
  std::vector<std::string> names;
  for (const PuzzleSetEntry& entry : list) names.push_back(entry.name);
  return names;
}

// ---- Scanning ------------------------------------------------------------------------

TEST(CatalogueScan, MissingOrEmptyFolderListsNothing) {
  ScratchFolder scratch;
  EXPECT_TRUE(scan(true).empty());
  EXPECT_FALSE(hasPuzzleSets(true));

  fs::create_directories("levels");
  EXPECT_TRUE(scan(true).empty());
  EXPECT_FALSE(hasPuzzleSets(true));
  EXPECT_FALSE(hasPuzzleSets(false));
}

TEST(CatalogueScan, EntryCarriesNameFolderAndDescriptorPath) {
  ScratchFolder scratch;
  writeDescriptorFile("first.trelux", descriptorText("First Set", ".\\Levels\\abc\\", "false"));

  std::vector<PuzzleSetEntry> list;
  list.push_back({"kept", "kept", "kept", true});  // the scan appends
  scanPuzzleSets(list, false);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "kept");
  EXPECT_EQ(list[1].name, "First Set");
  EXPECT_EQ(list[1].folder, ".\\Levels\\abc\\");
  EXPECT_EQ(list[1].descriptorFile, ".\\levels\\first.trelux");
  EXPECT_TRUE(list[1].unlocked);
}

TEST(CatalogueScan, OnlyTrueInAnyLetterCaseLocks) {
  ScratchFolder scratch;
  const std::vector<std::pair<std::string, std::string>> values = {
      {"a", "true"}, {"b", "TRUE"}, {"c", "True"}, {"d", "false"},
      {"e", "yes"},  {"f", "1"},    {"g", "truth"}, {"h", "true!"}};
  for (const auto& [name, locked] : values) {
    writeDescriptorFile(name + ".trelux", descriptorText(name, ".\\Levels\\" + name + "\\", locked));
  }
  EXPECT_THAT(namesOf(scan(false)), UnorderedElementsAre("d", "e", "f", "g", "h"));
  EXPECT_THAT(namesOf(scan(true)),
              UnorderedElementsAre("a", "b", "c", "d", "e", "f", "g", "h"));
  for (const PuzzleSetEntry& entry : scan(true)) {
    const bool locked = entry.name == "a" || entry.name == "b" || entry.name == "c";
    EXPECT_EQ(entry.unlocked, !locked) << entry.name;
  }
}

TEST(CatalogueScan, LockedSetsCountOnlyWhenAskedFor) {
  ScratchFolder scratch;
  writeDescriptorFile("bought.trelux", descriptorText("Bought", ".\\Levels\\b\\", "true"));
  EXPECT_FALSE(hasPuzzleSets(false));
  EXPECT_TRUE(hasPuzzleSets(true));

  writeDescriptorFile("own.trelux", descriptorText("Own", ".\\Levels\\o\\", "false"));
  EXPECT_TRUE(hasPuzzleSets(false));
  EXPECT_THAT(namesOf(scan(false)), UnorderedElementsAre("Own"));
}

TEST(CatalogueScan, SameNameLockedAndUnlockedIsListedTwiceForPlayOnceForEditing) {
  ScratchFolder scratch;
  writeDescriptorFile("one.trelux", descriptorText("Prisms", ".\\Levels\\one\\", "true"));
  writeDescriptorFile("two.trelux", descriptorText("Prisms", ".\\Levels\\two\\", "false"));
  EXPECT_THAT(namesOf(scan(true)), UnorderedElementsAre("Prisms", "Prisms"));
  const std::vector<PuzzleSetEntry> editable = scan(false);
  ASSERT_EQ(editable.size(), 1u);
  EXPECT_EQ(editable[0].folder, ".\\Levels\\two\\");
}

TEST(CatalogueScan, MalformedAndForeignFilesAreSkipped) {
  ScratchFolder scratch;
  writeDescriptorFile("good.trelux", descriptorText("Good", ".\\Levels\\g\\", "false"));
  writeDescriptorFile("noname.trelux", "[trelux]\npath = .\\Levels\\n\\\nlocked = false\n");
  writeDescriptorFile("nopath.trelux", "[trelux]\nname = No Path\nlocked = false\n");
  writeDescriptorFile("nolock.trelux", "[trelux]\nname = No Lock\npath = .\\Levels\\l\\\n");
  writeDescriptorFile("other.trelux", descriptorText("Other", ".\\Levels\\x\\", "false")
                                          .replace(0, 8, "[other]"));
  writeDescriptorFile("garbage.trelux", "[trelux]\nname = Garbage\npath = .\\Levels\\y\\\n"
                                        "locked = false\nthis line has no equals sign\n");
  writeDescriptorFile("nosection.trelux", "name = Loose\npath = .\\Levels\\z\\\nlocked = false\n");
  writeDescriptorFile("empty.trelux", "");
  writeDescriptorFile("notes.txt", descriptorText("Text File", ".\\Levels\\t\\", "false"));
  writeDescriptorFile("old.trelux.bak", descriptorText("Backup", ".\\Levels\\k\\", "false"));
  fs::create_directories("levels/folder.trelux");

  EXPECT_THAT(namesOf(scan(true)), UnorderedElementsAre("Good"));
}

TEST(CatalogueScan, CaseOfExtensionSectionAndKeysDoesNotMatterButNamesKeepTheirs) {
  ScratchFolder scratch;
  writeDescriptorFile("LOUD.TRELUX",
                      "[TreLux]\nNAME = MiXeD Case Set\nPath = .\\Levels\\Mx\\\nLOCKED = False\n");
  const std::vector<PuzzleSetEntry> list = scan(false);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].name, "MiXeD Case Set");
  EXPECT_EQ(list[0].folder, ".\\Levels\\Mx\\");
  EXPECT_EQ(list[0].descriptorFile, ".\\levels\\LOUD.TRELUX");
  EXPECT_TRUE(list[0].unlocked);
}

// ---- Names -------------------------------------------------------------------------------

TEST(CatalogueNames, NameIsTakenIgnoringLetterCaseAndSurroundingBlanks) {
  ScratchFolder scratch;
  EXPECT_TRUE(isPuzzleSetNameFree("Crystal Maze"));
  writeDescriptorFile("cm.trelux", descriptorText("Crystal Maze", ".\\Levels\\cm\\", "false"));
  EXPECT_FALSE(isPuzzleSetNameFree("Crystal Maze"));
  EXPECT_FALSE(isPuzzleSetNameFree("crystal maze"));
  EXPECT_FALSE(isPuzzleSetNameFree("  CRYSTAL MAZE\t\r\n"));
  EXPECT_TRUE(isPuzzleSetNameFree("Crystal  Maze"));
  EXPECT_TRUE(isPuzzleSetNameFree("Crystal Mazes"));
  EXPECT_TRUE(isPuzzleSetNameFree(""));
}

TEST(CatalogueNames, LockedSetsKeepTheirNamesToo) {
  ScratchFolder scratch;
  writeDescriptorFile("dl.trelux", descriptorText("Downloaded", ".\\Levels\\dl\\", "TRUE"));
  EXPECT_FALSE(hasPuzzleSets(false));
  EXPECT_FALSE(isPuzzleSetNameFree(" downloaded "));
}

TEST(CatalogueNames, BaseNameOfTheLetterAIsItsHashInHex) {
  ScratchFolder scratch;
  EXPECT_EQ(makeSetBaseName("a"), "30440");
  fs::create_directories("levels");
  EXPECT_EQ(makeSetBaseName("a"), "30440");
  // The hash is taken of the name as given.
  EXPECT_EQ(makeSetBaseName("A"), "20060");
  EXPECT_NE(makeSetBaseName(" a"), "30440");
}

TEST(CatalogueNames, TakenBaseNamesGetLettersXAppended) {
  ScratchFolder scratch;
  writeDescriptorFile("30440.trelux", "");
  EXPECT_EQ(makeSetBaseName("a"), "30440x");
  writeDescriptorFile("30440x.trelux", "");
  EXPECT_EQ(makeSetBaseName("a"), "30440xx");
  EXPECT_EQ(makeSetBaseName("A"), "20060");
}

TEST(CatalogueNames, OnlyADescriptorTakesABaseName) {
  ScratchFolder scratch;
  fs::create_directories("levels/30440");
  writeFile("levels/30440.dat", "x");
  EXPECT_EQ(makeSetBaseName("a"), "30440");
  // File names ignore letter case, as on the game's own platform.
  writeDescriptorFile("30440.TRELUX", "");
  EXPECT_EQ(makeSetBaseName("a"), "30440x");
}

// Left without its descriptor (the set deleted while the file was locked),
// a level file is still no place for a new set.
TEST(CatalogueNames, ALevelFileInTheFolderTakesABaseName) {
  ScratchFolder scratch;
  writeFile("levels/30440/levels.dat", "an orphan's levels");
  EXPECT_EQ(makeSetBaseName("a"), "30440x");
}

// ---- Locking -------------------------------------------------------------------------------

TEST(CatalogueLock, LockingRewritesTheThreeKeysInStorageOrderOnly) {
  ScratchFolder scratch;
  writeDescriptorFile("glass.trelux",
                      "; shipped with the game\n[trelux]\nname = Glass Works\n"
                      "author = someone\npath = .\\Levels\\Glass\\\nlocked = false\n"
                      "[extra]\nk = v\n");
  ASSERT_TRUE(setPuzzleSetLocked(".\\levels\\glass.trelux", true));
  EXPECT_EQ(readFile("levels/glass.trelux"),
            "[trelux]\r\n\r\nlocked = true\r\npath = .\\Levels\\Glass\\\r\n"
            "name = Glass Works\r\n\r\n");
  const std::vector<PuzzleSetEntry> list = scan(true);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_FALSE(list[0].unlocked);
  EXPECT_TRUE(scan(false).empty());
}

TEST(CatalogueLock, UnlockingWritesFalse) {
  ScratchFolder scratch;
  writeDescriptorFile("s.trelux", descriptorText("Shipped", ".\\Levels\\s\\", "TRUE"));
  ASSERT_TRUE(setPuzzleSetLocked(".\\levels\\s.trelux", false));
  EXPECT_EQ(readFile("levels/s.trelux"),
            "[trelux]\r\n\r\nlocked = false\r\npath = .\\Levels\\s\\\r\nname = Shipped\r\n\r\n");
  EXPECT_THAT(namesOf(scan(false)), UnorderedElementsAre("Shipped"));
}

TEST(CatalogueLock, UnreadableDescriptorIsLeftAlone) {
  ScratchFolder scratch;
  fs::create_directories("levels");
  EXPECT_FALSE(setPuzzleSetLocked(".\\levels\\missing.trelux", true));
  EXPECT_FALSE(fs::exists("levels/missing.trelux"));

  const std::string broken = "[trelux]\nname = Half\npath = .\\Levels\\h\\\n";
  writeDescriptorFile("half.trelux", broken);
  EXPECT_FALSE(setPuzzleSetLocked(".\\levels\\half.trelux", true));
  EXPECT_EQ(readFile("levels/half.trelux"), broken);
}

TEST(CatalogueLock, DescriptorWrittenFromAnEntryReadsBack) {
  ScratchFolder scratch;
  fs::create_directories("levels");
  const PuzzleSetEntry written{".\\Levels\\Rb\\", "Red & Blue", ".\\levels\\rb.trelux", false};
  ASSERT_TRUE(writeDescriptor(written));
  PuzzleSetEntry read;
  ASSERT_TRUE(readDescriptor(".\\levels\\rb.trelux", read));
  EXPECT_EQ(read.folder, written.folder);
  EXPECT_EQ(read.name, written.name);
  EXPECT_EQ(read.descriptorFile, written.descriptorFile);
  EXPECT_FALSE(read.unlocked);

  EXPECT_FALSE(writeDescriptor({".\\x\\", "x", ".\\nowhere\\x.trelux", true}));
}

}  // namespace
}  // namespace trelux
