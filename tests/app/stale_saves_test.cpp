#include "app/stale_saves.h"

#include <chrono>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::ScratchFolder;
using test::writeFile;
namespace fs = std::filesystem;

void writeAged(const std::string& path, std::chrono::minutes age) {
  writeFile(path, "x");
  fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

// What a killed save leaves is removed at start; a save of another game
// running now, the editor's working copies and every other file stay.
TEST(StaleSaves, OldSaveTemporariesAreRemovedAndNothingElse) {
  ScratchFolder folder;
  const std::chrono::minutes old{60};
  for (const char* path : {"_sav1A2B.tmp", "levels/_sav0000.tmp", "levels/abc/_savFFFF.tmp"}) {
    writeAged(path, old);
  }
  writeAged("levels/abc/_sav1234.tmp", std::chrono::minutes{0});
  for (const char* path : {"levels/_ple_12AB.tmp", "levels/abc/levels.dat", "trelux.ini", "_savings.tmp"}) {
    writeAged(path, old);
  }
  removeStaleSaveFiles();
  EXPECT_FALSE(fs::exists("_sav1A2B.tmp"));
  EXPECT_FALSE(fs::exists("levels/_sav0000.tmp"));
  EXPECT_FALSE(fs::exists("levels/abc/_savFFFF.tmp"));
  for (const char* path : {"levels/abc/_sav1234.tmp", "levels/_ple_12AB.tmp", "levels/abc/levels.dat",
                           "trelux.ini", "_savings.tmp"}) {
    EXPECT_TRUE(fs::exists(path)) << path;
  }
}

}  // namespace
}  // namespace trelux
