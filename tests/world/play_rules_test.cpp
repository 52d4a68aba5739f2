#include "world/play_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

// Every sensor is lit as soon as the level has been entered.
const char* kWonAtStart = "# # # # #\n# >g . Swg #\n# @ . . #\n# # # # #\n";

// The green lens keeps the red beam from the sensor until it is pulled out.
const char* kLensInTheWay = R"(
# # # # # # #
# . . . . . #
# . . @ . . #
# >r . Lg . Swr #
# . . . . . #
# # # # # # #
)";

class PlayKeys : public ::testing::Test {
 protected:
  void enter(const std::string& level) {
    test::writeSetFile("levels.dat", {level});
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
  }
  void restart() {
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
    effects.clear();
  }

  test::ScratchFolder folder;
  PlayModel model;
  PlayRecorder effects;
};

TEST_F(PlayKeys, AreIgnoredWhileNoLevelIsBeingPlayed) {
  enter(kWonAtStart);
  ASSERT_TRUE(model.isLevelComplete());
  ASSERT_FALSE(model.isRunning());
  for (PlayKey key : {PlayKey::Right, PlayKey::Down, PlayKey::Space, PlayKey::Other}) {
    EXPECT_FALSE(handlePlayKey(model, key, effects));
  }
  EXPECT_THAT(effects.events(), IsEmpty());
  EXPECT_FALSE(model.isRunning());
  EXPECT_EQ(model.robotDirection(), kNorth);
  EXPECT_EQ(model.robotPosition(), (Position{1, 2}));
}

// Also keys that do nothing, and moves that are not possible, end with the
// completion test.
TEST_F(PlayKeys, ALevelCompleteAtTheStartIsWonByTheFirstKeyWhateverItIs) {
  enter(kWonAtStart);
  const struct {
    PlayKey key;
    std::vector<std::string> events;
  } cases[] = {
      {PlayKey::Other, {"sound win.wav"}},
      {PlayKey::Space, {"sound win.wav"}},
      {PlayKey::Up, {"sound win.wav"}},
      {PlayKey::Down, {"sound win.wav"}},
      {PlayKey::Left, {"robot", "sound win.wav"}},
      {PlayKey::Right, {"robot", "sound win.wav"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.key));
    restart();
    EXPECT_TRUE(handlePlayKey(model, c.key, effects));
    EXPECT_EQ(effects.events(), c.events);
    EXPECT_FALSE(model.isRunning());

    // Won: further keys wait for the next level.
    effects.clear();
    EXPECT_FALSE(handlePlayKey(model, PlayKey::Up, effects));
    EXPECT_FALSE(handlePlayKey(model, PlayKey::Space, effects));
    EXPECT_THAT(effects.events(), IsEmpty());
    EXPECT_FALSE(model.isRunning());
  }
}

TEST_F(PlayKeys, TheMoveThatLightsTheLastSensorWinsAfterItsOwnEffects) {
  enter(kLensInTheWay);
  model.startRunning();
  EXPECT_FALSE(handlePlayKey(model, PlayKey::Right, effects));
  EXPECT_FALSE(handlePlayKey(model, PlayKey::Right, effects));
  ASSERT_EQ(model.robotDirection(), kSouth);
  effects.clear();

  EXPECT_TRUE(handlePlayKey(model, PlayKey::Down, effects));
  EXPECT_THAT(effects.events(), ElementsAre("sound push.wav", "paint", "sound win.wav"));
  EXPECT_EQ(model.robotPosition(), (Position{3, 1}));
  EXPECT_EQ(litSensorCount(), 1);
  EXPECT_FALSE(model.isRunning());
}

// Pushing the lens north would light the sensor but puts the robot in the
// beam; the completion test sees the level after the take-back.
TEST_F(PlayKeys, AWinningMoveThatIsZappedDoesNotWin) {
  enter(kLensInTheWay);
  model.startRunning();
  ASSERT_TRUE(model.moveRobotTo(3, 4));

  EXPECT_FALSE(handlePlayKey(model, PlayKey::Up, effects));
  EXPECT_THAT(effects.events(),
              ElementsAre("sound push.wav", "paint", "sound zap.wav", "pause 500", "paint"));
  EXPECT_EQ(model.robotPosition(), (Position{3, 4}));
  EXPECT_EQ(litSensorCount(), 0);
  EXPECT_TRUE(model.isRunning());
}

TEST_F(PlayKeys, ALevelWithoutSensorsIsNeverComplete) {
  enter("# # # # #\n# >r . . #\n# @ . . #\n# # # # #\n");
  model.startRunning();
  for (PlayKey key : {PlayKey::Other, PlayKey::Space, PlayKey::Right, PlayKey::Up, PlayKey::Left,
                      PlayKey::Down, PlayKey::Down}) {
    EXPECT_FALSE(handlePlayKey(model, key, effects));
  }
  EXPECT_THAT(effects.sounds(), IsEmpty());
  EXPECT_FALSE(model.isLevelComplete());
  EXPECT_TRUE(model.isRunning());
}

TEST_F(PlayKeys, SpaceKeepsALevelRunning) {
  enter(kLensInTheWay);
  model.startRunning();
  EXPECT_FALSE(handlePlayKey(model, PlayKey::Space, effects));
  EXPECT_TRUE(model.isRunning());
  EXPECT_THAT(effects.events(), IsEmpty());
}

// Another set may be opened only between levels.
TEST_F(PlayKeys, NoOtherSetOpensWhileALevelIsRunning) {
  enter(kLensInTheWay);
  test::writeSetFile("other.dat", {kWonAtStart});
  model.startRunning();
  EXPECT_FALSE(model.loadSet("other.dat"));
  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_EQ(model.gridWidth(), 7);

  model.stopRunning();
  EXPECT_TRUE(model.loadSet("other.dat"));
  ASSERT_TRUE(model.goToLevel(0));
  EXPECT_EQ(model.gridWidth(), 5);
}

}  // namespace
}  // namespace trelux
