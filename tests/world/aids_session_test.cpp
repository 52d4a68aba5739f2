// The aids' rules, with each search's end handed back as a message would be.
#include "world/aids_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/play_model.h"
#include "world/play_recorder.h"
#include "world/play_session.h"

namespace trelux {
namespace {

// Pulling the lens out of the beam: 2 keys facing north (Left, Down), 3 east.
const char* const kPullEast =
    "# # # # # #\n"
    "# . vr . . #\n"
    "# . Lk @ . #\n"
    "# . . . . #\n"
    "# . Snr . . #\n"
    "# # # # # #\n";

// Walk round to the mirror and push it west into the beam.
const char* const kMirrorWalk =
    "# # # # # # # # #\n"
    "# >r . . . . \\r . #\n"
    "# . . . . . . . #\n"
    "# . . . . Snr . @ #\n"
    "# # # # # # # # #\n";

class Aids : public ::testing::Test, public AidsScreen {
 protected:
  void play(const std::vector<std::string>& levels) {
    test::writeSetFile("levels.dat", levels);
    ASSERT_TRUE(model.loadSet("levels.dat"));
    ASSERT_TRUE(model.goToLevel(0));
    model.startRunning();
    aids.startedAfresh();
  }
  void press(PlayKey key) {
    const int32_t movesBefore = session.moves();
    aids.afterPlayKey(key, movesBefore, session.handleKey(key, effects));
  }
  // Hands each search's end to the aids, in order, until none is running.
  bool settle() {
    std::unique_lock lock(mutex_);
    while (aids.isSearching() || aids.isFindingPar()) {
      if (!wake_.wait_for(lock, std::chrono::seconds(20), [&] { return !ended_.empty(); }))
        return false;
      const auto [isPar, number] = ended_.front();
      ended_.pop_front();
      lock.unlock();
      isPar ? aids.parFound(number) : aids.hintFound(number);
      lock.lock();
    }
    return true;
  }

  void redrawPanel() override {}
  void hintSearchEnded(uint32_t number) override { tell(false, number); }
  void parSearchEnded(uint32_t number) override { tell(true, number); }
  void tell(bool isPar, uint32_t number) {
    const std::lock_guard lock(mutex_);
    ended_.emplace_back(isPar, number);
    wake_.notify_one();
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::pair<bool, uint32_t>> ended_;
  test::ScratchFolder folder;
  PlayModel model;
  PlayRecorder effects;
  PlaySession session{model};
  AidsSession aids{model, session, effects, *this};
};

TEST_F(Aids, TheTurnAfterASkipSearchesTheShortestSolutionAgainFromIt) {
  play({kMirrorWalk, kPullEast});
  session.stopForSkip();
  ASSERT_EQ(session.advance(), PlaySession::Advance::NextLevelStarted);
  aids.startedAfresh();
  press(PlayKey::Right);  // the turn is the level's start, not a move
  ASSERT_TRUE(settle());
  EXPECT_EQ(aids.par(), 3);
}

TEST_F(Aids, UndoLeavesTheHintsWaySoTheNextHintIsSearched) {
  play({kMirrorWalk});
  aids.askHint();
  ASSERT_TRUE(settle());
  ASSERT_TRUE(aids.hint().has_value()) << aids.note();
  press(*aids.hint());
  aids.undo();
  aids.askHint();
  EXPECT_TRUE(aids.isSearching());
  EXPECT_EQ(aids.note(), "Looking for a hint...");
}

}  // namespace
}  // namespace trelux
