#include "base/host_path.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::ScratchFolder;
using test::writeFile;

#ifdef _WIN32

TEST(HostPath, IsThePathItselfOnWindows) {
  EXPECT_EQ(hostPath(".\\Levels\\abc\\levels.dat"), ".\\Levels\\abc\\levels.dat");
}

#else

TEST(HostPath, TurnsBackslashesIntoSlashes) {
  ScratchFolder folder;
  EXPECT_EQ(hostPath(".\\levels\\x.trelux"), "./levels/x.trelux");
  EXPECT_EQ(hostPath("trelux.ini"), "trelux.ini");
}

TEST(HostPath, MatchesExistingComponentsIgnoringCase) {
  ScratchFolder folder;
  writeFile("levels/abc/levels.dat", "x");
  EXPECT_EQ(hostPath(".\\Levels\\ABC\\LEVELS.DAT"), "./levels/abc/levels.dat");
  EXPECT_TRUE(canOpenForReading(".\\LEVELS\\abc\\Levels.dat"));
}

TEST(HostPath, KeepsTheSpellingOfWhatDoesNotExistYet) {
  ScratchFolder folder;
  writeFile("levels/old.trelux", "x");
  EXPECT_EQ(hostPath(".\\Levels\\New\\levels.dat"), "./levels/New/levels.dat");
}

TEST(HostPath, PrefersTheExactSpellingWhenBothExist) {
  ScratchFolder folder;
  writeFile("Levels/a", "1");
  writeFile("levels/a", "2");
  EXPECT_EQ(hostPath(".\\levels\\a"), "./levels/a");
  EXPECT_EQ(hostPath(".\\Levels\\a"), "./Levels/a");
}

TEST(HostPath, KeepsAbsolutePathsAbsolute) {
  ScratchFolder folder;
  const std::string absolute = folder.path().string() + "/x";
  EXPECT_EQ(hostPath(absolute), absolute);
}

#endif

}  // namespace
}  // namespace trelux
