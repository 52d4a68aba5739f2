// Golden replays: small levels played with a key string through the tool's
// command line. Every expected text below was worked out by hand from the
// rules of light and movement; tiles are 1 wall, 2 floor, 8 + colour lens,
// 16 + 8 x orientation + colour mirror, 32 + direction laser, 36 + stem
// T-mirror, 40 (dark) or 72 (lit) + 8 x facing + colour sensor. Light is the
// four sides of a cell, north east south west, one digit each.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "tool_main.h"
#include "tool_run.h"

namespace trelux {
namespace {

using test::ScratchFolder;

using test::ToolRun;

ToolRun replay(const std::string& levelText, const std::string& keys) {
  test::writeSetFile("levels.dat", {levelText});
  std::ostringstream out;
  std::ostringstream err;
  const int code = tool::runTool({"replay", "levels.dat", "0", keys}, out, err);
  return {code, out.str(), err.str()};
}

// A row of cells that no light crosses.
std::string darkRow(int width) {
  std::string row;
  for (int x = 0; x < width; ++x) row += x ? " 0000" : "0000";
  return row + "\n";
}

std::string darkRows(int width, int height) {
  std::string rows;
  for (int y = 0; y < height; ++y) rows += darkRow(width);
  return rows;
}

// A macro rather than a function so that a failure names the test's line.
#define EXPECT_REPLAY(call, expected)  \
  do {                                 \
    const ToolRun replayed = (call);   \
    EXPECT_EQ(replayed.code, 0);       \
    EXPECT_EQ(replayed.err, "");       \
    EXPECT_EQ(replayed.out, expected); \
  } while (0)

// ---- Walking and turning -------------------------------------------------------

constexpr const char* kWalkRoom = R"(
# # # # #
# . . . #
# . @ . #
# . . . #
# # # # #
)";

constexpr const char* kRoomTiles =
    "tiles\n"
    "1 1 1 1 1\n"
    "1 2 2 2 1\n"
    "1 2 2 2 1\n"
    "1 2 2 2 1\n"
    "1 1 1 1 1\n";

TEST(ReplayGolden, WalkingStopsAtWallsAndTurningWrapsAround) {
  ScratchFolder folder;
  // Up to the top row, bump the wall, turn east, walk, bump, turn south, a
  // step back into the wall does nothing, turn east, step back west, turn
  // twice to the left (north, then west).
  EXPECT_REPLAY(replay(kWalkRoom, "UURUURDLDLL"),
                "robot 2 1 3\nwon no\nsounds\nsize 5 5\n" + std::string(kRoomTiles) + "light\n" +
                    darkRows(5, 5));
}

TEST(ReplayGolden, FiveRightTurnsFaceEastAndTheStepGoesEast) {
  ScratchFolder folder;
  EXPECT_REPLAY(replay(kWalkRoom, "RRRRRU"),
                "robot 3 2 1\nwon no\nsounds\nsize 5 5\n" + std::string(kRoomTiles) + "light\n" +
                    darkRows(5, 5));
}

TEST(ReplayGolden, SpaceWhilePlayingChangesNothing) {
  ScratchFolder folder;
  // Space where Up or Down would have moved the robot.
  const std::string expected = "robot 3 2 1\nwon no\nsounds\nsize 5 5\n" +
                               std::string(kRoomTiles) + "light\n" + darkRows(5, 5);
  EXPECT_REPLAY(replay(kWalkRoom, "RU"), expected);
  EXPECT_REPLAY(replay(kWalkRoom, "SRSSUS"), expected);
}

// ---- Beams and zaps ------------------------------------------------------------

TEST(ReplayGolden, SteppingIntoABeamIsZappedForwardAndBackward) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #  #
#  .  .  .  .  #
#  >r .  .  .  #
#  @  .  .  .  #
#  #  #  #  #  #
)";
  // The laser blocks the first step; beside the beam is safe; a step forward
  // and a step backward into the beam are both taken back.
  EXPECT_REPLAY(replay(level, "URULURRDLU"),
                "robot 3 3 1\nwon no\nsounds zap.wav zap.wav\nsize 6 5\n"
                "tiles\n"
                "1 1 1 1 1 1\n"
                "1 2 2 2 2 1\n"
                "1 33 2 2 2 1\n"
                "1 2 2 2 2 1\n"
                "1 1 1 1 1 1\n"
                "light\n" +
                    darkRows(6, 2) + "0000 0000 0101 0101 0101 0000\n" + darkRows(6, 2));
}

TEST(ReplayGolden, LensAndMirrorFilterTheBeamAndAFilteredBeamStillZaps) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #  #
#  >w Lc \b .  #
#  .  .  .  .  #
#  @  .  .  .  #
#  #  #  #  #  #
)";
  // White through the cyan lens is cyan; the blue mirror turns it south as
  // blue, marking its west side cyan and its south side blue.
  EXPECT_REPLAY(replay(level, "RUULUURU"),
                "robot 2 2 1\nwon no\nsounds zap.wav zap.wav\nsize 6 5\n"
                "tiles\n"
                "1 1 1 1 1 1\n"
                "1 33 14 20 2 1\n"
                "1 2 2 2 2 1\n"
                "1 2 2 2 2 1\n"
                "1 1 1 1 1 1\n"
                "light\n" +
                    darkRow(6) +
                    "0000 0000 0606 0046 0000 0000\n"
                    "0000 0000 0000 4040 0000 0000\n"
                    "0000 0000 0000 4040 0000 0000\n" +
                    darkRow(6));
}

TEST(ReplayGolden, AStartInLightAllowsTurnsAndTheFirstStepOut) {
  ScratchFolder folder;
  // No wall ring: whatever lies outside the grid stops beams and the robot.
  const char* level = R"(
@  .  <r
.  .  .
)";
  EXPECT_REPLAY(replay(level, "RLDU"),
                "robot 0 1 0\nwon no\nsounds zap.wav\nsize 3 2\n"
                "tiles\n"
                "2 2 35\n"
                "2 2 2\n"
                "light\n"
                "0101 0101 0000\n"
                "0000 0000 0000\n");
}

// ---- Pushing and pulling -------------------------------------------------------

TEST(ReplayGolden, PushAndPullMoveOneObjectAtATime) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #  #  #
#  .  .  .  .  .  #
#  .  .  Lg .  .  #
#  .  .  .  .  .  #
#  .  .  @  Lb Lr #
#  #  #  #  #  #  #
)";
  // Step, push the green lens to the wall, try again (blocked), pull it twice,
  // a third pull has the wall behind; facing east the blue lens has the red
  // one beyond it and cannot be pushed, but it can be pulled.
  EXPECT_REPLAY(replay(level, "UUUDDDRUD"),
                "robot 2 4 1\nwon no\nsounds push.wav push.wav push.wav push.wav\nsize 7 6\n"
                "tiles\n"
                "1 1 1 1 1 1 1\n"
                "1 2 2 2 2 2 1\n"
                "1 2 2 2 2 2 1\n"
                "1 2 2 10 2 2 1\n"
                "1 2 2 12 2 9 1\n"
                "1 1 1 1 1 1 1\n"
                "light\n" +
                    darkRows(7, 6));
}

TEST(ReplayGolden, APushThatReflectsTheBeamOntoTheRobotIsTakenBack) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #  #  #
#  >r .  .  .  .  #
#  .  .  \r .  .  #
#  .  .  @  .  .  #
#  #  #  #  #  #  #
)";
  // Each push puts the mirror in the beam, which turns south onto the robot.
  // In between, Down has the wall behind and does nothing.
  EXPECT_REPLAY(replay(level, "UDU"),
                "robot 3 3 0\nwon no\nsounds push.wav zap.wav push.wav zap.wav\nsize 7 5\n"
                "tiles\n"
                "1 1 1 1 1 1 1\n"
                "1 33 2 2 2 2 1\n"
                "1 2 2 17 2 2 1\n"
                "1 2 2 2 2 2 1\n"
                "1 1 1 1 1 1 1\n"
                "light\n" +
                    darkRow(7) + "0000 0000 0101 0101 0101 0101 0000\n" + darkRows(7, 3));
}

TEST(ReplayGolden, APullThatUnblocksTheBeamOntoTheRobotIsTakenBack) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #
#  .  .  .  #
#  >r Lg \r #
#  .  @  .  #
#  .  .  /r #
#  #  #  #  #
)";
  // The green lens swallows the red beam. Pulled away, the beam would run
  // through both mirrors back west onto the robot, so the lens goes back.
  EXPECT_REPLAY(replay(level, "DRU"),
                "robot 3 3 1\nwon no\nsounds push.wav zap.wav\nsize 5 6\n"
                "tiles\n"
                "1 1 1 1 1\n"
                "1 2 2 2 1\n"
                "1 33 10 17 1\n"
                "1 2 2 2 1\n"
                "1 2 2 25 1\n"
                "1 1 1 1 1\n"
                "light\n" +
                    darkRows(5, 6));
}

// ---- Winning -------------------------------------------------------------------

TEST(ReplayGolden, AWinMidSequenceStopsTheLaterKeys) {
  ScratchFolder folder;
  const char* level = R"(
#  #  #  #  #  #  #   #
#  .  .  .  .  .  .   #
#  .  .  @  .  .  .   #
#  >w .  Lr .  Lb Swb #
#  .  .  .  .  .  .   #
#  #  #  #  #  #  #   #
)";
  // Red then blue leaves nothing; with the red lens pulled out of the row the
  // white beam reaches the blue lens and blue lights the sensor. Up, Left and
  // Space after the win change nothing and win.wav plays once.
  EXPECT_REPLAY(replay(level, "RRDULS"),
                "robot 3 1 2\nwon 3\nsounds push.wav win.wav\nsize 8 6\n"
                "tiles\n"
                "1 1 1 1 1 1 1 1\n"
                "1 2 2 2 2 2 2 1\n"
                "1 2 2 9 2 2 2 1\n"
                "1 33 2 2 2 12 100 1\n"
                "1 2 2 2 2 2 2 1\n"
                "1 1 1 1 1 1 1 1\n"
                "light\n" +
                    darkRows(8, 3) + "0000 0000 0707 0707 0707 0404 0004 0000\n" +
                    darkRows(8, 2));
}

TEST(ReplayGolden, PushingATMirrorIntoTheBeamLightsBothSensors) {
  ScratchFolder folder;
  const char* level = R"(
#  #   #  #  #  #   #
#  .   .  vg .  .   #
#  Seg .  .  .  Swg #
#  .   .  Tn .  .   #
#  .   .  @  .  .   #
#  #   #  #  #  #   #
)";
  // The split one row too low lights nothing; pushed up, the T-mirror sends
  // green through both arms into the two sensors. Down after the win would
  // have pulled it back.
  EXPECT_REPLAY(replay(level, "LRUD"),
                "robot 3 3 0\nwon 3\nsounds push.wav win.wav\nsize 7 6\n"
                "tiles\n"
                "1 1 1 1 1 1 1\n"
                "1 2 2 34 2 2 1\n"
                "1 82 2 36 2 98 1\n"
                "1 2 2 2 2 2 1\n"
                "1 2 2 2 2 2 1\n"
                "1 1 1 1 1 1 1\n"
                "light\n" +
                    darkRows(7, 2) + "0000 0200 0202 2202 0202 0002 0000\n" + darkRows(7, 3));
}

constexpr const char* kLitAtStart = R"(
#  #  #  #  #   #  #
#  .  vr .  .   .  #
#  @  Te .  Swm .  #
#  .  ^b .  .   .  #
#  #  #  #  #   #  #
)";

// Red from the north and blue from the south join in the T-mirror's stem and
// light the magenta sensor before any key.
std::string litAtStartBoard() {
  return "size 7 5\n"
         "tiles\n"
         "1 1 1 1 1 1 1\n"
         "1 2 34 2 2 2 1\n"
         "1 2 37 2 101 2 1\n"
         "1 2 32 2 2 2 1\n"
         "1 1 1 1 1 1 1\n"
         "light\n" +
         darkRows(7, 2) + "0000 0000 1540 0505 0005 0000 0000\n" + darkRows(7, 2);
}

TEST(ReplayGolden, ALevelLitAtTheStartIsWonByTheFirstKeyEvenSpace) {
  ScratchFolder folder;
  EXPECT_REPLAY(replay(kLitAtStart, "SULR"),
                "robot 1 2 0\nwon 1\nsounds win.wav\n" + litAtStartBoard());
}

TEST(ReplayGolden, TheWinningFirstKeyStillMovesTheRobot) {
  ScratchFolder folder;
  // Turned east, a further Up would have pushed the T-mirror.
  EXPECT_REPLAY(replay(kLitAtStart, "RUL"),
                "robot 1 2 1\nwon 1\nsounds win.wav\n" + litAtStartBoard());
}

TEST(ReplayGolden, WithoutAKeyNothingTestsForTheWin) {
  ScratchFolder folder;
  EXPECT_REPLAY(replay(kLitAtStart, ""), "robot 1 2 0\nwon no\nsounds\n" + litAtStartBoard());
}

// ---- JSON ----------------------------------------------------------------------

TEST(ReplayGolden, JsonHoldsTheSameStateWhereverTheOptionStands) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {R"(
#  #  #  #
#  >g .  #
#  @  .  #
#  #  #  #
)"});
  const std::string expected =
      "{\"robot\":{\"x\":2,\"y\":2,\"direction\":0},\"won\":false,\"wonAfterKey\":null,"
      "\"sounds\":[\"zap.wav\"],\"width\":4,\"height\":4,"
      "\"tiles\":[[1,1,1,1],[1,33,2,1],[1,2,2,1],[1,1,1,1]],"
      "\"sideLight\":[[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0]],"
      "[[0,0,0,0],[0,0,0,0],[0,2,0,2],[0,0,0,0]],"
      "[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0]],"
      "[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0]]]}\n";
  for (const auto& args : {std::vector<std::string>{"replay", "levels.dat", "0", "RULU", "--json"},
                           std::vector<std::string>{"replay", "--json", "levels.dat", "0", "RULU"}}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(tool::runTool(args, out, err), 0);
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(err.str(), "");
  }
}

TEST(ReplayGolden, JsonNamesTheWinningKey) {
  ScratchFolder folder;
  test::writeSetFile("levels.dat", {kLitAtStart});
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(tool::runTool({"replay", "levels.dat", "0", "LS", "--json"}, out, err), 0);
  EXPECT_NE(out.str().find("\"robot\":{\"x\":1,\"y\":2,\"direction\":3},\"won\":true,"
                           "\"wonAfterKey\":1,\"sounds\":[\"win.wav\"],"),
            std::string::npos)
      << out.str();
}

}  // namespace
}  // namespace trelux
