// Test play runs the level as it stands on a model of its own.
#include "editor/test_play.h"

#include <gtest/gtest.h>

#include "editor/level_snapshot.h"
#include "puzzles/level_text.h"
#include "support/level_files.h"
#include "world/level_grid.h"
#include "world/play_recorder.h"

namespace trelux {
namespace {

using test::kPullToWin;

TEST(TestPlay, PlaysACopyAndCountsThePlayKeysToTheWin) {
  LevelGrid edited;
  test::buildLevel(edited, kPullToWin);
  TestPlay play;
  ASSERT_TRUE(play.start(snapshotLevel(edited)));
  PlayRecorder effects;
  EXPECT_FALSE(play.key(PlayKey::Left, effects));
  EXPECT_FALSE(play.key(PlayKey::Other, effects));
  EXPECT_FALSE(play.key(PlayKey::Right, effects));
  EXPECT_TRUE(play.key(PlayKey::Down, effects));
  EXPECT_EQ(play.keysUsed(), 3);
  EXPECT_EQ(wonReport(play.keysUsed()), "Level won with 3 keys.");
  EXPECT_EQ(wonReport(1), "Level won with 1 key.");
  EXPECT_EQ(effects.sounds().back(), "win.wav");
  EXPECT_FALSE(play.key(PlayKey::Up, effects)) << "a won level takes no keys";
  EXPECT_EQ(play.keysUsed(), 3);
  EXPECT_EQ(formatLevelText(edited), kPullToWin) << "the edited level is not touched";
  EXPECT_EQ(play.model().robotPosition(), (Position{3, 3}));
}

TEST(TestPlay, PlaysQueuedKeysBackInOrder) {
  LevelGrid edited;
  test::buildLevel(edited, kPullToWin);
  TestPlay play;
  ASSERT_TRUE(play.start(snapshotLevel(edited)));
  play.queueKeys("UDLRS");
  std::vector<PlayKey> keys;
  while (auto key = play.nextQueuedKey()) keys.push_back(*key);
  EXPECT_EQ(keys, (std::vector<PlayKey>{PlayKey::Up, PlayKey::Down, PlayKey::Left, PlayKey::Right,
                                        PlayKey::Space}));
  EXPECT_FALSE(play.isPlayingBack());
  play.stop();
  EXPECT_FALSE(play.isActive());
  EXPECT_FALSE(play.start("")) << "no level in an empty snapshot";
}

}  // namespace
}  // namespace trelux
