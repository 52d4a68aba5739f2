// The bests file: a win is kept when it beats the stored best, a level
// changed since loses its best, and a file that does not read is replaced.
#include "puzzles/best_moves.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "doc/keyed_document.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::ScratchFolder;

class Bests : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories("levels"); }

  ScratchFolder folder;
  BestMoves bests;
  const LevelIdentity level{".\\levels\\training\\levels.dat", 2, std::string("\x00\x05\x04\x01\x01", 5)};
};

TEST_F(Bests, AFirstWinIsTheBest) {
  EXPECT_EQ(bests.best(level), std::nullopt);
  const BestMoves::Outcome outcome = bests.record(level, 27);
  EXPECT_TRUE(outcome.newBest);
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.previous, std::nullopt);
  EXPECT_EQ(bests.best(level), 27);
}

TEST_F(Bests, FewerMovesReplaceTheBestAndMoreOrAsManyDoNot) {
  bests.record(level, 30);
  const BestMoves::Outcome worse = bests.record(level, 31);
  EXPECT_FALSE(worse.newBest);
  EXPECT_EQ(worse.previous, 30);
  EXPECT_FALSE(bests.record(level, 30).newBest);
  const BestMoves::Outcome better = bests.record(level, 28);
  EXPECT_TRUE(better.newBest);
  EXPECT_EQ(better.previous, 30);
  EXPECT_EQ(bests.best(level), 28);
}

TEST_F(Bests, EachLevelOfEachSetHasItsOwnAndTheFileNamesThemInAnyCase) {
  bests.record(level, 30);
  LevelIdentity next = level;
  next.level = 3;
  LevelIdentity otherSet = level;
  otherSet.setFile = ".\\levels\\spectrum\\levels.dat";
  EXPECT_EQ(bests.best(next), std::nullopt);
  EXPECT_EQ(bests.best(otherSet), std::nullopt);
  LevelIdentity upper = level;
  upper.setFile = ".\\LEVELS\\Training\\levels.dat";
  EXPECT_EQ(bests.best(upper), 30);
}

TEST_F(Bests, ALevelChangedSinceHasNoBestUntilWonAgain) {
  bests.record(level, 30);
  LevelIdentity edited = level;
  edited.levelBytes[1] = '\x06';
  EXPECT_EQ(bests.best(edited), std::nullopt);
  const BestMoves::Outcome outcome = bests.record(edited, 40);
  EXPECT_TRUE(outcome.newBest);
  EXPECT_EQ(outcome.previous, std::nullopt);
  EXPECT_EQ(bests.best(edited), 40);
  EXPECT_EQ(bests.best(level), std::nullopt);
}

TEST_F(Bests, ADamagedFileIsIgnoredAndRewritten) {
  const std::string damaged[] = {
      std::string("\x7f\x45LF\x01\x00garbage\n", 12),  // not text at all
      "[x]\nnot a key line\n",
      "[.\\levels\\training\\levels.dat]\nlevel3 = lots\n",  // not a number of moves
  };
  for (const std::string& damage : damaged) {
    SCOPED_TRACE(damage);
    test::writeFile("levels/bests.ini", damage);
    EXPECT_EQ(bests.best(level), std::nullopt);
    const BestMoves::Outcome outcome = bests.record(level, 50);
    EXPECT_TRUE(outcome.newBest);
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(bests.best(level), 50);
    KeyedDocument doc;
    EXPECT_TRUE(doc.loadFile(kBestsFile));
  }
}

// A byte-order mark and a line that does not read lose no other best, in
// the level played as in the list of a set's levels.
TEST_F(Bests, AMarkAndABadLineAreSkipped) {
  bests.record(level, 30);
  test::writeFile("levels/bests.ini", "\xEF\xBB\xBF" + test::readFile("levels/bests.ini") + "not a line\n");
  EXPECT_EQ(bests.best(level), 30);
  EXPECT_EQ(bests.bestsOf(level.setFile, {"", "", level.levelBytes}).at(2), 30);
}

// One that cannot be opened (here a link to a drive that is gone) is no
// empty file to write over.
TEST_F(Bests, AFileThatCannotBeOpenedIsNeverReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "the file that cannot be opened is a dangling link, which Wine cannot make";
#endif
  std::filesystem::create_symlink("/nonexistent/bests.ini", "levels/bests.ini");
  EXPECT_FALSE(bests.record(level, 12).saved);
  EXPECT_TRUE(std::filesystem::is_symlink("levels/bests.ini"));
}

TEST_F(Bests, WithoutItsFolderNothingIsSavedAndNothingBreaks) {
  std::filesystem::remove_all("levels");
  const BestMoves::Outcome outcome = bests.record(level, 12);
  EXPECT_TRUE(outcome.newBest);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(bests.best(level), std::nullopt);
}

}  // namespace
}  // namespace trelux
