// The solver: its moves agree with the game's own moves key by key, its
// answers are shortest (checked against every key string the game can be
// played with, for small levels), and it tells unsolvable levels and levels
// beyond its limits apart.
#include "solver/solver.h"

#include <atomic>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "puzzles/set_bytes.h"
#include "replay.h"
#include "solver/solver_rules.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

using test::kZapGuard;

using test::ScratchFolder;

SolveResult solveText(const std::string& text, uint64_t maxStates = 1'000'000) {
  LevelGrid grid;
  test::buildLevel(grid, text);
  SolveLimits limits;
  limits.maxStates = maxStates;
  return solveLevel(grid, limits);
}

// Plays keys with the game's own rules (the replay tool's code).
tool::ReplayResult play(const std::string& keys) {
  tool::ReplayResult result;
  std::string error;
  EXPECT_TRUE(tool::replayLevel("levels.dat", 0, keys, result, error)) << error;
  return result;
}

// ---- Levels ------------------------------------------------------------------------

// The mirror must go one cell west into the beam, pushed from the east; the
// robot starts south-east of it, clear of the beam that runs down column 6.
constexpr const char* kPushMirror = R"(
# # # # # # # # #
# >r . . . . \r . #
# . . . . . . . #
# . . . . Snr . @ #
# # # # # # # # #
)";

// Red and blue must be joined by the T-mirror into the magenta sensor.
constexpr const char* kJoin = R"(
# # # # # # # # #
# . . . Ssm . . . #
# . . . . . . . #
# >r . . . . . <b #
# . . . Tn . . . #
# . @ . . . . . #
# # # # # # # # #
)";

// A wall stands between the laser and the sensor, and nothing can move.
constexpr const char* kStuck = R"(
# # # # # # #
# >r . # . Swr #
# . @ . . . #
# # # # # # #
)";

// Four lenses to shuffle in a wide room: far more states than a small limit;
// the laser is walled in, which only a search finds.
constexpr const char* kWide = R"(
# # # # # # # # # # # # #
# . . . . . . . . . . . #
# . Lr . . . Lg . . . Lb . #
# . . . . . . . . . . . #
# . . . . @ . . . . . . #
# . . . Ly . . . . . . . #
# . . . . . . . . . . . #
# >r # . . . . . . . . Swr #
# # # # # # # # # # # # #
)";

// ---- Agreement with the game's moves -------------------------------------------------

// Where the game has the robot and each pushable object after every key,
// and whether it has won; the solver must say the same from its own state.
struct Snapshot {
  Position robot;
  int32_t direction = 0;
  std::vector<int32_t> tiles;
  bool won = false;
};

std::vector<int32_t> objectTiles(const std::vector<int32_t>& tiles) {
  std::vector<int32_t> out;
  for (int32_t tile : tiles) out.push_back(tile >= 8 && tile < 40 && !(tile >= 32 && tile < 36) ? tile : 0);
  return out;
}

std::vector<Snapshot> gameSnapshots(const std::string& keys) {
  std::vector<Snapshot> snapshots;
  for (size_t n = 1; n <= keys.size(); ++n) {
    const tool::ReplayResult r = play(keys.substr(0, n));
    snapshots.push_back({r.robot, r.direction, objectTiles(r.tiles), r.wonAfterKey.has_value()});
    if (r.wonAfterKey) break;
  }
  return snapshots;
}

// The tiles the solver's state implies: the level's fixed cells with the
// objects put where the state has them.
std::vector<int32_t> solverTiles(const SolverBoard& board, const Arrangement& objects,
                                 const std::vector<int32_t>& objectTileOf) {
  std::vector<int32_t> tiles(static_cast<size_t>(board.width() * board.height()), 0);
  for (size_t i = 0; i < objects.size(); ++i) tiles[objects[i]] = objectTileOf[i];
  return tiles;
}

void expectSameAsGame(const std::string& levelText, const std::string& keys) {
  SCOPED_TRACE(keys);
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {levelText});
  // The game's grid goes before the solver builds its own: sensors count
  // across the whole program, so two grids must not live at once.
  const std::vector<Snapshot> game = gameSnapshots(keys);
  LevelGrid grid;
  test::buildLevel(grid, levelText);
  SolverBoard board(grid);
  std::vector<int32_t> objectTileOf;
  for (uint16_t cell : board.startArrangement()) {
    objectTileOf.push_back(grid.cell(cell % grid.width(), cell / grid.width()).tileIndex());
  }
  ArrangementTable table(board);
  SolverRules rules(board, table);
  SolverState state = rules.start(grid.start(), kNorth);
  for (size_t i = 0; i < game.size(); ++i) {
    SCOPED_TRACE("after key " + std::to_string(i + 1));
    SolverState next;
    rules.apply(state, static_cast<SolverKey>(std::string("UDLR").find(keys[i])), next);
    state = next;
    const bool won = rules.isComplete(state);
    EXPECT_EQ(board.positionOf(state.robot), game[i].robot);
    EXPECT_EQ(state.direction, game[i].direction);
    EXPECT_EQ(solverTiles(board, table.arrangement(state.arrangement), objectTileOf), game[i].tiles);
    EXPECT_EQ(won, game[i].won);
    if (testing::Test::HasFailure()) return;
  }
}

std::string randomKeys(std::mt19937& random, size_t count) {
  std::string keys;
  std::uniform_int_distribution<int> pick(0, 5);
  for (size_t i = 0; i < count; ++i) keys += "UUDDLR"[pick(random)];
  return keys;
}

TEST(SolverRules, AgreeWithTheGameOnRandomKeys) {
  std::mt19937 random(20261207);
  for (const char* level : {kPushMirror, kZapGuard, kJoin, kWide}) {
    for (int walk = 0; walk < 3; ++walk) expectSameAsGame(level, randomKeys(random, 60));
  }
}

TEST(SolverRules, AgreeWithTheGameOnZapsPushesAndPulls) {
  expectSameAsGame(kZapGuard, "UUU");         // the push into the beam is zapped
  expectSameAsGame(kZapGuard, "RULUULULD");   // round to the north, then the pull
  expectSameAsGame(kPushMirror, "LUUDDDRRU");
}

// ---- Shortest solutions --------------------------------------------------------------

// Every key string up to length n, in the game: the shortest that wins.
std::optional<size_t> shortestByBruteForce(size_t maxLength) {
  std::vector<std::string> frontier{""};
  for (size_t length = 1; length <= maxLength; ++length) {
    std::vector<std::string> next;
    for (const std::string& keys : frontier) {
      for (char key : std::string("UDLR")) {
        const tool::ReplayResult r = play(keys + key);
        if (r.wonAfterKey) return length;
        next.push_back(keys + key);
      }
    }
    frontier = std::move(next);
  }
  return std::nullopt;
}

void expectShortestAndWinning(const std::string& levelText, size_t bruteForceUpTo) {
  const SolveResult result = solveText(levelText);
  ASSERT_EQ(result.outcome, SolveOutcome::Solved);
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {levelText});
  const tool::ReplayResult r = play(result.keys);
  EXPECT_EQ(r.wonAfterKey, result.keys.size()) << result.keys;
  if (result.keys.size() <= bruteForceUpTo) {
    EXPECT_EQ(shortestByBruteForce(result.keys.size()), result.keys.size()) << result.keys;
  } else {
    EXPECT_EQ(shortestByBruteForce(bruteForceUpTo), std::nullopt);
  }
}

TEST(Solver, FindsWinningSolutionsThatNoShorterKeyStringBeats) {
  expectShortestAndWinning(kPushMirror, 5);
  expectShortestAndWinning(kZapGuard, 5);
  expectShortestAndWinning(kJoin, 5);
}

TEST(Solver, CountsTurnsAsKeys) {
  // Two steps north, a turn west, and the push.
  const SolveResult result = solveText(kPushMirror);
  ASSERT_EQ(result.outcome, SolveOutcome::Solved);
  EXPECT_EQ(result.keys, "UULU");
}

TEST(Solver, NeverPlansThroughAZappedPush) {
  const SolveResult result = solveText(kZapGuard);
  ASSERT_EQ(result.outcome, SolveOutcome::Solved);
  // "U" would clear the beam but is zapped: the way round to the north and
  // the pull take nine keys.
  EXPECT_EQ(result.keys.size(), 9u);
  EXPECT_EQ(result.keys.back(), 'D');
}

TEST(Solver, WithoutZapsTakesThePushThatWouldStandInTheBeam) {
  LevelGrid grid;
  test::buildLevel(grid, kZapGuard);
  SolveLimits limits;
  limits.zaps = false;
  const SolveResult result = solveLevel(grid, limits);
  ASSERT_EQ(result.outcome, SolveOutcome::Solved);
  EXPECT_EQ(result.keys, "U");
}

TEST(Solver, ALevelWonAtTheStartTakesOneKey) {
  const SolveResult result = solveText(R"(
# # # #
# >r Swr #
# @ . #
# # # #
)");
  EXPECT_EQ(result.outcome, SolveOutcome::Solved);
  EXPECT_EQ(result.keys, "S");
}

// ---- No solution, and limits -----------------------------------------------------------

TEST(Solver, ProvesAStuckLevelUnsolvable) {
  const SolveResult result = solveText(kStuck);
  EXPECT_EQ(result.outcome, SolveOutcome::NoSolution);
  // Robot cells and directions only: the mirror never moves.
  EXPECT_LE(result.states, 4u * 7);
  EXPECT_EQ(result.arrangements, 1u);
}

TEST(Solver, ALevelWithoutSensorsIsNeverWon) {
  const SolveResult result = solveText(test::kDefaultLevelText);
  EXPECT_EQ(result.outcome, SolveOutcome::NoSolution);
  EXPECT_EQ(result.reason, "it has no sensor");
  EXPECT_EQ(result.states, 0u) << "said at once, without a search";
}

// Filters only take colours away, and beams mix at a sensor: red lasers never
// light a blue sensor, red and green ones may light a yellow one.
TEST(Solver, SaysAtOnceWhenNoLaserOrMixCanMakeASensorsColour) {
  const auto reasonFor = [](const char* text) { return solveText(text, 100).reason; };
  EXPECT_EQ(reasonFor("# # # # # #\n# >r . . Swb #\n# @ . . . #\n# # # # # #\n"),
            "no laser or mix of lasers makes the blue of the sensor at x 4, y 1");
  EXPECT_EQ(reasonFor("# # # # # #\n# >r . . Swy #\n# @ >g . . #\n# # # # # #\n"), "");
  EXPECT_EQ(reasonFor("# # # # # #\n# >w Lr . Swy #\n# @ . . . #\n# # # # # #\n"),
            "no laser or mix of lasers makes the yellow of the sensor at x 4, y 1");
}

TEST(Solver, StopsAtItsStateLimitAndSaysHowDeepItLooked) {
  const SolveResult result = solveText(kWide, 5000);
  EXPECT_EQ(result.outcome, SolveOutcome::LimitReached);
  EXPECT_GT(result.depth, 3u);
  EXPECT_LE(result.states, 5001u);
}

TEST(Solver, ACancelledSearchEndsAndReportsWhatItSaw) {
  LevelGrid grid;
  test::buildLevel(grid, kWide);
  std::atomic<bool> cancel{true};
  std::atomic<uint64_t> seen{0};
  SolveLimits limits;
  limits.cancel = &cancel;
  limits.statesSeen = &seen;
  const SolveResult result = solveLevel(grid, limits);
  EXPECT_EQ(result.outcome, SolveOutcome::Cancelled);
  EXPECT_GT(seen.load(), 0u);
  EXPECT_LT(result.states, 5000u) << "the flag is looked at early";
}

TEST(Solver, RefusesLevelsWithMoreObjectsThanItPacks) {
  const std::string walls = "# # # # # # # # # # # # # # # # #\n";
  std::string crowded = walls + "# @";
  for (int i = 0; i < 14; ++i) crowded += " Lr";
  crowded += " #\n# >r . . . . . . . . . . . . . Swr #\n" + walls;
  EXPECT_EQ(solveText(crowded).outcome, SolveOutcome::Unsupported);
}

}  // namespace
}  // namespace trelux
