// Undo, redo and the move count of a play session, checked against replays:
// undoing and then pressing the same keys again gives the board those keys
// gave, light included.
#include "world/play_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"
#include "world/play_recorder.h"

namespace trelux {
namespace {

using test::kZapGuard;

using ::testing::ElementsAre;

// What a player sees: the robot, every cell's picture and the light on
// every side.
struct Scene {
  Position robot;
  Direction direction = kNorth;
  std::vector<int32_t> tiles;
  std::vector<int> light;
  bool operator==(const Scene&) const = default;
};

Scene sceneOf(const PlayModel& model) {
  Scene board{model.robotPosition(), model.robotDirection(), {}, {}};
  for (int32_t y = 0; y < model.gridHeight(); ++y) {
    for (int32_t x = 0; x < model.gridWidth(); ++x) {
      board.tiles.push_back(model.tileAt(x, y));
      for (Direction side : kDirections) board.light.push_back(model.sideLightAt(x, y, side));
    }
  }
  return board;
}

// Lenses to push into the red beam and pull out of it, which changes the
// light east of them; the green sensor is never lit, so random keys never
// end the level.
constexpr const char* kRoom = R"(
# # # # # # # # #
# >r . . . . . Swg #
# . Lg . Lr . Lk . #
# . . . @ . . . #
# . . . . . . . #
# # # # # # # # #
)";

class History : public ::testing::Test {
 protected:
  void play(const std::vector<std::string>& levels) {
    test::writeSetFile("levels.dat", levels);
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
  }
  // U D L R S are keys (S space), X a restart.
  void press(PlaySession& s, const std::string& keys) {
    static constexpr PlayKey kKeys[] = {PlayKey::Up, PlayKey::Down, PlayKey::Left, PlayKey::Right, PlayKey::Space};
    for (char key : keys) {
      if (key == 'X') {
        s.restart();
      } else {
        s.handleKey(kKeys[std::string("UDLRS").find(key)], effects);
      }
    }
  }

  test::ScratchFolder folder;
  PlayModel model;
  PlayRecorder effects;
  PlaySession session{model};
};

// Random keys with now and then a restart (X); then a random number of
// undos, and the keys from there pressed again.
TEST_F(History, UndoThenTheSameKeysAgainGivesTheBoardThoseKeysGave) {
  play({kRoom});
  std::mt19937 random(20261207);
  for (int walk = 0; walk < 8; ++walk) {
    SCOPED_TRACE("walk " + std::to_string(walk));
    ASSERT_TRUE(model.goToLevel(0));
    PlaySession fresh(model);
    std::string keys;
    std::vector<Scene> boards{sceneOf(model)};
    std::vector<int32_t> moves{0};
    std::vector<size_t> steps{0};  // the keys after which the history grew
    for (int i = 0; i < 60; ++i) {
      keys += "UUUDDLRRLX"[random() % 10];
      press(fresh, keys.substr(keys.size() - 1));
      boards.push_back(sceneOf(model));
      moves.push_back(fresh.moves());
      if (boards.back() != boards[boards.size() - 2] || moves.back() != moves[moves.size() - 2]) {
        steps.push_back(keys.size());
      }
    }
    const size_t undos = random() % steps.size();
    for (size_t i = 0; i < undos; ++i) ASSERT_TRUE(fresh.undo(effects));
    const size_t at = steps[steps.size() - 1 - undos];
    EXPECT_EQ(sceneOf(model), boards[at]);
    EXPECT_EQ(fresh.moves(), moves[at]);
    press(fresh, keys.substr(at));
    EXPECT_EQ(sceneOf(model), boards.back());
    EXPECT_EQ(fresh.moves(), moves.back());

    for (size_t i = 0; i < undos; ++i) ASSERT_TRUE(fresh.undo(effects));
    for (size_t i = 0; i < undos; ++i) ASSERT_TRUE(fresh.redo(effects));
    EXPECT_FALSE(fresh.canRedo());
    EXPECT_EQ(sceneOf(model), boards.back());
  }
}

TEST_F(History, MovesCountTurnsStepsPushesAndPullsButNotZapsOrKeysThatChangeNothing) {
  play({kZapGuard});
  press(session, "U");  // the push north is zapped
  press(session, "D");  // neither pull nor step: a wall behind
  press(session, "S");
  EXPECT_EQ(session.moves(), 0);
  EXPECT_FALSE(session.canUndo());
  press(session, "LUR");  // a turn, a step, a turn
  EXPECT_EQ(session.moves(), 3);
  press(session, "U");  // a step into the beam is zapped
  EXPECT_EQ(session.moves(), 3);
  press(session, "RUULUULUL");  // round to the north of the lens, facing south
  press(session, "D");          // the pull: won
  EXPECT_EQ(session.moves(), 13);
  EXPECT_FALSE(model.isRunning());
  EXPECT_FALSE(session.canUndo()) << "a won level is over";
}

TEST_F(History, UndoRedrawsTheRobotOrTheWholeBoardAndBringsBackTheSameObject) {
  play({kRoom});
  const GridObject* lens = &model.grid().cell(6, 2);
  press(session, "RUULU");  // east, two steps, north, the black lens into the beam
  ASSERT_EQ(&model.grid().cell(6, 1), lens);
  ASSERT_EQ(model.sideLightAt(7, 1, kWest), kBlack);
  effects.clear();
  ASSERT_TRUE(session.undo(effects));
  EXPECT_THAT(effects.events(), ElementsAre("paint"));
  EXPECT_EQ(&model.grid().cell(6, 2), lens);
  EXPECT_EQ(model.sideLightAt(7, 1, kWest), kRed);
  ASSERT_TRUE(session.undo(effects));
  effects.clear();
  ASSERT_TRUE(session.undo(effects));
  EXPECT_THAT(effects.events(), ElementsAre("cell 6 3", "robot"));
  EXPECT_EQ(model.robotPosition(), (Position{5, 3}));
  ASSERT_TRUE(session.undo(effects));
  ASSERT_TRUE(session.undo(effects));
  EXPECT_EQ(model.robotPosition(), (Position{4, 3}));
  EXPECT_EQ(model.robotDirection(), kNorth);
  EXPECT_FALSE(session.undo(effects));
}

TEST_F(History, ARestartIsTakenBackByUndoAndMadeAgainByRedoUntilANewMove) {
  play({kRoom});
  const Scene start = sceneOf(model);
  // The red lens pulled south, the black lens pushed west into its cell.
  press(session, "DRUUULUULUU");
  const Scene before = sceneOf(model);
  ASSERT_EQ(model.tileAt(4, 2), start.tiles[2 * 9 + 6]);
  session.restart();
  EXPECT_EQ(sceneOf(model), start);
  EXPECT_EQ(session.moves(), 0);
  ASSERT_TRUE(session.undo(effects));
  EXPECT_EQ(sceneOf(model), before);
  EXPECT_EQ(session.moves(), 11);
  ASSERT_TRUE(session.redo(effects));
  EXPECT_EQ(sceneOf(model), start);
  EXPECT_EQ(session.moves(), 0);
  // A new move after an undo drops what could have been redone.
  ASSERT_TRUE(session.undo(effects));
  press(session, "L");
  EXPECT_FALSE(session.canRedo());
  EXPECT_EQ(session.moves(), 12);
}

TEST_F(History, TheNextLevelStartsWithNoMovesAndNothingToUndo) {
  play({kZapGuard, kRoom});
  press(session, "RULUULULD");
  ASSERT_EQ(session.advance(), PlaySession::Advance::NextLevelStarted);
  EXPECT_EQ(session.moves(), 0);
  EXPECT_FALSE(session.canUndo());
  press(session, "L");
  EXPECT_EQ(session.moves(), 1);
}

}  // namespace
}  // namespace trelux
