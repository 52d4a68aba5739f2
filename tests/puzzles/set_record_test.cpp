// What the chooser and Go to Level show of a set: the levels won, how far
// the player reached, the lines of the list, and the set offered first.
#include "puzzles/set_record.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "puzzles/puzzle_set_file.h"
#include "puzzles/set_choice.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

class Record : public ::testing::Test {
 protected:
  // Five levels with code and progress; levels (0-based) in won are won in
  // 10 + level moves.
  void makeSet(uint8_t progress, const std::vector<int32_t>& won) {
    test::writeSetFile("levels.dat", {test::kLab, test::kLab, test::kLab, test::kLab, test::kLab});
    PuzzleSetFile set;
    ASSERT_TRUE(set.open("levels.dat"));
    ASSERT_TRUE(set.setCompletionCode(true, "Glow"));
    ASSERT_TRUE(set.setProgress(progress));
    LevelGrid grid;
    for (int32_t level : won) {
      ASSERT_TRUE(set.seekLevel(level) && set.readLevel(grid));
      bests.record({"levels.dat", level, *grid.levelBytes()}, 10 + level);
    }
  }

  test::ScratchFolder folder;
  BestMoves bests{"bests.ini"};
};

TEST_F(Record, CountsTheLevelsWonAndReachesTheFurthestOfProgressWinsAndPlay) {
  makeSet(1, {0, 3});
  const auto record = readSetRecord("levels.dat", bests);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->levels(), 5);
  EXPECT_EQ(record->won(), 2);
  EXPECT_EQ(describeRecord(*record), "Levels won:\n2 of 5\n\nHas a completion code.");
  EXPECT_EQ(record->reached(), 5) << "level 4 was won, so level 5 was reached";
  std::filesystem::remove("bests.ini");
  makeSet(2, {});
  EXPECT_EQ(readSetRecord("levels.dat", bests)->reached(), 3) << "by the stored progress";
  EXPECT_EQ(readSetRecord("levels.dat", bests)->reached(3), 4) << "by the level played";
}

TEST_F(Record, GoToListsTheLevelsReachedWithTheirBests) {
  makeSet(0, {0, 1});
  const auto record = readSetRecord("levels.dat", bests);
  ASSERT_TRUE(record);
  EXPECT_EQ(levelChoices(*record, 0),
            (std::vector<std::string>{"Level 1: best 10 moves", "Level 2: best 11 moves",
                                      "Level 3: not won yet"}));
}

TEST(SetChoice, OffersTheSetPlayedLastElseTrainingElseTheFirst) {
  const std::vector<PuzzleSetEntry> sets{{".\\levels\\prism\\", "Prism Master", ".\\levels\\prism_master.trelux"},
                                         {".\\levels\\training\\", "Training", ".\\levels\\training.trelux"},
                                         {".\\levels\\mine\\", "Mine", ".\\levels\\mine.trelux"}};
  EXPECT_EQ(preselectedSet(sets, ".\\Levels\\MINE.trelux"), 2);
  EXPECT_EQ(preselectedSet(sets, ""), 1);
  EXPECT_EQ(preselectedSet(sets, ".\\levels\\gone.trelux"), 1);
  EXPECT_EQ(preselectedSet({sets[0], sets[2]}, ""), 0);
  EXPECT_EQ(preselectedSet({}, ""), -1);
}

}  // namespace
}  // namespace trelux
