// What a search throws becomes its answer: left to reach a worker thread's
// end, an exception would end the game and the editor's unsaved edits.
#include "solver/search_guard.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace trelux {
namespace {

TEST(SearchGuard, AnyExceptionIsAFailedSearchAndRunningOutOfMemoryItsLimit) {
  EXPECT_EQ(guardedSearch([]() -> SolveResult { throw 7; }).outcome, SolveOutcome::Failed);
  EXPECT_EQ(guardedSearch([]() -> SolveResult { throw std::length_error("x"); }).outcome,
            SolveOutcome::Failed);
  EXPECT_EQ(guardedSearch([]() -> SolveResult { throw std::bad_alloc(); }).outcome,
            SolveOutcome::LimitReached);
}

}  // namespace
}  // namespace trelux
