#include "world/moves.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"
#include "world/play_recorder.h"

namespace trelux {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Everything a move may change: the robot, which object stands in each cell
// and the light on every side.
struct Board {
  Position robot;
  Direction direction = kNorth;
  std::vector<const GridObject*> objects;
  std::vector<int> light;
  bool operator==(const Board&) const = default;
};

Board boardOf(const PlayModel& model) {
  Board board{model.robotPosition(), model.robotDirection(), {}, {}};
  for (int32_t y = 0; y < model.gridHeight(); ++y) {
    for (int32_t x = 0; x < model.gridWidth(); ++x) {
      board.objects.push_back(&model.grid().cell(x, y));
      for (Direction side : kDirections) board.light.push_back(model.sideLightAt(x, y, side));
    }
  }
  return board;
}

// Records the calls and also what the board showed when the zap pause began.
class ZapWatcher : public PlayRecorder {
 public:
  explicit ZapWatcher(const PlayModel& model) : model_(model) {}
  void pause(int32_t milliseconds) override {
    PlayRecorder::pause(milliseconds);
    shown = boardOf(model_);
    robotWasInLight = model_.robotInLight();
  }
  std::optional<Board> shown;
  bool robotWasInLight = false;

 private:
  const PlayModel& model_;
};

const std::vector<std::string> kZapped = {"paint", "sound zap.wav", "pause 500", "paint"};

class RobotMoves : public ::testing::Test {
 protected:
  // Starts the level as the play screen does: level 0 of a set, the robot
  // at its start facing north.
  void play(const std::string& level) {
    test::writeSetFile("levels.dat", {level});
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
  }
  const GridObject* at(int32_t x, int32_t y) { return &model.grid().cell(x, y); }
  void placeRobot(int32_t x, int32_t y, Direction direction) {
    ASSERT_TRUE(model.moveRobotTo(x, y));
    model.setRobotDirection(direction);
    effects.clear();
  }

  test::ScratchFolder folder;
  PlayModel model;
  ZapWatcher effects{model};
};

TEST_F(RobotMoves, PushingAMirrorThatReflectsOntoTheRobotIsTakenBack) {
  play(R"(
# # # # # #
# . . . . #
# . . . <r #
# . /w . . #
# . @ . . #
# # # # # #
)");
  const GridObject* mirror = at(2, 3);
  const Board before = boardOf(model);

  moveForward(model, effects);
  EXPECT_THAT(effects.events(),
              ElementsAre("sound push.wav", "paint", "sound zap.wav", "pause 500", "paint"));
  ASSERT_TRUE(effects.shown.has_value());
  EXPECT_EQ(effects.shown->robot, (Position{2, 3}));
  EXPECT_TRUE(effects.robotWasInLight);
  EXPECT_EQ(effects.shown->objects[2 * 6 + 2], mirror);
  EXPECT_EQ(boardOf(model), before);
}

TEST_F(RobotMoves, PullingALensOutOfABeamThatThenFallsOnTheRobotIsTakenBack) {
  play(R"(
# # # # # #
# . . . . #
# >r Lg \w . #
# . @ . . #
# . . /w . #
# . . . . #
# # # # # #
)");
  const GridObject* lens = at(2, 2);
  const Board before = boardOf(model);

  moveBackward(model, effects);
  EXPECT_THAT(effects.events(),
              ElementsAre("sound push.wav", "paint", "sound zap.wav", "pause 500", "paint"));
  ASSERT_TRUE(effects.shown.has_value());
  EXPECT_EQ(effects.shown->robot, (Position{2, 4}));
  EXPECT_TRUE(effects.robotWasInLight);
  EXPECT_EQ(effects.shown->objects[3 * 6 + 2], lens);
  EXPECT_EQ(boardOf(model), before);
}

TEST_F(RobotMoves, PushAndPullMoveTheObjectAndRecomputeTheLight) {
  play(R"(
# # # # # #
# >r . . . #
# . Lg . . #
# . @ . . #
# # # # # #
)");
  const GridObject* lens = at(2, 2);
  const GridObject* floor = at(2, 1);
  const Board before = boardOf(model);
  ASSERT_EQ(model.sideLightAt(3, 1, kWest), kRed);

  moveForward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("sound push.wav", "paint"));
  EXPECT_EQ(model.robotPosition(), (Position{2, 2}));
  EXPECT_EQ(at(2, 1), lens);
  EXPECT_EQ(at(2, 2), floor);
  EXPECT_EQ(model.sideLightAt(3, 1, kWest), kBlack);

  effects.clear();
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("sound push.wav", "paint"));
  EXPECT_EQ(boardOf(model), before);
}

const char* kBlockedObjects = R"(
# # # # # # # # #
# Lr . Lb . Snr . ^r #
# @ . Lg . Tn . /w #
# . . . . . . . #
# . . . . . . . #
# # # # # # # # #
)";

// A lens against a wall, a lens against a lens, a T-mirror against a sensor,
// a mirror against a laser.
TEST_F(RobotMoves, OnlyOneObjectMovesAndNeverIntoAnythingSolid) {
  play(kBlockedObjects);
  const Position pushers[] = {{1, 2}, {3, 3}, {5, 3}, {7, 3}};
  for (Position p : pushers) {
    SCOPED_TRACE(testing::Message() << "robot at " << p.x << "," << p.y);
    placeRobot(p.x, p.y, kNorth);
    const Board before = boardOf(model);
    moveForward(model, effects);
    EXPECT_THAT(effects.events(), IsEmpty());
    EXPECT_EQ(boardOf(model), before);
  }
}

TEST_F(RobotMoves, StepsBackFacingAMovableObjectAlwaysPullIt) {
  play(kBlockedObjects);
  const GridObject* lens = at(1, 1);
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("sound push.wav", "paint"));
  EXPECT_EQ(at(1, 2), lens);
  EXPECT_EQ(model.robotPosition(), (Position{1, 3}));

  effects.clear();
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("sound push.wav", "paint"));
  EXPECT_EQ(at(1, 3), lens);
  EXPECT_EQ(model.robotPosition(), (Position{1, 4}));

  // A wall behind: neither pull nor step.
  effects.clear();
  const Board before = boardOf(model);
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_EQ(boardOf(model), before);
}

TEST_F(RobotMoves, LasersAndSensorsAreNeitherPushedNorPulled) {
  play(R"(
# # # # # #
# Snr . ^g . #
# @ . . . #
# . . . . #
# # # # # #
)");
  const GridObject* sensor = at(1, 1);
  const GridObject* laser = at(3, 1);

  moveForward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_EQ(model.robotPosition(), (Position{1, 2}));
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("cell 1 2", "robot"));
  EXPECT_EQ(model.robotPosition(), (Position{1, 3}));

  placeRobot(3, 2, kNorth);
  moveForward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("cell 3 2", "robot"));
  EXPECT_EQ(model.robotPosition(), (Position{3, 3}));
  EXPECT_EQ(at(1, 1), sensor);
  EXPECT_EQ(at(3, 1), laser);
}

TEST_F(RobotMoves, SteppingIntoAnyBeamIsZappedButBesideABeamIsNot) {
  play(R"(
# # # # # # #
# >w . Lb . . #
# . @ . . . #
# . . . . . #
# # # # # # #
)");
  // Into the white beam.
  Board before = boardOf(model);
  moveForward(model, effects);
  EXPECT_EQ(effects.events(), kZapped);
  ASSERT_TRUE(effects.shown.has_value());
  EXPECT_EQ(effects.shown->robot, (Position{2, 1}));
  EXPECT_EQ(boardOf(model), before);

  // Into the blue the lens lets through.
  placeRobot(4, 2, kNorth);
  before = boardOf(model);
  moveForward(model, effects);
  EXPECT_EQ(effects.events(), kZapped);
  EXPECT_EQ(boardOf(model), before);

  // Backwards into it.
  placeRobot(4, 2, kSouth);
  before = boardOf(model);
  moveBackward(model, effects);
  EXPECT_EQ(effects.events(), kZapped);
  EXPECT_EQ(effects.shown->robot, (Position{4, 1}));
  EXPECT_EQ(boardOf(model), before);

  // Next to it.
  placeRobot(4, 3, kNorth);
  moveForward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("cell 4 3", "robot"));
  EXPECT_EQ(model.robotPosition(), (Position{4, 2}));
}

// A level may start with the robot in a beam: turning is never zapped and
// the first step out is allowed.
TEST_F(RobotMoves, TurnsAreQuarterTurnsAndNeverZapped) {
  play("# # # # #\n# >r @ . #\n# . . . #\n# # # # #\n");
  ASSERT_TRUE(model.robotInLight());
  const Board before = boardOf(model);

  turnLeft(model, effects);
  EXPECT_EQ(model.robotDirection(), kWest);
  turnLeft(model, effects);
  EXPECT_EQ(model.robotDirection(), kSouth);
  turnRight(model, effects);
  turnRight(model, effects);
  turnRight(model, effects);
  EXPECT_EQ(model.robotDirection(), kEast);
  turnLeft(model, effects);
  EXPECT_EQ(model.robotDirection(), kNorth);
  EXPECT_EQ(effects.events(), std::vector<std::string>(6, "robot"));
  EXPECT_EQ(boardOf(model), before);

  effects.clear();
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), ElementsAre("cell 2 1", "robot"));
  EXPECT_EQ(model.robotPosition(), (Position{2, 2}));

  effects.clear();
  moveForward(model, effects);
  EXPECT_EQ(effects.events(), kZapped);
  EXPECT_EQ(model.robotPosition(), (Position{2, 2}));
}

TEST_F(RobotMoves, NeitherRobotNorObjectLeavesALevelWithoutWalls) {
  play(". @ .\n. Lr .\n. . .\n");
  const GridObject* lens = at(1, 1);
  const Board start = boardOf(model);
  moveForward(model, effects);
  moveBackward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_EQ(boardOf(model), start);

  placeRobot(1, 0, kSouth);
  moveForward(model, effects);
  EXPECT_EQ(at(1, 2), lens);
  EXPECT_EQ(model.robotPosition(), (Position{1, 1}));

  effects.clear();
  const Board pushed = boardOf(model);
  moveForward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_EQ(boardOf(model), pushed);

  placeRobot(2, 1, kEast);
  moveForward(model, effects);
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_EQ(model.robotPosition(), (Position{2, 1}));
}

TEST_F(RobotMoves, EveryLevelStartsWithTheRobotAtItsStartFacingNorth) {
  play("# # # # #\n# . . . #\n# . . @ #\n# # # # #\n");
  EXPECT_EQ(model.robotPosition(), (Position{3, 2}));
  EXPECT_EQ(model.robotDirection(), kNorth);
  turnRight(model, effects);
  moveForward(model, effects);
  moveBackward(model, effects);
  ASSERT_EQ(model.robotPosition(), (Position{2, 2}));

  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_EQ(model.robotPosition(), (Position{3, 2}));
  EXPECT_EQ(model.robotDirection(), kNorth);
}

}  // namespace
}  // namespace trelux
