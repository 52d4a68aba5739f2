// Hints: followed from anywhere a player may have wandered, they win in
// exactly the number of keys they promise; a level that cannot be won says
// so; and a search on a worker thread leaves the level being played alone.
#include "solver/hint.h"

#include <atomic>
#include <random>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "set_compiler.h"
#include "set_text.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/objects.h"
#include "world/play_model.h"
#include "world/play_recorder.h"
#include "world/play_rules.h"

namespace trelux {
namespace {

using test::ScratchFolder;

class Hints : public ::testing::Test {
 protected:
  void loadTraining() {
    const std::string path = std::string(TRELUX_LEVELS_SOURCE_DIR) + "/training.txt";
    tool::SetSource set;
    std::string error;
    ASSERT_TRUE(tool::parseSetText(test::readFile(path), path, set, error)) << error;
    ASSERT_TRUE(tool::compileSet(set, "levels.dat", error)) << error;
    levels = static_cast<int32_t>(set.levels.size());
    ASSERT_TRUE(model.loadSet("levels.dat"));
  }
  void loadText(const std::string& text) {
    test::writeSetFile("levels.dat", {text});
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
  }
  Hint hintHere() {
    return findHint(capturePosition(model.grid(), model.robotPosition(), model.robotDirection()), SolveLimits{});
  }
  // The level started afresh, then 25 random keys that did not win it.
  void wanderOn(int32_t level, std::mt19937& random) {
    do {
      ASSERT_TRUE(model.goToLevel(level));
      model.startRunning();
    } while (!wander(random, 25));
  }
  // Random keys with the game's own moves; false when they happened to win.
  bool wander(std::mt19937& random, int keys) {
    static constexpr PlayKey kKeys[] = {PlayKey::Up, PlayKey::Up, PlayKey::Down, PlayKey::Left, PlayKey::Right};
    for (int i = 0; i < keys; ++i) {
      if (handlePlayKey(model, kKeys[random() % 5], effects)) return false;
    }
    return true;
  }

  ScratchFolder folder;
  PlayModel model;
  PlayRecorder effects;
  int32_t levels = 0;
};

// The trail of the first hint is followed; at every key a new search from
// there must find no shorter way.
TEST_F(Hints, FollowedFromRandomPositionsOfTheTrainingLevelsTheyWinInTheKeysTheyPromise) {
  loadTraining();
  std::mt19937 random(20261207);
  // All but the last: its searches take seconds each under the sanitizers.
  for (int32_t level = 0; level + 1 < levels; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    ASSERT_NO_FATAL_FAILURE(wanderOn(level, random));
    const Hint first = hintHere();
    ASSERT_EQ(first.answer, HintAnswer::Key);
    ASSERT_EQ(first.solution.size(), first.keysToWin);
    HintTrail trail;
    trail.start(first);
    bool won = false;
    while (trail.isOn() && !won) {
      const Hint fresh = hintHere();
      ASSERT_EQ(fresh.answer, HintAnswer::Key);
      ASSERT_EQ(fresh.keysToWin, trail.keysToWin());
      const PlayKey key = trail.next();
      won = handlePlayKey(model, key, effects);
      trail.keyPressed(key, true);
    }
    EXPECT_TRUE(won);
    EXPECT_FALSE(trail.isOn());
  }
}

// The key a hint names is the first of its shortest way, not any other of it:
// pressed, it leaves one key fewer to the win.
TEST_F(Hints, TheHintedKeyBringsTheWinOneKeyCloser) {
  loadTraining();
  std::mt19937 random(7);
  for (int32_t level = 0; level + 1 < levels; ++level) {
    SCOPED_TRACE("level " + std::to_string(level + 1));
    ASSERT_NO_FATAL_FAILURE(wanderOn(level, random));
    const Hint hint = hintHere();
    ASSERT_EQ(hint.answer, HintAnswer::Key);
    if (handlePlayKey(model, hint.key, effects)) {
      EXPECT_EQ(hint.keysToWin, 1u);
    } else {
      EXPECT_EQ(hintHere().keysToWin + 1, hint.keysToWin);
    }
  }
}

TEST_F(Hints, TheTrailIsLeftByAnyOtherKeyThatChangesTheBoard) {
  Hint hint;
  hint.answer = HintAnswer::Key;
  hint.solution = "UUL";
  HintTrail trail;
  trail.start(hint);
  trail.keyPressed(PlayKey::Right, false);  // blocked or zapped: still on it
  trail.keyPressed(PlayKey::Up, true);
  EXPECT_EQ(trail.next(), PlayKey::Up);
  EXPECT_EQ(trail.keysToWin(), 2u);
  trail.keyPressed(PlayKey::Left, true);
  EXPECT_FALSE(trail.isOn());
}

TEST_F(Hints, AWonPositionIsAlreadyWon) {
  loadText("# # # #\n# >r Swr #\n# @ . #\n# # # #\n");
  EXPECT_EQ(hintHere().answer, HintAnswer::AlreadyWon);
}

// The lens can only slide along the beam: east of it the robot may pull or
// push it, but never out of the laser's row, so the sensor stays dark.
constexpr const char* kLensInTheBeam = R"(
# # # # # # # #
# >r . Lk . . Swr #
# # # # . # # #
# # # # @ # # #
# # # # # # # #
)";

TEST_F(Hints, APositionFromWhichNoKeysWinCannotBeWon) {
  loadText(kLensInTheBeam);
  handlePlayKey(model, PlayKey::Up, effects);
  const Hint hint = hintHere();
  EXPECT_EQ(hint.answer, HintAnswer::CannotBeWon);
  EXPECT_GT(hint.states, 4u);
}

TEST_F(Hints, ASearchOnAnotherThreadLeavesThePlayedLevelsSensorsAlone) {
  // Many lenses, the laser walled in: a search that runs until cancelled.
  loadText(R"(
# # # # # # # # # # # # #
# . Lr . . . Lg . . . Lb . #
# . . . . . . . . . . . #
# . . . . @ . . . . . . #
# . . . Ly . . . Lc . . . #
# >r # . . . . . . . . Swr #
# # # # # # # # # # # # #
)");
  const HintPosition position = capturePosition(model.grid(), model.robotPosition(), model.robotDirection());
  std::atomic<bool> cancel{false};
  std::atomic<uint64_t> seen{0};
  SolveLimits limits;
  limits.cancel = &cancel;
  limits.statesSeen = &seen;
  Hint hint;
  std::thread worker([&] { hint = findHint(position, limits); });
  while (seen.load() == 0) std::this_thread::yield();
  // The worker's grid, with its own sensor, is alive now; the played level's
  // completion counts only its own sensors.
  EXPECT_FALSE(model.isLevelComplete());
  cancel = true;
  worker.join();
  EXPECT_EQ(hint.answer, HintAnswer::Cancelled);
}

}  // namespace
}  // namespace trelux
