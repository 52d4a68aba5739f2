// Whether the game can keep its saves in its folder.
#include "app/game_folder.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace trelux {
namespace {

namespace fs = std::filesystem;

TEST(GameFolder, AWritableFolderIsLeftAsItWas) {
  test::ScratchFolder folder;
  EXPECT_TRUE(canWriteFolder(".\\"));
  EXPECT_TRUE(fs::is_empty("."));
}

// Root ignores permissions; an immutable folder refuses even root.
TEST(GameFolder, AnImmutableFolderIsNot) {
  test::ScratchFolder folder;
  fs::create_directory("locked");
  if (std::system("chattr +i locked 2>/dev/null") != 0) GTEST_SKIP() << "no chattr here";
  const bool writable = canWriteFolder("locked\\");
  std::system("chattr -i locked");
  EXPECT_FALSE(writable);
}

}  // namespace
}  // namespace trelux
