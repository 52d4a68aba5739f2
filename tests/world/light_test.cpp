#include "world/light.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/level_files.h"
#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {

static void PrintTo(const Beam& b, std::ostream* os) {
  *os << "{colour " << int(b.colour) << ", entry " << b.entrySide << ", " << b.x << "," << b.y
      << "}";
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Marks = std::vector<std::string>;

std::vector<Beam> beams(const BeamList& list) { return {list.begin(), list.end()}; }

std::vector<int> sides(const GridObject& object) {
  return {object.light(kNorth), object.light(kEast), object.light(kSouth), object.light(kWest)};
}

// Every cell that carries light, row by row, as "x,y N E S W" with the
// colour on each of its sides.
Marks lightMarks(const LevelGrid& grid) {
  Marks marks;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const std::vector<int> s = sides(grid.cell(x, y));
      if (s == std::vector<int>{0, 0, 0, 0}) continue;
      marks.push_back(std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(s[0]) +
                      " " + std::to_string(s[1]) + " " + std::to_string(s[2]) + " " +
                      std::to_string(s[3]));
    }
  }
  return marks;
}

Marks lightOf(LevelGrid& grid, std::string_view level) {
  test::buildLevel(grid, level);
  refreshLight(grid);
  return lightMarks(grid);
}

// ---- What each kind does with one beam -----------------------------------------

TEST(LightRules, BeamsCompareColourFirstThenSideThenColumnThenRow) {
  EXPECT_LT((Beam{kRed, kWest, 9, 9}), (Beam{kGreen, kNorth, 0, 0}));
  EXPECT_LT((Beam{kRed, kNorth, 9, 9}), (Beam{kRed, kEast, 0, 0}));
  EXPECT_LT((Beam{kRed, kEast, 0, 9}), (Beam{kRed, kEast, 1, 0}));
  EXPECT_LT((Beam{kRed, kEast, 1, 0}), (Beam{kRed, kEast, 1, 1}));
  EXPECT_LT((Beam{kRed, kEast, -1, 0}), (Beam{kRed, kEast, 0, 0}));
  EXPECT_EQ((Beam{kBlue, kSouth, 2, 3}), (Beam{kBlue, kSouth, 2, 3}));
  EXPECT_NE((Beam{kBlue, kSouth, 2, 3}), (Beam{kBlue, kSouth, 3, 2}));
}

TEST(LightRules, FloorPassesLightStraightThroughAndMarksBothSides) {
  Floor floor;
  EXPECT_THAT(beams(floor.receiveLight(Beam{kMagenta, kNorth, 2, 3})),
              ElementsAre(Beam{kMagenta, kNorth, 2, 4}));
  EXPECT_THAT(sides(floor), ElementsAre(kMagenta, 0, kMagenta, 0));
  EXPECT_THAT(beams(floor.receiveLight(Beam{kGreen, kEast, 2, 3})),
              ElementsAre(Beam{kGreen, kEast, 1, 3}));
  EXPECT_THAT(sides(floor), ElementsAre(kMagenta, kGreen, kMagenta, kGreen));
}

TEST(LightRules, LensPassesOnlyTheColourItShares) {
  Lens cyan(kCyan);
  EXPECT_THAT(beams(cyan.receiveLight(Beam{kWhite, kEast, 2, 3})),
              ElementsAre(Beam{kCyan, kEast, 1, 3}));
  EXPECT_THAT(sides(cyan), ElementsAre(0, kCyan, 0, kCyan));

  // Nothing shared: no mark, and a black beam goes on to be dropped.
  Lens green(kGreen);
  EXPECT_THAT(beams(green.receiveLight(Beam{kRed, kWest, 2, 3})),
              ElementsAre(Beam{kBlack, kWest, 3, 3}));
  EXPECT_THAT(sides(green), ElementsAre(0, 0, 0, 0));
}

TEST(LightRules, MirrorTurnsEveryBeamAQuarterTurn) {
  const struct {
    int32_t orientation;
    Direction entry;
    Beam out;
  } cases[] = {
      {0, kNorth, {kWhite, kWest, 6, 5}}, {0, kEast, {kWhite, kSouth, 5, 4}},
      {0, kSouth, {kWhite, kEast, 4, 5}}, {0, kWest, {kWhite, kNorth, 5, 6}},
      {1, kNorth, {kWhite, kEast, 4, 5}}, {1, kEast, {kWhite, kNorth, 5, 6}},
      {1, kSouth, {kWhite, kWest, 6, 5}}, {1, kWest, {kWhite, kSouth, 5, 4}},
      {2, kNorth, {kWhite, kEast, 4, 5}}, {3, kWest, {kWhite, kSouth, 5, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << " entry " << c.entry);
    Mirror mirror(kWhite, c.orientation);
    EXPECT_THAT(beams(mirror.receiveLight(Beam{kWhite, c.entry, 5, 5})), ElementsAre(c.out));
  }
}

TEST(LightRules, MirrorMarksTheEntryUnfilteredAndTheExitFiltered) {
  Mirror blue(kBlue, 0);
  EXPECT_THAT(beams(blue.receiveLight(Beam{kWhite, kNorth, 1, 1})),
              ElementsAre(Beam{kBlue, kWest, 2, 1}));
  EXPECT_THAT(sides(blue), ElementsAre(kWhite, kBlue, 0, 0));

  Mirror red(kRed, 1);
  EXPECT_THAT(beams(red.receiveLight(Beam{kGreen, kSouth, 1, 1})),
              ElementsAre(Beam{kBlack, kWest, 2, 1}));
  EXPECT_THAT(sides(red), ElementsAre(0, 0, kGreen, 0));
}

TEST(LightRules, WallsAndLasersAbsorbLightUnmarked) {
  Wall wall;
  Laser laser(kRed, kEast);
  EXPECT_THAT(beams(wall.receiveLight(Beam{kWhite, kWest, 1, 1})), IsEmpty());
  EXPECT_THAT(beams(laser.receiveLight(Beam{kWhite, kEast, 1, 1})), IsEmpty());
  EXPECT_THAT(sides(wall), ElementsAre(0, 0, 0, 0));
  EXPECT_THAT(sides(laser), ElementsAre(0, 0, 0, 0));
}

TEST(LightRules, SensorTakesLightOnlyThroughItsFacingSide) {
  Sensor sensor(kRed, kWest);
  EXPECT_THAT(beams(sensor.receiveLight(Beam{kRed, kNorth, 1, 1})), IsEmpty());
  EXPECT_THAT(beams(sensor.receiveLight(Beam{kRed, kEast, 1, 1})), IsEmpty());
  EXPECT_THAT(sides(sensor), ElementsAre(0, 0, 0, 0));
  EXPECT_FALSE(sensor.isLit());

  EXPECT_THAT(beams(sensor.receiveLight(Beam{kRed, kWest, 1, 1})), IsEmpty());
  EXPECT_THAT(sides(sensor), ElementsAre(0, 0, 0, kRed));
  EXPECT_TRUE(sensor.isLit());
}

TEST(LightRules, SensorLightsWhenTheMixIsExactlyItsColour) {
  Sensor redFirst(kMagenta, kSouth);
  redFirst.receiveLight(Beam{kRed, kSouth, 0, 0});
  EXPECT_FALSE(redFirst.isLit());
  redFirst.receiveLight(Beam{kBlue, kSouth, 0, 0});
  EXPECT_TRUE(redFirst.isLit());

  Sensor blueFirst(kMagenta, kSouth);
  blueFirst.receiveLight(Beam{kBlue, kSouth, 0, 0});
  blueFirst.receiveLight(Beam{kRed, kSouth, 0, 0});
  EXPECT_TRUE(blueFirst.isLit());

  // Red plus green is yellow, which a red sensor does not want.
  Sensor red(kRed, kSouth);
  red.receiveLight(Beam{kRed, kSouth, 0, 0});
  EXPECT_TRUE(red.isLit());
  red.receiveLight(Beam{kGreen, kSouth, 0, 0});
  EXPECT_FALSE(red.isLit());
  EXPECT_EQ(litSensorCount(), 2);

  Sensor white(kMagenta, kSouth);
  white.receiveLight(Beam{kWhite, kSouth, 0, 0});
  EXPECT_FALSE(white.isLit());
}

TEST(LightRules, TMirrorSplitsAtTheStemJoinsAtTheArmsAndStopsAtTheBack) {
  TMirror stem(kNorth);
  EXPECT_THAT(beams(stem.receiveLight(Beam{kYellow, kNorth, 3, 3})),
              ElementsAre(Beam{kYellow, kEast, 2, 3}, Beam{kYellow, kWest, 4, 3}));
  EXPECT_THAT(sides(stem), ElementsAre(kYellow, kYellow, 0, kYellow));

  TMirror arms(kNorth);
  EXPECT_THAT(beams(arms.receiveLight(Beam{kRed, kEast, 3, 3})),
              ElementsAre(Beam{kRed, kSouth, 3, 2}));
  EXPECT_THAT(beams(arms.receiveLight(Beam{kBlue, kWest, 3, 3})),
              ElementsAre(Beam{kBlue, kSouth, 3, 2}));
  EXPECT_THAT(sides(arms), ElementsAre(kMagenta, kRed, 0, kBlue));

  TMirror back(kNorth);
  EXPECT_THAT(beams(back.receiveLight(Beam{kWhite, kSouth, 3, 3})), IsEmpty());
  EXPECT_THAT(sides(back), ElementsAre(0, 0, 0, 0));

  // Stem east: the north arm's beam comes first, then the south arm's.
  TMirror east(kEast);
  EXPECT_THAT(beams(east.receiveLight(Beam{kGreen, kEast, 3, 3})),
              ElementsAre(Beam{kGreen, kSouth, 3, 2}, Beam{kGreen, kNorth, 3, 4}));
  EXPECT_THAT(beams(east.receiveLight(Beam{kGreen, kWest, 3, 3})), IsEmpty());
}

// ---- Whole light passes over a level ------------------------------------------

TEST(LightPass, LasersFacingAWallOrOfNoColourLightNothing) {
  LevelGrid grid;
  EXPECT_THAT(lightOf(grid, R"(
# # # # #
# <r . >g #
# >b # . #
# >k . . #
# # # # #
)"),
              IsEmpty());
}

TEST(LightPass, RedThroughACorridorStopsAtAGreenLens) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # # #
# >r . . Lg . #
# # # # # # #
)"),
            (Marks{"2,1 0 1 0 1", "3,1 0 1 0 1"}));
}

TEST(LightPass, ALensPassesItsShareOfWhite) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # #
# >w . Lc . #
# # # # # #
)"),
            (Marks{"2,1 0 7 0 7", "3,1 0 6 0 6", "4,1 0 6 0 6"}));
}

TEST(LightPass, WhiteIntoABlueMirrorGoesOnBlue) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # #
# . . . . #
# >w . /b . #
# . . . . #
# # # # # #
)"),
            (Marks{"3,1 4 0 4 0", "2,2 0 7 0 7", "3,2 4 0 0 7"}));
}

TEST(LightPass, TMirrorStemArmAndBack) {
  LevelGrid stem;
  EXPECT_EQ(lightOf(stem, R"(
# # # # # # #
# . . vr . . #
# . . Tn . . #
# . . . . . #
# # # # # # #
)"),
            (Marks{"1,2 0 1 0 1", "2,2 0 1 0 1", "3,2 1 1 0 1", "4,2 0 1 0 1", "5,2 0 1 0 1"}));

  LevelGrid arm;
  EXPECT_EQ(lightOf(arm, R"(
# # # # # # #
# . . . . . #
# >g . Tn . . #
# . . . . . #
# # # # # # #
)"),
            (Marks{"3,1 2 0 2 0", "2,2 0 2 0 2", "3,2 2 0 0 2"}));

  LevelGrid back;
  EXPECT_EQ(lightOf(back, R"(
# # # # # # #
# . . vb . . #
# . . . . . #
# . . Ts . . #
# # # # # # #
)"),
            (Marks{"3,2 4 0 4 0"}));
}

TEST(LightPass, RedAndBlueLasersLightAMagentaSensorUntilOneIsTurnedAway) {
  LevelGrid grid;
  test::buildLevel(grid, R"(
# # # # # # #
# . . Ssm . . #
# >r . Tn . <b #
# . . . \w . #
# # # # # # #
)");
  refreshLight(grid);
  EXPECT_EQ(grid.cell(3, 1).light(kSouth), kMagenta);
  EXPECT_EQ(grid.cell(3, 1).tileIndex(), 93);
  EXPECT_EQ(litSensorCount(), 1);
  EXPECT_TRUE(isLevelComplete(grid));

  // The mirror moved into the blue beam sends it north, away from the sensor.
  ASSERT_TRUE(grid.swapCells({4, 3}, {4, 2}));
  refreshLight(grid);
  EXPECT_EQ(grid.cell(3, 1).light(kSouth), kRed);
  EXPECT_EQ(grid.cell(3, 1).tileIndex(), 61);
  EXPECT_EQ(grid.cell(4, 1).light(kSouth), kBlue);
  EXPECT_EQ(litSensorCount(), 0);
  EXPECT_FALSE(isLevelComplete(grid));
}

TEST(LightPass, TheSensorSeesTheMixWhicheverLaserComesFirst) {
  LevelGrid blueFirst;
  test::buildLevel(blueFirst, "# # # # # # #\n# . . Ssm . . #\n# >b . Tn . <r #\n# # # # # # #\n");
  refreshLight(blueFirst);
  EXPECT_TRUE(isLevelComplete(blueFirst));
  blueFirst.close();

  LevelGrid yellow;
  test::buildLevel(yellow, "# # # # # # #\n# . . Ssr . . #\n# >r . Tn . <g #\n# # # # # # #\n");
  refreshLight(yellow);
  EXPECT_EQ(yellow.cell(3, 1).light(kSouth), kYellow);
  EXPECT_FALSE(isLevelComplete(yellow));
}

TEST(LightPass, FourMirrorsSendTheBeamOnceRoundTheSquareAndOut) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # # # #
# . vr . . . . #
# . \w . . \w . #
# . . . . . . #
# . \w . . /w . #
# . . . . . . #
# # # # # # # #
)"),
            (Marks{"1,2 0 1 0 1", "2,2 1 1 1 1", "3,2 0 1 0 1", "4,2 0 1 0 1", "5,2 0 0 1 1",
                   "2,3 1 0 1 0", "5,3 1 0 1 0",  //
                   "2,4 1 1 0 0", "3,4 0 1 0 1", "4,4 0 1 0 1", "5,4 1 0 0 1"}));
}

// The stem's beam is led round by mirrors into the T-mirror's other arm and
// leaves through the stem again: the same beam as before, so the pass ends.
TEST(LightPass, ABeamThatComesBackToItsStartEnds) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # # #
# . . . . . #
# >r . Ts . \w #
# . . \w . /w #
# . . . . . #
# # # # # # #
)"),
            (Marks{"2,2 0 1 0 1", "3,2 0 1 1 1", "4,2 0 1 0 1", "5,2 0 0 1 1",  //
                   "3,3 1 1 0 0", "4,3 0 1 0 1", "5,3 1 0 0 1"}));
}

// Both branches of a split come back into the T-mirror's arms and leave by
// the stem towards the laser; each distinct beam is followed once.
TEST(LightPass, SplitBranchesLedBackIntoTheArmsEnd) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # # #
# /w . . . \w #
# . . . . . #
# \w . Ts . /w #
# . . . . . #
# . . ^r . . #
# # # # # # #
)"),
            (Marks{"1,1 0 1 1 0", "2,1 0 1 0 1", "3,1 0 1 0 1", "4,1 0 1 0 1", "5,1 0 0 1 1",
                   "1,2 1 0 1 0", "5,2 1 0 1 0",  //
                   "1,3 1 1 0 0", "2,3 0 1 0 1", "3,3 0 1 1 1", "4,3 0 1 0 1", "5,3 1 0 0 1",
                   "3,4 1 0 1 0"}));
}

TEST(LightPass, BeamsOfAllLasersAddUpAndEachRefreshStartsAfresh) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, R"(
# # # # # #
# . . vb . #
# >r . . . #
# . . . . #
# # # # # #
)"),
            (Marks{"2,2 0 1 0 1", "3,2 4 1 4 1", "4,2 0 1 0 1", "3,3 4 0 4 0"}));

  ASSERT_TRUE(grid.replaceCell(3, 1, std::make_unique<Wall>()));
  refreshLight(grid);
  EXPECT_EQ(lightMarks(grid), (Marks{"2,2 0 1 0 1", "3,2 0 1 0 1", "4,2 0 1 0 1"}));
}

TEST(LightPass, BeamsLeaveALevelWithoutWallsAndEnd) {
  LevelGrid grid;
  EXPECT_EQ(lightOf(grid, ". >r . /w\n<g . vb .\n"), (Marks{"2,0 0 1 0 1", "3,0 1 0 0 1"}));

  // The edge rows are cleared by the next refresh like any other.
  ASSERT_TRUE(grid.replaceCell(1, 0, std::make_unique<Floor>()));
  refreshLight(grid);
  EXPECT_THAT(lightMarks(grid), IsEmpty());
}

TEST(LevelComplete, OnlyWhenEverySensorIsLit) {
  LevelGrid none;
  test::buildLevel(none, "# # # #\n# >r . #\n# # # #\n");
  refreshLight(none);
  EXPECT_FALSE(isLevelComplete(none));

  LevelGrid two;
  test::buildLevel(two, "# # # # # #\n# >r . . Swr #\n# >g . . Swb #\n# # # # # #\n");
  refreshLight(two);
  EXPECT_FALSE(isLevelComplete(two));

  ASSERT_TRUE(two.replaceCell(1, 2, std::make_unique<Laser>(kBlue, kEast)));
  refreshLight(two);
  EXPECT_TRUE(isLevelComplete(two));
}

// The editor keeps its level while a test play or a solver's copy runs on
// another grid: each grid's completion counts only its own sensors.
TEST(LevelComplete, AnotherGridsDarkSensorsDoNotCount) {
  LevelGrid dark;
  test::buildLevel(dark, "# # # # #\n# >r . Swg #\n# # # # #\n");
  refreshLight(dark);
  LevelGrid lit;
  test::buildLevel(lit, "# # # # #\n# >r . Swr #\n# # # # #\n");
  refreshLight(lit);
  EXPECT_TRUE(isLevelComplete(lit));
  EXPECT_FALSE(isLevelComplete(dark));
}

// The editor's solver computes light on a thread of its own while the game
// may compute it too: each pass keeps its record of followed beams to
// itself.
TEST(LightPass, PassesOnTwoThreadsAtOnceFollowEveryBeam) {
  const auto run = [](std::string_view level, int& misses) {
    LevelGrid grid;
    test::buildLevel(grid, level);
    for (int i = 0; i < 2000; ++i) {
      refreshLight(grid);
      if (!isLevelComplete(grid)) ++misses;
    }
  };
  int smallMisses = 0, wideMisses = 0;
  std::thread small(run, "# # # # #\n# >r . Swr #\n# # # # #\n", std::ref(smallMisses));
  std::thread wide(run,
                   "# # # # # # # # # # # # # # # # # # # # # #\n"
                   "# >g . . . . . . . . . . . . . . . . . . \\g #\n"
                   "# . . . . . . . . . . . . . . . . . . . . #\n"
                   "# Seg . . . . . . . . . . . . . . . . . . /g #\n"
                   "# # # # # # # # # # # # # # # # # # # # # #\n",
                   std::ref(wideMisses));
  small.join();
  wide.join();
  EXPECT_EQ(smallMisses, 0);
  EXPECT_EQ(wideMisses, 0);
}

}  // namespace
}  // namespace trelux
