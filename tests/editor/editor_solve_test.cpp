// The editor's Solve, through the call the editor makes: the level as it
// stands on the board, searched on a thread of its own.
#include "editor/editor_solve.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "editor/editor_model.h"
#include "editor/level_snapshot.h"
#include "set_compiler.h"
#include "set_text.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

// The stored solutions are proven shortest by trelux-tool check; the
// editor's search must find the same lengths from the board.
TEST(EditorSolve, AgreesWithTheTrainingSetsStoredShortestLengths) {
  test::ScratchFolder scratch;
  const std::string path = std::string(TRELUX_LEVELS_SOURCE_DIR) + "/training.txt";
  tool::SetSource set;
  std::string error;
  ASSERT_TRUE(tool::parseSetText(test::readFile(path), path, set, error)) << error;
  std::filesystem::create_directories("Levels/t");
  ASSERT_TRUE(tool::compileSet(set, "Levels/t/levels.dat", error)) << error;
  EditorModel model;
  ASSERT_TRUE(model.loadSet(".\\Levels\\t\\levels.dat"));
  for (size_t i = 0; i < set.levels.size(); ++i) {
    SCOPED_TRACE("level " + std::to_string(i + 1));
    ASSERT_TRUE(model.goToLevel(static_cast<int32_t>(i)));
    SolveJob job(model.levelSnapshot());
    const SolveResult& result = job.result();
    EXPECT_TRUE(job.finished());
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_EQ(result.keys.size(), set.levels[i].solution.size());
    EXPECT_EQ(solveReport(result),
              "Shortest solution: " + std::to_string(result.keys.size()) + " keys");
  }
}

// Four lenses to shuffle in a wide room: far more states than a quick test
// wants to search; the laser is walled in, which only a search finds.
const char* const kWide =
    "# # # # # # # # # # # # #\n"
    "# . . . . . . . . . . . #\n"
    "# . Lr . . . Lg . . . Lb . #\n"
    "# . . . . . . . . . . . #\n"
    "# . . . . @ . . . . . . #\n"
    "# . . . Ly . . . . . . . #\n"
    "# . . . . . . . . . . . #\n"
    "# >r # . . . . . . . . Swr #\n"
    "# # # # # # # # # # # # #\n";

TEST(EditorSolve, ASearchCanBeCancelledWhileItRuns) {
  LevelGrid grid;
  test::buildLevel(grid, kWide);
  SolveJob job(snapshotLevel(grid), 1'000'000'000);
  // A search that ended before its first report must fail here, not spin.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (job.statesSeen() == 0 && !job.finished() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  ASSERT_GT(job.statesSeen(), 0u);
  job.cancel();
  EXPECT_EQ(job.result().outcome, SolveOutcome::Cancelled);
  EXPECT_EQ(solveReport(job.result()), "");
}

TEST(EditorSolve, ReportsLevelsWithoutSolutionAndSearchesAtTheirLimit) {
  LevelGrid grid;
  test::buildLevel(grid, "# # # # # # #\n# >r . # . Swr #\n# . @ . . . #\n# # # # # # #\n");
  SolveJob stuck(snapshotLevel(grid));
  EXPECT_EQ(solveReport(stuck.result()), "This level has no solution.");
  test::buildLevel(grid, kWide);
  SolveJob limited(snapshotLevel(grid), 1000);
  EXPECT_EQ(solveReport(limited.result(), 1000),
            "The search stopped at its limit of 1,000 positions without finding a solution.");
  test::buildLevel(grid, "# # # # # # # # # # # # # # # #\n"
                         "# Lr Lr Lr Lr Lr Lr Lr Lr Lr Lr Lr Lr Lr Lr #\n"
                         "# >r . . . . . . . . . . . @ Swr #\n"
                         "# # # # # # # # # # # # # # # #\n");
  SolveJob crowded(snapshotLevel(grid));
  EXPECT_EQ(solveReport(crowded.result()),
            "The solver can't search this level: it has more than 13 objects that can be moved.");
  SolveResult failed;
  failed.outcome = SolveOutcome::Failed;
  EXPECT_EQ(solveReport(failed),
            "The solver ran into a problem and stopped.  The level is as it was.");
  EXPECT_EQ(groupedNumber(999), "999");
  EXPECT_EQ(groupedNumber(4'000'000), "4,000,000");
}

}  // namespace
}  // namespace trelux
