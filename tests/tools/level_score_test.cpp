// The level score on two small levels: one whose sensors each want a laser's
// colour as it comes (one of them lit before the first key), and one whose
// T-mirror splits white light into two filtered colours.
#include "level_score.h"

#include <string>

#include <gtest/gtest.h>

#include "scratch_file.h"
#include "set_text.h"

namespace trelux {
namespace {

constexpr const char* kLevels =
    "set: scores\n"
    "level: a mirror into the red beam; the green sensor is lit from the start\n"
    "solution: UUUULU\n"
    "# # # # # # # # #\n"
    "# >g . . . . . Swg #\n"
    "# >r . . . . \\r . #\n"
    "# . . . . . . . #\n"
    "# . . . . . . . #\n"
    "# . . . . . . . #\n"
    "# . . . . Snr . @ #\n"
    "# # # # # # # # #\n"
    "level: the T-mirror pushed into white light feeds a red and a blue sensor\n"
    "solution: LU\n"
    "# # # # # # #\n"
    "# . . Ssr . . #\n"
    "# . . Lr . . #\n"
    "# >w . . Tw @ #\n"
    "# . . Lb . . #\n"
    "# . . Snb . . #\n"
    "# # # # # # #\n";

tool::LevelScore scoreOf(int32_t level) {
  tool::SetSource set;
  std::string error;
  EXPECT_TRUE(tool::parseSetText(kLevels, "scores.txt", set, error)) << error;
  tool::ScratchLevelFile file;
  EXPECT_TRUE(file.compile(set, error)) << error;
  tool::LevelScore score;
  EXPECT_TRUE(tool::scoreLevel(file.path(), level, set.levels[static_cast<size_t>(level)].solution, score, error))
      << error;
  return score;
}

TEST(LevelScore, CountsOwnColourSensorsAndOneLitAllAlongAsFlaws) {
  const tool::LevelScore score = scoreOf(0);
  EXPECT_EQ(score.light.ownSensors, 2);
  EXPECT_EQ(score.light.filteredSensors + score.light.meetSensors + score.light.wrongSideSensors, 0);
  EXPECT_EQ(score.litUntouched, 1);
  EXPECT_EQ(score.moves, 1);
  EXPECT_EQ(score.wastedMoves(), 0);
  EXPECT_EQ(score.noZapKeys, 6u);
  EXPECT_EQ(score.score(), 6 - 10 * 3);
}

TEST(LevelScore, CountsASplitIntoTwoFilteredColoursAsIdeas) {
  const tool::LevelScore score = scoreOf(1);
  EXPECT_EQ(score.light.splits, 1);
  EXPECT_EQ(score.light.filteredSensors, 2);
  EXPECT_EQ(score.light.ownSensors + score.light.meetSensors + score.light.joins + score.light.bends, 0);
  EXPECT_EQ(score.litUntouched, 0);
  EXPECT_EQ(score.noZapKeys, 2u);
  EXPECT_EQ(score.score(), 2 + 10 * 3);
}

}  // namespace
}  // namespace trelux
