// The win's note: the moves, the level's best, and the shortest solution
// once its search has found it.
#include "world/play_notes.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(WinNote, NamesTheShortestSolutionOnceKnown) {
  EXPECT_EQ(winNote(10, 9, false), "Solved in 10 moves.\nYour best is 9.");
  EXPECT_EQ(winNote(10, 9, false, 8), "Solved in 10 moves.\nYour best is 9.\nShortest: 8 moves.");
  EXPECT_EQ(winNote(1, std::nullopt, true, 1), "Solved in 1 move:\na new best!\nShortest: 1 move.");
}

}  // namespace
}  // namespace trelux
