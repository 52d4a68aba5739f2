// The rules of a play session over a set: progress, what follows a win,
// restarts and the completion code. The Windows controller's boxes and
// button are tested under Wine; here only the rules.
#include "world/play_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "puzzles/puzzle_set_file.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"
#include "world/play_recorder.h"

namespace trelux {
namespace {

using test::kPullToWin;

// Nothing here is won by a single key.
const char* const kUnsolved = "# # # # # #\n# >r . . Swg #\n# . @ . . #\n# # # # # #\n";

class Session : public ::testing::Test {
 protected:
  // A set of these levels with this code ("" for none) and stored progress,
  // entered as the play screen enters it.
  void play(const std::vector<std::string>& levels, const std::string& code = "",
            uint8_t progress = 0) {
    test::writeSetFile("levels.dat", levels);
    PuzzleSetFile set;
    ASSERT_TRUE(set.open("levels.dat"));
    if (!code.empty()) {
      ASSERT_TRUE(set.setCompletionCode(true, code));
    }
    ASSERT_TRUE(set.setProgress(progress));
    set.close();
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
  }
  uint8_t storedProgress() {
    PuzzleSetFile set;
    EXPECT_TRUE(set.open("levels.dat"));
    return set.progress();
  }

  test::ScratchFolder folder;
  PlayModel model;
  PlayRecorder effects;
  PlaySession session{model};
};

TEST_F(Session, AWinStoresTheNextLevelAsProgressEvenBelowWhatWasStored) {
  play({kPullToWin, kUnsolved}, "", 9);
  EXPECT_FALSE(session.handleKey(PlayKey::Space, effects));
  EXPECT_EQ(storedProgress(), 9) << "keys that do not win store nothing";
  EXPECT_TRUE(session.handleKey(PlayKey::Down, effects));
  EXPECT_FALSE(model.isRunning());
  EXPECT_EQ(storedProgress(), 1);
}

TEST_F(Session, NextLevelStartsTheFollowingLevelThenCompletesTheSet) {
  play({kPullToWin, kUnsolved});
  ASSERT_TRUE(session.handleKey(PlayKey::Down, effects));
  EXPECT_EQ(session.advance(), PlaySession::Advance::NextLevelStarted);
  EXPECT_EQ(model.currentLevel(), 1);
  EXPECT_TRUE(model.isRunning());
  session.stopForSkip();
  EXPECT_EQ(session.advance(), PlaySession::Advance::SetCompleted);
  EXPECT_EQ(storedProgress(), 1) << "a skip stores no progress";
}

TEST_F(Session, TheTurnThatFollowsASkipIsPartOfTheNewLevelsStart) {
  play({kUnsolved, kUnsolved});
  session.stopForSkip();
  ASSERT_EQ(session.advance(), PlaySession::Advance::NextLevelStarted);
  session.handleKey(PlayKey::Right, effects);
  EXPECT_EQ(model.robotDirection(), kEast);
  EXPECT_EQ(session.moves(), 0);
  EXPECT_FALSE(session.canUndo());
  session.handleKey(PlayKey::Right, effects);
  EXPECT_EQ(session.moves(), 1) << "the turns after it are moves";
}

TEST_F(Session, GoToStartsTheChosenLevelAfreshAlsoFromAWonLevel) {
  play({kPullToWin, kUnsolved, kUnsolved});
  ASSERT_TRUE(session.handleKey(PlayKey::Down, effects));
  ASSERT_TRUE(session.goTo(2));
  EXPECT_EQ(model.currentLevel(), 2);
  EXPECT_TRUE(model.isRunning());
  EXPECT_EQ(session.moves(), 0);
  EXPECT_FALSE(session.canUndo());
  EXPECT_FALSE(session.goTo(7)) << "no such level";
}

TEST_F(Session, NextLevelThatCannotBeReadFails) {
  play({kPullToWin, kUnsolved});
  // A width of zero makes the second record unreadable.
  std::fstream file("levels.dat", std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(kHeaderSize + 1 + kLevelCapacity + 2);
  file.put(0);
  file.close();
  ASSERT_TRUE(session.handleKey(PlayKey::Down, effects));
  EXPECT_EQ(session.advance(), PlaySession::Advance::LoadFailed);
}

TEST_F(Session, RestartIsOfferedOnlyWhileALevelIsPlayedAndNotWon) {
  play({kPullToWin});
  const Position start = model.robotPosition();
  session.handleKey(PlayKey::Right, effects);
  session.handleKey(PlayKey::Up, effects);
  ASSERT_NE(model.robotPosition(), start);
  ASSERT_TRUE(session.canRestart());
  session.restart();
  EXPECT_EQ(model.robotPosition(), start);
  EXPECT_EQ(model.robotDirection(), kNorth);
  EXPECT_TRUE(model.isRunning());

  ASSERT_TRUE(session.handleKey(PlayKey::Down, effects));
  EXPECT_FALSE(session.canRestart());
}

TEST_F(Session, AWinKeepsItsMovesAsTheLevelsBestAndSaysWhenTheyAreANewBest) {
  std::filesystem::create_directories("levels");
  play({kPullToWin});
  EXPECT_EQ(session.best(), std::nullopt);
  ASSERT_TRUE(session.handleKey(PlayKey::Down, effects));
  EXPECT_EQ(session.lastWin().moves, 1);
  EXPECT_TRUE(session.lastWin().newBest);
  EXPECT_EQ(session.best(), 1);

  // Again, the long way: four turns, then the pull.
  ASSERT_TRUE(model.goToLevel(0));
  model.startRunning();
  PlaySession again(model);
  EXPECT_EQ(again.best(), 1);
  for (PlayKey key : {PlayKey::Left, PlayKey::Left, PlayKey::Right, PlayKey::Right}) again.handleKey(key, effects);
  ASSERT_TRUE(again.handleKey(PlayKey::Down, effects));
  EXPECT_EQ(again.lastWin().moves, 5);
  EXPECT_FALSE(again.lastWin().newBest);
  EXPECT_EQ(again.lastWin().previousBest, 1);
  EXPECT_EQ(again.best(), 1);
}

TEST_F(Session, SkippingNeedsTheCodeOnlyBeyondTheStoredProgressOfAProtectedSet) {
  play({kUnsolved}, "Prism42", 3);
  for (int32_t level = 1; level <= 3; ++level) EXPECT_FALSE(session.skipNeedsCode(level));
  EXPECT_TRUE(session.skipNeedsCode(4));
}

TEST_F(Session, SkippingInASetWithoutACodeNeverNeedsOne) {
  play({kUnsolved});
  EXPECT_FALSE(session.skipNeedsCode(5));
}

TEST_F(Session, TheCodeMatchesInAnyLetterCaseCutToNineteenAndOnceForTheScreen) {
  play({kUnsolved}, "Prism42");
  EXPECT_FALSE(session.enterCode("Prism4"));
  EXPECT_FALSE(session.enterCode("Prism42" + std::string(13, 'x')));
  EXPECT_TRUE(session.skipNeedsCode(1));
  EXPECT_TRUE(session.enterCode("pRISM42"));
  EXPECT_TRUE(session.codeAccepted());
  EXPECT_FALSE(session.skipNeedsCode(200));
}

TEST_F(Session, ACodeOfNineteenLettersIsTakenFromLongerInput) {
  const std::string code = "ABCDEFGHIJKLMNOPQRS";
  play({kUnsolved}, code);
  EXPECT_TRUE(session.enterCode(code + "TUV"));
}

}  // namespace
}  // namespace trelux
