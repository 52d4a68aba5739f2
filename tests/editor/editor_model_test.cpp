#include "editor/editor_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "puzzles/catalogue.h"
#include "puzzles/level_text.h"
#include "puzzles/puzzle_set_file.h"
#include "puzzles/set_bytes.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

namespace fs = std::filesystem;
using test::bytes;
using test::defaultLevelContent;
using test::fileBytes;
using test::fileBytesFor;
using test::kDefaultLevelText;
using test::levelTextAt;
using test::liveLevels;
using test::markerAt;
using test::readFile;
using test::roomOfWidth;
using test::ScratchFolder;
using test::writeFile;
using test::writeSetFile;

using test::kSetFile;

void makeSet(const std::vector<std::string>& levels) {
  fs::create_directories("Levels/s");
  writeSetFile(kSetFile, levels);
}

// Loads the set of makeSet and shows level 0, as the editor does on start.
void openSet(EditorModel& model) {
  ASSERT_TRUE(model.loadSet(kSetFile));
  ASSERT_TRUE(model.goToLevel(0));
}

std::vector<std::string> entriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

// The working copies, their records aside.
std::vector<std::string> workingCopies() {
  std::vector<std::string> copies;
  for (const std::string& name : entriesOf("Levels")) {
    if (name.rfind("_ple_", 0) == 0 && name.ends_with(".tmp")) copies.push_back(name);
  }
  return copies;
}

std::string shownLevel(const EditorModel& model) { return formatLevelText(model.grid()); }

// The stored description of a level; nullopt when it has none.
std::optional<std::string> storedDescription(const std::string& path, int32_t level) {
  PuzzleSetFile set;
  LevelGrid grid;
  if (!set.open(path) || !set.seekLevel(level) || !set.readLevel(grid)) return "(unreadable)";
  if (!grid.hasDescription()) return std::nullopt;
  return grid.description();
}

std::string storedLevel(const std::string& path, int32_t level) {
  PuzzleSetFile set;
  if (!set.open(path)) return {};
  return levelTextAt(set, level);
}

// ---- The working copy ----------------------------------------------------------------

TEST(EditorWorkingCopy, LoadingCopiesTheSetIntoTheLevelsFolder) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4)});
  EditorModel model;
  model.setSetPaths("old", "old", "old");
  ASSERT_TRUE(model.loadSet(kSetFile));

  EXPECT_EQ(model.workingCopyPath().rfind(".\\Levels\\_ple_", 0), 0u) << model.workingCopyPath();
  EXPECT_EQ(workingCopies().size(), 1u);
  EXPECT_EQ(fileBytes(model.workingCopyPath()), fileBytes(kSetFile));
  EXPECT_EQ(model.levelFilePath(), kSetFile);
  EXPECT_EQ(model.descriptorPath(), "");
  EXPECT_EQ(model.folderPath(), "");

  ASSERT_TRUE(model.goToLevel(1));
  EXPECT_EQ(shownLevel(model), roomOfWidth(4));
  EXPECT_TRUE(model.isRunning());

  model.setSetPaths(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\");
  EXPECT_EQ(model.descriptorPath(), ".\\Levels\\s.trelux");
  EXPECT_EQ(model.folderPath(), ".\\Levels\\s\\");
}

TEST(EditorWorkingCopy, EditsReachTheSetFileOnlyOnSave) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText, roomOfWidth(4)});
  const std::string original = fileBytes(kSetFile);
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Lens, 3, 3, 6, 0));
  model.setRobotStart(2, 4);
  ASSERT_TRUE(model.commitLevel());
  EXPECT_EQ(fileBytes(kSetFile), original);
  EXPECT_NE(fileBytes(model.workingCopyPath()), original);

  ASSERT_TRUE(model.saveSet());
  EXPECT_EQ(fileBytes(kSetFile), fileBytes(model.workingCopyPath()));
  EXPECT_EQ(fileBytes(kSetFile).size(), fileBytesFor(2));
  const std::string edited =
      "# # # # # # #\n"
      "# . . . . . #\n"
      "# . . . . . #\n"
      "# . . Lc . . #\n"
      "# . @ . . . #\n"
      "# . . . . . #\n"
      "# # # # # # #\n";
  EXPECT_EQ(storedLevel(kSetFile, 0), edited);
  EXPECT_EQ(storedLevel(kSetFile, 1), roomOfWidth(4));
  // Nothing of the save is left beside the set.
  EXPECT_EQ(entriesOf("Levels/s"), std::vector<std::string>{"levels.dat"});
}

TEST(EditorWorkingCopy, SavingAgainAfterMoreEditsWorks) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 2, 2, 0, 0));
  ASSERT_TRUE(model.saveSet());
  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 4, 4, 0, 0));
  ASSERT_TRUE(model.saveSet());
  PuzzleSetFile set;
  LevelGrid grid;
  ASSERT_TRUE(set.open(kSetFile));
  ASSERT_TRUE(set.seekLevel(0));
  ASSERT_TRUE(set.readLevel(grid));
  EXPECT_EQ(grid.cell(2, 2).kind(), ObjectKind::Wall);
  EXPECT_EQ(grid.cell(4, 4).kind(), ObjectKind::Wall);
}

TEST(EditorWorkingCopy, DestroyingTheModelDeletesTheCopy) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  std::string copy;
  {
    EditorModel model;
    openSet(model);
    copy = model.workingCopyPath();
    ASSERT_TRUE(canOpenForReading(copy));
  }
  EXPECT_FALSE(canOpenForReading(copy));
  EXPECT_TRUE(workingCopies().empty());
  EXPECT_TRUE(canOpenForReading(kSetFile));
}

TEST(EditorWorkingCopy, LoadingAgainReplacesTheCopy) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  fs::create_directories("Levels/t");
  writeSetFile(".\\Levels\\t\\levels.dat", {roomOfWidth(5), roomOfWidth(6)});
  EditorModel model;
  openSet(model);
  const std::string first = model.workingCopyPath();
  ASSERT_TRUE(model.loadSet(".\\Levels\\t\\levels.dat"));
  EXPECT_FALSE(canOpenForReading(first));
  EXPECT_EQ(workingCopies().size(), 1u);
  ASSERT_TRUE(model.goToLevel(1));
  EXPECT_EQ(shownLevel(model), roomOfWidth(6));
}

TEST(EditorWorkingCopy, LoadingNothingOrAMissingSetFails) {
  ScratchFolder scratch;
  fs::create_directories("Levels");
  EditorModel model;
  EXPECT_FALSE(model.loadSet(""));
  EXPECT_FALSE(model.loadSet(".\\Levels\\none\\levels.dat"));
  EXPECT_FALSE(model.goToLevel(0));
}

// The next copy's name comes from the clock and may be a discarded copy's
// again: the set file must then be read afresh, not taken as still open.
TEST(EditorWorkingCopy, AFailedLoadLeavesNoOpenFileBehind) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  {
    PuzzleSetFile set;
    ASSERT_TRUE(set.open(kSetFile));
    ASSERT_TRUE(set.setProgress(7));
    ASSERT_TRUE(set.setCompletionCode(true, "OLD"));
  }
  writeSetFile("other.dat", {roomOfWidth(5), roomOfWidth(6)});
  EditorModel model;
  openSet(model);
  const std::string firstCopy = model.workingCopyPath();
  EXPECT_FALSE(model.loadSet(".\\Levels\\none\\levels.dat"));

  ASSERT_TRUE(copyFileBytes("other.dat", firstCopy));
  ASSERT_TRUE(model.puzzleSet().open(firstCopy));
  EXPECT_EQ(model.puzzleSet().progress(), 0);
  EXPECT_FALSE(model.puzzleSet().hasCompletionCode());
  EXPECT_EQ(model.puzzleSet().countLevels(), 2);
}

TEST(EditorWorkingCopy, SaveNeedsALevelShown) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  const std::string original = fileBytes(kSetFile);
  EditorModel model;
  ASSERT_TRUE(model.loadSet(kSetFile));
  writeFile("Levels/s/levels.dat", "changed meanwhile");
  EXPECT_FALSE(model.saveSet());
  EXPECT_EQ(readFile("Levels/s/levels.dat"), "changed meanwhile");
  EXPECT_EQ(fileBytes(model.workingCopyPath()), original);
}

TEST(EditorWorkingCopy, SaveFailsWhenTheSetFolderIsGoneAndKeepsTheEdits) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 3, 3, 0, 0));
  fs::remove_all("Levels/s");

  EXPECT_FALSE(model.saveSet());
  EXPECT_FALSE(fs::exists("Levels/s"));
  EXPECT_EQ(entriesOf("Levels").size(), 2u);  // the working copy and its record only
  PuzzleSetFile copy;
  LevelGrid grid;
  ASSERT_TRUE(copy.open(model.workingCopyPath()));
  ASSERT_TRUE(copy.seekLevel(0));
  ASSERT_TRUE(copy.readLevel(grid));
  EXPECT_EQ(grid.cell(3, 3).kind(), ObjectKind::Wall);
  copy.close();

  // Once the folder is back, saving again succeeds.
  fs::create_directories("Levels/s");
  ASSERT_TRUE(model.saveSet());
  EXPECT_EQ(fileBytes(kSetFile), fileBytes(model.workingCopyPath()));
}

TEST(EditorWorkingCopy, SaveThatCannotReplaceTheSetFileFailsAndLeavesNoTemporaryFile) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 3, 3, 0, 0));
  fs::remove("Levels/s/levels.dat");
  fs::create_directory("Levels/s/levels.dat");

  EXPECT_FALSE(model.saveSet());
  EXPECT_EQ(entriesOf("Levels/s"), std::vector<std::string>{"levels.dat"});
  EXPECT_TRUE(fs::is_directory("Levels/s/levels.dat"));
}

// ---- Adding and deleting levels ---------------------------------------------------------

TEST(EditorLevels, AddedLevelIsADefaultRoomShownAtOnce) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4)});
  const std::string original = fileBytes(kSetFile);
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.addLevel());
  EXPECT_EQ(model.currentLevel(), 2);
  EXPECT_EQ(shownLevel(model), kDefaultLevelText);
  EXPECT_EQ(model.robotPosition(), (Position{1, 1}));
  EXPECT_FALSE(model.hasDescription());
  EXPECT_EQ(fileBytes(kSetFile), original);

  ASSERT_TRUE(model.saveSet());
  EXPECT_EQ(liveLevels(kSetFile), 3);
  EXPECT_EQ(fileBytes(kSetFile).substr(markerAt(2)),
            bytes({0xFF}) + defaultLevelContent() + std::string(2997, 'R'));
}

TEST(EditorLevels, TheOnlyLevelCannotBeDeleted) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  EditorModel model;
  openSet(model);
  const std::string before = fileBytes(model.workingCopyPath());
  EXPECT_FALSE(model.deleteLevel());
  EXPECT_EQ(fileBytes(model.workingCopyPath()), before);
  EXPECT_EQ(model.currentLevel(), 0);
  EXPECT_EQ(shownLevel(model), roomOfWidth(3));
  EXPECT_EQ(liveLevels(model.workingCopyPath()), 1);
}

TEST(EditorLevels, DeletingLevelZeroShowsTheLevelThatFollowed) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.deleteLevel());
  EXPECT_EQ(model.currentLevel(), 0);
  EXPECT_EQ(shownLevel(model), roomOfWidth(4));
  EXPECT_EQ(liveLevels(model.workingCopyPath()), 2);
  EXPECT_EQ(liveLevels(kSetFile), 3);
}

TEST(EditorLevels, DeletingALaterLevelShowsTheLevelBefore) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.goToLevel(2));
  ASSERT_TRUE(model.deleteLevel());
  EXPECT_EQ(model.currentLevel(), 1);
  EXPECT_EQ(shownLevel(model), roomOfWidth(4));

  ASSERT_TRUE(model.deleteLevel());
  EXPECT_EQ(model.currentLevel(), 0);
  EXPECT_EQ(shownLevel(model), roomOfWidth(3));
  EXPECT_FALSE(model.deleteLevel());
}

TEST(EditorLevels, DeletingAMiddleLevelShowsTheLevelBeforeNotTheOneAfter) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.goToLevel(1));
  ASSERT_TRUE(model.deleteLevel());
  EXPECT_EQ(model.currentLevel(), 0);
  EXPECT_EQ(shownLevel(model), roomOfWidth(3));
  ASSERT_TRUE(model.goToLevel(1));
  EXPECT_EQ(shownLevel(model), roomOfWidth(5));
}

TEST(EditorLevels, SavedSetKeepsTheDeletedRecordMarked) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.goToLevel(1));
  ASSERT_TRUE(model.deleteLevel());
  ASSERT_TRUE(model.saveSet());

  const std::string file = fileBytes(kSetFile);
  ASSERT_EQ(file.size(), fileBytesFor(3));
  EXPECT_EQ(static_cast<unsigned char>(file[markerAt(0)]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(file[markerAt(1)]), 0xFE);
  EXPECT_EQ(static_cast<unsigned char>(file[markerAt(2)]), 0xFF);
  EXPECT_EQ(liveLevels(kSetFile), 2);
  EXPECT_EQ(storedLevel(kSetFile, 1), roomOfWidth(5));
}

// ---- Descriptions -----------------------------------------------------------------------

TEST(EditorDescription, ReachesTheSetThroughCommitAndSave) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4)});
  {
    EditorModel model;
    openSet(model);
    EXPECT_FALSE(model.hasDescription());
    model.setLevelDescription(true, "Light the sensor.");
    EXPECT_TRUE(model.hasDescription());
    EXPECT_EQ(model.description(), "Light the sensor.");
    EXPECT_EQ(storedDescription(model.workingCopyPath(), 0), std::nullopt);

    ASSERT_TRUE(model.commitLevel());
    EXPECT_EQ(storedDescription(model.workingCopyPath(), 0), "Light the sensor.");
    EXPECT_EQ(storedDescription(kSetFile, 0), std::nullopt);

    ASSERT_TRUE(model.saveSet());
    EXPECT_EQ(storedDescription(kSetFile, 0), "Light the sensor.");
    EXPECT_EQ(storedDescription(kSetFile, 1), std::nullopt);
  }
  EditorModel reopened;
  openSet(reopened);
  EXPECT_TRUE(reopened.hasDescription());
  EXPECT_EQ(reopened.description(), "Light the sensor.");
  EXPECT_EQ(shownLevel(reopened), roomOfWidth(3));
  ASSERT_TRUE(reopened.goToLevel(1));
  EXPECT_FALSE(reopened.hasDescription());
  EXPECT_EQ(reopened.description(), "");
}

TEST(EditorDescription, BytesTheLevelFileReservesBecomeBlanks) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4)});
  EditorModel model;
  openSet(model);
  model.setLevelDescription(true, std::string("caf\xFF and\0more", 13));
  EXPECT_EQ(model.description(), "caf  and more");
  ASSERT_TRUE(model.commitLevel());
  ASSERT_TRUE(model.saveSet());
  EXPECT_EQ(storedDescription(kSetFile, 0), "caf  and more");
  EXPECT_EQ(liveLevels(kSetFile), 2);
  EXPECT_EQ(storedLevel(kSetFile, 1), roomOfWidth(4));
}

TEST(EditorDescription, GoingToALevelReplacesAnUncommittedDescription) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3), roomOfWidth(4)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.goToLevel(1));
  model.setLevelDescription(true, "Stored");
  ASSERT_TRUE(model.commitLevel());

  ASSERT_TRUE(model.goToLevel(0));
  model.setLevelDescription(true, "Draft");
  ASSERT_TRUE(model.goToLevel(1));
  EXPECT_EQ(model.description(), "Stored");
  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_FALSE(model.hasDescription());
  EXPECT_EQ(model.description(), "");
  EXPECT_EQ(storedDescription(model.workingCopyPath(), 0), std::nullopt);
}

TEST(EditorDescription, RemovedDescriptionLeavesEveryLevelReadable) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(5), roomOfWidth(6)});
  EditorModel model;
  openSet(model);
  model.setLevelDescription(true, std::string(300, 'w') + " and more words");
  ASSERT_TRUE(model.saveSet());
  model.setLevelDescription(false, "");
  ASSERT_TRUE(model.saveSet());

  EXPECT_EQ(fileBytes(kSetFile).size(), fileBytesFor(2));
  EXPECT_EQ(storedDescription(kSetFile, 0), std::nullopt);
  EXPECT_EQ(storedLevel(kSetFile, 0), roomOfWidth(5));
  EXPECT_EQ(storedLevel(kSetFile, 1), roomOfWidth(6));
  EXPECT_EQ(liveLevels(kSetFile), 2);
}

// ---- Completion code ----------------------------------------------------------------------

TEST(EditorCompletionCode, CodeIsTrimmedAndSavedWithTheSet) {
  ScratchFolder scratch;
  makeSet({roomOfWidth(3)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.setCompletionCode(true, "  Open Sesame \t\r\n"));
  EXPECT_TRUE(model.hasCompletionCode());
  EXPECT_EQ(model.completionCode(), "Open Sesame");

  std::string header = bytes({0x00, 0xFD});
  for (char c : std::string("Open Sesame")) {
    header += static_cast<char>(static_cast<unsigned char>(c) ^ 0xFF);
  }
  header += std::string(10, '\0');
  EXPECT_EQ(fileBytes(model.workingCopyPath()).substr(0, 23), header);
  EXPECT_EQ(fileBytes(kSetFile).substr(0, 23), std::string(23, '\0'));

  ASSERT_TRUE(model.saveSet());
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(kSetFile));
  EXPECT_TRUE(set.hasCompletionCode());
  EXPECT_EQ(set.completionCode(), "Open Sesame");
}

// ---- Whole sets ----------------------------------------------------------------------------

TEST(EditorCreateSet, NewSetIsNamedByHashAndOpenAtLevelZero) {
  ScratchFolder scratch;
  fs::create_directories("Levels");
  EditorModel model;
  ASSERT_TRUE(model.createPuzzleSet("a"));

  EXPECT_EQ(model.levelFilePath(), ".\\Levels\\30440\\levels.dat");
  EXPECT_EQ(model.descriptorPath(), ".\\Levels\\30440.trelux");
  EXPECT_EQ(model.folderPath(), ".\\Levels\\30440\\");
  EXPECT_EQ(fileBytes(model.levelFilePath()),
            std::string(23, '\0') + bytes({0xFF}) + defaultLevelContent() + std::string(2997, 'R'));
  EXPECT_EQ(readFile("Levels/30440.trelux"),
            "[trelux]\r\n\r\nlocked = false\r\npath = .\\Levels\\30440\\\r\nname = a\r\n\r\n");

  EXPECT_EQ(model.workingCopyPath().rfind(".\\Levels\\_ple_", 0), 0u);
  EXPECT_EQ(workingCopies().size(), 1u);
  EXPECT_EQ(model.currentLevel(), 0);
  EXPECT_EQ(shownLevel(model), kDefaultLevelText);
  EXPECT_EQ(model.robotPosition(), (Position{1, 1}));
  EXPECT_FALSE(model.hasCompletionCode());

  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, false);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].name, "a");
  EXPECT_EQ(list[0].folder, ".\\Levels\\30440\\");
  EXPECT_TRUE(list[0].unlocked);
}

TEST(EditorCreateSet, SameNameTwiceGetsTheHashThenTheHashWithX) {
  ScratchFolder scratch;
  fs::create_directories("Levels");
  EditorModel model;
  ASSERT_TRUE(model.createPuzzleSet("a"));
  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 2, 2, 0, 0));  // unsaved, lost with the first copy
  ASSERT_TRUE(model.createPuzzleSet("a"));
  EXPECT_EQ(model.levelFilePath(), ".\\Levels\\30440x\\levels.dat");
  EXPECT_EQ(model.descriptorPath(), ".\\Levels\\30440x.trelux");
  EXPECT_EQ(readFile("Levels/30440x.trelux"),
            "[trelux]\r\n\r\nlocked = false\r\npath = .\\Levels\\30440x\\\r\nname = a\r\n\r\n");
  EXPECT_EQ(fileBytes(".\\Levels\\30440\\levels.dat").size(), 3075u);
  EXPECT_EQ(storedLevel(".\\Levels\\30440\\levels.dat", 0), kDefaultLevelText);
  EXPECT_EQ(workingCopies().size(), 1u);

  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, true);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_FALSE(isPuzzleSetNameFree("A"));
}

TEST(EditorCreateSet, AnswersFalseWhenTheLevelFileCannotBeMade) {
  ScratchFolder scratch;
  writeFile("Levels/30440", "a file where the set's folder would go");
  EditorModel model;
  EXPECT_FALSE(model.createPuzzleSet("a"));
  EXPECT_FALSE(fs::exists("Levels/30440.trelux"));
  EXPECT_FALSE(hasPuzzleSets(true));
  EXPECT_TRUE(workingCopies().empty());
  EXPECT_FALSE(model.isRunning());
}

TEST(EditorCreateSet, AnswersFalseWhenTheLevelsFolderIsAFile) {
  ScratchFolder scratch;
  writeFile("Levels", "not a folder");
  EditorModel model;
  EXPECT_FALSE(model.createPuzzleSet("a"));
  EXPECT_EQ(readFile("Levels"), "not a folder");
}

TEST(EditorCreateSet, AnswersFalseWhenTheDescriptorCannotBeWritten) {
  ScratchFolder scratch;
  // A folder where the descriptor would go keeps it from being written.
  fs::create_directories("Levels/30440.trelux");
  EditorModel model;
  EXPECT_FALSE(model.createPuzzleSet("a"));
  EXPECT_TRUE(fs::is_directory("Levels/30440.trelux"));
  EXPECT_FALSE(hasPuzzleSets(true));
  EXPECT_TRUE(workingCopies().empty());
}

TEST(EditorCreateSet, DeletingTheSetRemovesItsFiles) {
  ScratchFolder scratch;
  fs::create_directories("Levels");
  EditorModel model;
  ASSERT_TRUE(model.createPuzzleSet("Doomed"));
  const std::string folder = model.folderPath();
  const std::string levelFile = model.levelFilePath();
  const std::string descriptor = model.descriptorPath();
  const std::string copy = model.workingCopyPath();

  EXPECT_FALSE(model.deleteSet());
  EXPECT_FALSE(canOpenForReading(levelFile));
  EXPECT_FALSE(canOpenForReading(descriptor));
  EXPECT_FALSE(canOpenForReading(copy));
  EXPECT_TRUE(entriesOf("Levels").empty());
  EXPECT_FALSE(model.isRunning());
  EXPECT_TRUE(isPuzzleSetNameFree("Doomed"));
}

// ---- Editing --------------------------------------------------------------------------------

TEST(EditorEditing, UnknownKindsAndOutsideCellsAreRefused) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Laser, 1, 3, 1, 1));  // red laser pointing east
  const std::string before = shownLevel(model);
  EXPECT_FALSE(model.placeObject(static_cast<ObjectKind>(7), 3, 3, 1, 0));
  EXPECT_FALSE(model.placeObject(static_cast<ObjectKind>(-1), 3, 3, 0, 0));
  EXPECT_FALSE(model.placeObject(static_cast<ObjectKind>(255), 3, 3, 0, 0));
  EXPECT_FALSE(model.placeObject(ObjectKind::Wall, 7, 3, 0, 0));
  EXPECT_FALSE(model.placeObject(ObjectKind::Wall, 3, -1, 0, 0));
  EXPECT_EQ(shownLevel(model), before);
  EXPECT_EQ(model.sideLightAt(3, 3, kEast), 1);
}

TEST(EditorEditing, PlacingObjectsRecomputesTheLight) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Laser, 1, 3, 1, 1));  // red laser pointing east
  for (int32_t x = 2; x <= 5; ++x) {
    EXPECT_EQ(model.sideLightAt(x, 3, kEast), 1) << x;
    EXPECT_EQ(model.sideLightAt(x, 3, kWest), 1) << x;
    EXPECT_EQ(model.sideLightAt(x, 3, kNorth), 0) << x;
  }
  EXPECT_EQ(model.sideLightAt(3, 2, kEast), 0);
  EXPECT_FALSE(model.robotInLight());

  ASSERT_TRUE(model.placeObject(ObjectKind::Wall, 3, 3, 0, 0));  // a wall across the beam
  EXPECT_EQ(model.sideLightAt(2, 3, kEast), 1);
  EXPECT_EQ(model.sideLightAt(4, 3, kEast), 0);

  ASSERT_TRUE(model.placeObject(ObjectKind::Lens, 2, 3, 6, 0));  // a cyan lens blocks red
  EXPECT_EQ(model.sideLightAt(2, 3, kEast), 0);
  EXPECT_EQ(model.grid().cell(2, 3).code(), (CellCode{ObjectKind::Lens, 6}));

  ASSERT_TRUE(model.placeObject(ObjectKind::Floor, 2, 3, 0, 0));
  ASSERT_TRUE(model.placeObject(ObjectKind::Floor, 1, 3, 0, 0));  // laser gone: all dark
  EXPECT_EQ(model.sideLightAt(2, 3, kEast), 0);
}

TEST(EditorEditing, RobotStartMovesTheRobotAndIsStored) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  model.setRobotStart(4, 5);
  EXPECT_EQ(model.robotPosition(), (Position{4, 5}));
  EXPECT_EQ(model.grid().start(), (Position{4, 5}));
  ASSERT_TRUE(model.commitLevel());
  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_EQ(model.robotPosition(), (Position{4, 5}));
  EXPECT_EQ(storedLevel(model.workingCopyPath(), 0),
            "# # # # # # #\n# . . . . . #\n# . . . . . #\n# . . . . . #\n# . . . . . #\n"
            "# . . . @ . #\n# # # # # # #\n");
}

TEST(EditorEditing, ShrinkingCutsOffObjectsAndTheirLight) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Laser, 5, 3, 1, 3));  // red laser pointing west
  ASSERT_EQ(model.sideLightAt(3, 3, kEast), 1);

  ASSERT_TRUE(model.resizeLevel(5, 7));
  EXPECT_EQ(model.gridWidth(), 5);
  EXPECT_EQ(model.gridHeight(), 7);
  EXPECT_EQ(shownLevel(model),
            "# # # # #\n# @ . . #\n# . . . #\n# . . . #\n# . . . #\n# . . . #\n# # # # #\n");
  EXPECT_EQ(model.sideLightAt(3, 3, kEast), 0);
  EXPECT_EQ(model.sideLightAt(2, 3, kEast), 0);
}

TEST(EditorEditing, GrowingAddsFloorInsideANewRingAndIsSaved) {
  ScratchFolder scratch;
  makeSet({kDefaultLevelText, roomOfWidth(4)});
  EditorModel model;
  openSet(model);
  ASSERT_TRUE(model.placeObject(ObjectKind::Laser, 5, 3, 1, 3));  // red laser pointing west
  ASSERT_TRUE(model.resizeLevel(9, 8));
  const std::string grown =
      "# # # # # # # # #\n"
      "# @ . . . . . . #\n"
      "# . . . . . . . #\n"
      "# . . . . <r . . #\n"
      "# . . . . . . . #\n"
      "# . . . . . . . #\n"
      "# . . . . . . . #\n"
      "# # # # # # # # #\n";
  EXPECT_EQ(shownLevel(model), grown);
  EXPECT_EQ(model.sideLightAt(2, 3, kEast), 1);
  EXPECT_EQ(model.sideLightAt(6, 3, kEast), 0);

  ASSERT_TRUE(model.saveSet());
  EXPECT_EQ(storedLevel(kSetFile, 0), grown);
  EXPECT_EQ(storedLevel(kSetFile, 1), roomOfWidth(4));
}

}  // namespace
}  // namespace trelux
