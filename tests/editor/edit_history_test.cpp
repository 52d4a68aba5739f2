// Undo and redo over the editor's model, duplicating and moving levels, and
// the cells a drag crosses.
#include "editor/edit_history.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor_model.h"
#include "editor/editor_session.h"
#include "editor/level_order.h"
#include "editor/palette.h"
#include "editor/stroke.h"
#include "puzzles/level_text.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::kLab;
using test::kPullToWin;
using Scope = EditHistory::Scope;
using Result = EditHistory::Result;

using test::kSetFile;

class EditHistoryTest : public ::testing::Test {
 protected:
  void open(const std::vector<std::string>& levels) {
    std::filesystem::create_directories("Levels/s");
    test::writeSetFile(kSetFile, levels);
    ASSERT_TRUE(model_.loadSet(kSetFile));
    ASSERT_TRUE(model_.goToLevel(0));
  }
  std::string shown() const { return formatLevelText(model_.grid()); }
  // Counting seeks through the set; the level shown stays current.
  int32_t levels() {
    const int32_t current = model_.currentLevel();
    const int32_t count = model_.puzzleSet().countLevels();
    model_.puzzleSet().seekLevel(current);
    return count;
  }
  std::string levelAt(int32_t index) {
    EXPECT_TRUE(model_.commitLevel() && model_.goToLevel(index));
    return shown();
  }
  void placeWall(int32_t x, int32_t y) {
    history_.begin(Scope::Level);
    session_.click(makePalette()[1], x, y);
    history_.end();
  }

  test::ScratchFolder scratch_;
  EditorModel model_;
  EditorSession session_{model_};
  EditHistory history_{model_};
};

TEST_F(EditHistoryTest, UndoTakesBackEachEditInTurnOnItsLevelAndRedoPutsItBack) {
  open({kLab, kPullToWin});
  placeWall(4, 3);
  const std::string walled = shown();
  history_.begin(Scope::Set);
  ASSERT_TRUE(session_.addLevel());
  EXPECT_TRUE(history_.end());
  history_.begin(Scope::Level);
  session_.setDescription(true, "new");
  EXPECT_TRUE(history_.end());

  EXPECT_EQ(history_.undo(), Result::Done);
  EXPECT_FALSE(model_.hasDescription());
  EXPECT_EQ(history_.undo(), Result::Done) << "the added level";
  EXPECT_EQ(levels(), 2);
  EXPECT_EQ(levelAt(1), kPullToWin);
  EXPECT_EQ(history_.undo(), Result::Done) << "the wall, back on level 0";
  EXPECT_EQ(model_.currentLevel(), 0);
  EXPECT_EQ(shown(), kLab);

  EXPECT_EQ(history_.redo(), Result::Done);
  EXPECT_EQ(shown(), walled);
  EXPECT_EQ(history_.redo(), Result::Done);
  EXPECT_EQ(levels(), 3);
  placeWall(1, 3);
  EXPECT_EQ(history_.redo(), Result::Nothing) << "a new edit ends what could be redone";
}

TEST_F(EditHistoryTest, AnEditThatChangedNothingLeavesNothingToUndo) {
  open({kLab});
  placeWall(0, 0);
  history_.begin(Scope::Set);
  EXPECT_FALSE(history_.end());
  EXPECT_EQ(history_.undo(), Result::Nothing);
}

TEST_F(EditHistoryTest, ADuplicateFollowsItsOriginalAndMovesExchangeNeighbours) {
  open({kLab, kPullToWin});
  ASSERT_TRUE(duplicateLevel(model_));
  EXPECT_EQ(model_.currentLevel(), 1);
  EXPECT_EQ(shown(), kLab);
  EXPECT_EQ(levelAt(2), kPullToWin);
  EXPECT_EQ(moveLevel(model_, 1), LevelMove::AtEdge);
  EXPECT_EQ(model_.currentLevel(), 2);
  EXPECT_EQ(moveLevel(model_, -1), LevelMove::Moved);
  EXPECT_EQ(model_.currentLevel(), 1);
  EXPECT_EQ(shown(), kPullToWin);
  EXPECT_EQ(levelAt(2), kLab);
}

TEST(Stroke, FillsEveryCellBetweenTwoReportsSideBySide) {
  Position at{1, 1};
  for (Position cell : cellsCrossed(at, {4, 2})) {
    EXPECT_EQ(std::abs(cell.x - at.x) + std::abs(cell.y - at.y), 1);
    at = cell;
  }
  EXPECT_EQ(at, (Position{4, 2}));
  EXPECT_EQ(cellAtPixel(-1, 24), (Position{-1, 0}));
}

}  // namespace
}  // namespace trelux
