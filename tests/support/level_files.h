// Levels and level files for tests, written in the readable level text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelux {
class LevelGrid;
}

namespace trelux::test {

// Where the editor's tests keep the set they edit.
inline constexpr const char* kSetFile = ".\\Levels\\s\\levels.dat";

// Pulling the black lens out of the red beam (Down) lights the sensor: won
// in one key.
inline constexpr const char* kPullToWin =
    "# # # # # # #\n"
    "# >r . Lk . Swr #\n"
    "# . . @ . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

// A red beam lights the sensor; a green lens stands beside the robot.
inline constexpr const char* kLab =
    "# # # # # # #\n"
    "# >r . . . Swr #\n"
    "# . @ Lg . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

// The red lens blocks the green beam. Pushing it north would clear the beam
// but leave the robot standing in it: the zap takes that back, so the lens
// must be pulled out from the north.
inline constexpr const char* kZapGuard = R"(
# # # # # # #
# . . . . . #
# . . . . . #
# >g . Lr . Swg #
# . . @ . . #
# # # # # # #
)";

// Builds the level into grid; a text that does not parse fails the test.
void buildLevel(LevelGrid& grid, std::string_view text);

// Writes a level file holding these levels in order through the game's own
// writer (a new set file, then appended levels), so the records are what
// the editor would produce.
void writeSetFile(const std::string& path, const std::vector<std::string>& levelTexts);

}  // namespace trelux::test
