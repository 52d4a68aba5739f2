// The editor's rules over its model: clicks with each kind of tool, steps
// between levels, clearing and resizing, texts. The answers to the
// unsaved-changes question are tested with their box under Wine.
#include "editor/editor_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/files.h"
#include "editor/edit_recovery.h"
#include "editor/editor_model.h"
#include "editor/palette.h"
#include "puzzles/level_text.h"
#include "puzzles/set_bytes.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace trelux {
namespace {

using test::kLab;

using Click = EditorSession::Click;
using Step = EditorSession::Step;

using test::kSetFile;

PaletteTool toolOf(int32_t kind, Colour colour = 0, int32_t variant = 0) {
  for (const PaletteTool& tool : makePalette())
    if (tool.kind == kind && tool.colour == colour && tool.variant == variant) return tool;
  ADD_FAILURE() << "no tool of kind " << kind;
  return {};
}

class EditorSessionTest : public ::testing::Test {
 protected:
  void open(const std::vector<std::string>& levels) {
    std::filesystem::create_directories("Levels/s");
    test::writeSetFile(kSetFile, levels);
    ASSERT_TRUE(model_.loadSet(kSetFile));
    model_.setSetPaths(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\");
    ASSERT_TRUE(model_.goToLevel(0));
  }
  std::string shown() const { return formatLevelText(model_.grid()); }

  test::ScratchFolder scratch_;
  EditorModel model_;
  EditorSession session_{model_};
};

TEST_F(EditorSessionTest, ClicksOnTheRingOrBeyondTheLevelChangeNothing) {
  open({kLab});
  for (auto [x, y] : {std::pair{0, 1}, {3, 4}, {6, 2}, {20, 0}, {-1, 2}}) {
    EXPECT_EQ(session_.click(toolOf(1), x, y), Click::Outside) << x << "," << y;
  }
  EXPECT_EQ(shown(), kLab);
  EXPECT_FALSE(session_.modified());
}

TEST_F(EditorSessionTest, ATileTheCellAlreadyShowsOrTheRobotsCellChangesNothing) {
  open({kLab});
  EXPECT_EQ(session_.click(toolOf(0), 2, 1), Click::Unchanged);
  EXPECT_EQ(session_.click(toolOf(2, 2), 3, 2), Click::Unchanged);
  EXPECT_EQ(session_.click(toolOf(1), 2, 2), Click::Unchanged) << "under the robot";
  EXPECT_EQ(session_.click(toolOf(kRobotStartKind), 2, 2), Click::Unchanged);
  EXPECT_EQ(shown(), kLab);
  EXPECT_FALSE(session_.modified());
}

TEST_F(EditorSessionTest, OtherColoursLasersAndLitSensorsAreReplaced) {
  open({kLab});
  EXPECT_EQ(session_.click(toolOf(2, 1), 3, 2), Click::Changed);
  // The laser tools show pictures of their own, so a laser is always replaced.
  EXPECT_EQ(session_.click(toolOf(4, 1, 1), 1, 1), Click::Changed);
  // A lit sensor's picture is not the tool's dark one.
  EXPECT_EQ(session_.click(toolOf(5, 1, 3), 5, 1), Click::Changed);
  EXPECT_EQ(session_.click(toolOf(6, 0, 2), 4, 3), Click::Changed);
  EXPECT_EQ(shown(),
            "# # # # # # #\n"
            "# >r . . . Swr #\n"
            "# . @ Lr . . #\n"
            "# . . . Ts . #\n"
            "# # # # # # #\n");
  EXPECT_TRUE(session_.modified());
}

TEST_F(EditorSessionTest, TheRobotsStartMovesOntoACellAndClearsIt) {
  open({kLab});
  EXPECT_EQ(session_.click(toolOf(kRobotStartKind), 3, 2), Click::Changed);
  EXPECT_EQ(model_.robotPosition(), (Position{3, 2}));
  EXPECT_EQ(model_.grid().start(), (Position{3, 2}));
  EXPECT_EQ(shown(),
            "# # # # # # #\n"
            "# >r . . . Swr #\n"
            "# . . @ . . #\n"
            "# . . . . . #\n"
            "# # # # # # #\n");
  EXPECT_TRUE(session_.modified());
}

TEST_F(EditorSessionTest, OpeningASetWhoseFileOrFirstLevelCannotBeReadAnswersFalse) {
  open({kLab});
  std::filesystem::create_directories("Levels/b");
  test::writeSetFile("Levels/b/levels.dat", {test::roomOfWidth(5)});
  std::string bytes = test::readFile("Levels/b/levels.dat");
  bytes[test::markerAt(0) + 2] = 0;  // the first level's width
  test::writeFile("Levels/b/levels.dat", bytes);
  EXPECT_FALSE(session_.openSet(".\\Levels\\b\\levels.dat", ".\\Levels\\b.trelux", ".\\Levels\\b\\"));
  EXPECT_FALSE(session_.openSet(".\\Levels\\none.dat", ".\\Levels\\none.trelux", ".\\Levels\\"));
  EXPECT_TRUE(session_.openSet(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\"));
  EXPECT_EQ(model_.currentLevel(), 0);
  EXPECT_EQ(shown(), kLab);
}

TEST_F(EditorSessionTest, NextAndPreviousCommitAndStopAtTheEnds) {
  open({kLab, test::roomOfWidth(5)});
  EXPECT_EQ(session_.previous(), Step::AtStart);
  session_.click(toolOf(1), 4, 3);
  EXPECT_EQ(session_.next(), Step::Moved);
  EXPECT_EQ(model_.currentLevel(), 1);
  EXPECT_EQ(session_.next(), Step::AtEnd);
  EXPECT_EQ(session_.previous(), Step::Moved);
  EXPECT_EQ(model_.tileAt(4, 3), 1) << "the wall was committed before the step";
}

TEST_F(EditorSessionTest, AStepWhoseCommitFailsGoesNowhere) {
  open({kLab, kLab});
  model_.puzzleSet().close();  // Windows deletes no open file
  removeFile(model_.workingCopyPath());
  EXPECT_EQ(session_.next(), Step::CommitFailed);
  EXPECT_FALSE(session_.addLevel());
  EXPECT_EQ(model_.currentLevel(), 0);
}

TEST_F(EditorSessionTest, GoingToTheCurrentOrAMissingLevelStays) {
  open({kLab, test::roomOfWidth(5)});
  EXPECT_EQ(session_.goTo(1), EditorSession::GoTo::Same);
  EXPECT_EQ(session_.goTo(3), EditorSession::GoTo::Missing);
  EXPECT_EQ(model_.currentLevel(), 0);
  EXPECT_EQ(session_.goTo(2), EditorSession::GoTo::Moved);
  EXPECT_EQ(model_.currentLevel(), 1);
  EXPECT_FALSE(session_.modified());
}

// Before, the board was emptied and the set moved onto the broken level:
// every later save failed, and the edits with it.
TEST_F(EditorSessionTest, AnUnreadableTargetKeepsTheLevelShownAndItsEdits) {
  open({kLab, test::roomOfWidth(5)});
  std::string bytes = readFileBytes(model_.workingCopyPath()).value();
  bytes.at(test::markerAt(1) + 2) = 0;  // the second level's width
  model_.puzzleSet().close();
  ASSERT_TRUE(writeFileBytes(model_.workingCopyPath(), bytes));
  session_.click(toolOf(1), 4, 3);
  const std::string edited = shown();

  EXPECT_EQ(session_.goTo(2), EditorSession::GoTo::Missing);
  EXPECT_FALSE(session_.deleteLevel()) << "the only level left to show cannot be read";
  EXPECT_EQ(shown(), edited);
  EXPECT_EQ(model_.currentLevel(), 0);
  ASSERT_TRUE(session_.save());
  EditorModel reopened;
  ASSERT_TRUE(reopened.loadSet(kSetFile) && reopened.goToLevel(0));
  EXPECT_EQ(formatLevelText(reopened.grid()), edited);
  EXPECT_EQ(reopened.puzzleSet().countLevels(), 2) << "nothing was deleted";
}

// A full disk: the level is written in place, but the set cannot grow.
// Before, the set was left on its last level, and saving then wrote the
// level shown over it.
TEST_F(EditorSessionTest, AFailedAddKeepsTheLevelShownInItsPlace) {
#ifndef _WIN32  // a limit on the size of files is a POSIX one
  open({kLab, test::roomOfWidth(5)});
  const std::string second = readFileBytes(kSetFile)->substr(test::markerAt(1));
  session_.click(toolOf(1), 4, 3);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const rlimit full{readFileBytes(model_.workingCopyPath())->size(), old.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &full);
  EXPECT_FALSE(session_.addLevel());
  setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_TRUE(session_.save());
  EXPECT_EQ(readFileBytes(kSetFile)->substr(test::markerAt(1)), second);
#endif
}

// Ctrl+O, "No" to saving, then Cancel in the chooser: before, the edits
// were marked saved, and Exit left without asking.
TEST_F(EditorSessionTest, NoToSavingGivesTheEditsUpOnlyWhenAnotherSetTakesTheirPlace) {
  open({kLab});
  session_.click(toolOf(1), 4, 3);
  EXPECT_EQ(session_.answerUnsaved(EditorSession::Answer::No), EditorSession::Close::Leave);
  EXPECT_TRUE(session_.modified());
  EXPECT_TRUE(session_.openSet(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\"));
  EXPECT_FALSE(session_.modified());
  session_.click(toolOf(1), 4, 3);
  session_.answerUnsaved(EditorSession::Answer::No);
  EXPECT_TRUE(session_.createSet("Other"));
  EXPECT_FALSE(session_.modified());
}

// The working copies and their records in the levels folder, by name.
std::map<std::string, std::string> leftFiles() {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator("Levels")) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("_ple_", 0) == 0) files[name] = test::readFile(entry.path());
  }
  return files;
}

void putBack(const std::map<std::string, std::string>& files) {
  for (const auto& [name, bytes] : files) test::writeFile("Levels/" + name, bytes);
}

// A killed editor cannot remove its working copy: its files are put back
// here as the kill leaves them.
TEST_F(EditorSessionTest, EditsAnEditorLeftAreRestoredOrDiscardedWithoutAFileLeft) {
  std::filesystem::create_directories("Levels/s");
  test::writeSetFile(kSetFile, {kLab});
  const std::time_t before = std::time(nullptr);
  std::map<std::string, std::string> left;
  std::string edited;
  {
    EditorModel killed;
    EditorSession editing(killed);
    ASSERT_TRUE(editing.openSet(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\"));
    editing.click(toolOf(1), 4, 3);
    edited = formatLevelText(killed.grid());
    left = leftFiles();
  }
  putBack(left);
  std::optional<LeftEdits> found = findLeftEdits(kSetFile, "");
  ASSERT_TRUE(found);
  EXPECT_GE(found->madeAt, before);
  ASSERT_TRUE(session_.openSet(kSetFile, ".\\Levels\\s.trelux", ".\\Levels\\s\\",
                               found->workingCopy));
  EXPECT_EQ(shown(), edited);
  EXPECT_TRUE(session_.modified());
  ASSERT_TRUE(session_.save());
  model_.discardWorkingCopy();
  EXPECT_TRUE(leftFiles().empty());

  putBack(left);
  found = findLeftEdits(kSetFile, "");
  ASSERT_TRUE(found);
  removeWorkingCopy(found->workingCopy);
  EXPECT_TRUE(leftFiles().empty());
}

TEST_F(EditorSessionTest, AddingAndDeletingLevelsAreEdits) {
  open({kLab});
  EXPECT_FALSE(session_.deleteLevel());
  EXPECT_FALSE(session_.modified());
  EXPECT_TRUE(session_.addLevel());
  EXPECT_EQ(model_.currentLevel(), 1);
  EXPECT_TRUE(session_.modified());
}

TEST_F(EditorSessionTest, ClearingLeavesTheRingAndTheStartAndIsAnEdit) {
  open({kLab});
  session_.clearLevel();
  EXPECT_EQ(shown(),
            "# # # # # # #\n"
            "# . . . . . #\n"
            "# . @ . . . #\n"
            "# . . . . . #\n"
            "# # # # # # #\n");
  EXPECT_TRUE(session_.modified());
}

TEST_F(EditorSessionTest, ResizingAsksForAShrinkInEitherDirectionOnly) {
  open({kLab});
  EXPECT_EQ(session_.interiorSize(), (InteriorSize{5, 3}));
  EXPECT_EQ(session_.planResize(5, 3), EditorSession::Resize::Unchanged);
  EXPECT_EQ(session_.planResize(6, 3), EditorSession::Resize::Grows);
  EXPECT_EQ(session_.planResize(4, 9), EditorSession::Resize::Shrinks);
  EXPECT_EQ(session_.planResize(9, 2), EditorSession::Resize::Shrinks);
  session_.resize(20, 20);
  EXPECT_EQ(model_.gridWidth(), 22);
  EXPECT_EQ(model_.gridHeight(), 22);
  EXPECT_EQ(session_.interiorSize(), (InteriorSize{20, 20}));
  EXPECT_TRUE(session_.modified());
}

// A start cut off by a shrink would leave the robot in a wall.
TEST_F(EditorSessionTest, AShrinkKeepsTheRobotsStartInside) {
  open({"# # # # # # # # #\n# . . . . . . . #\n# . . . . . . Lr #\n# . . . . . . @ #\n"
        "# # # # # # # # #\n"});
  session_.resize(5, 5);
  EXPECT_EQ(model_.grid().start(), (Position{5, 3}));
  EXPECT_EQ(model_.robotPosition(), (Position{5, 3}));
  session_.click(toolOf(kRobotStartKind), 5, 2);
  session_.resize(5, 1);
  EXPECT_EQ(model_.grid().start(), (Position{5, 1}));
  EXPECT_EQ(model_.tileAt(5, 1), 2);
}

TEST_F(EditorSessionTest, TextsLoseBytesF0ToFFAndAreEdits) {
  open({kLab});
  session_.setDescription(true, "a\xF0" "b\xFF" "c\xEF");
  EXPECT_EQ(model_.description(), "a b c\xEF");
  EXPECT_TRUE(session_.modified());
  EXPECT_TRUE(session_.setCompletionCode(true, "K\xF5y"));
  EXPECT_EQ(model_.completionCode(), "K y");
}

}  // namespace
}  // namespace trelux
