#include "download/install.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/host_path.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "puzzles/catalogue.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::ScratchFolder;
using test::writeFile;

const char* const kRedLevel =
    "# # # # # #\n"
    "# >r . Swr . #\n"
    "# . @ . . #\n"
    "# # # # # #\n";

std::vector<PuzzleSetEntry> catalogue() {
  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, true);
  return list;
}

// Everything in the sets' folder, sub-folders included.
std::vector<std::string> filesUnder(const fs::path& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    files.push_back(entry.path().lexically_relative(folder).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class Install : public testing::Test {
 protected:
  void SetUp() override {
    writeFile("levels/download.guid", "[webguids]\r\n\r\n\r\n");
    test::writeSetFile("download.tmp", {kRedLevel, kRedLevel});
  }
  std::string failureOf(const std::string& name, const std::string& file) {
    try {
      installSet(name, file, "GUID-1");
    } catch (const InternetError& error) {
      EXPECT_EQ(error.message, kInstallMessage);
      return error.detail;
    }
    return {};
  }
  ScratchFolder scratch_;
};

// That the set is locked, listed and its guid recorded, the downloader's
// Win32 tests show; here, its file byte for byte and nothing left over.
TEST_F(Install, DownloadedFileIsCopiedWholeWithNoWorkingCopyLeft) {
  installSet("Glow", "download.tmp", "GUID-1");
  const std::vector<PuzzleSetEntry> sets = catalogue();
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(readFile(hostPath(sets[0].folder + "levels.dat")), readFile("download.tmp"));
  // The set's descriptor and folder with its file, the list, and no working copy.
  EXPECT_EQ(filesUnder("levels").size(), 4u);
}

TEST_F(Install, FailureAfterCreationLeavesNothingInstalled) {
  const std::vector<std::string> before = filesUnder("levels");
  EXPECT_EQ(failureOf("Glow", "missing.tmp"), "Couldn't copy the file over.");
  EXPECT_EQ(filesUnder("levels"), before);

  fs::remove("levels/download.guid");
  fs::create_directory("levels/download.guid");  // there, but no file to open
  EXPECT_EQ(failureOf("Glow", "download.tmp"), "Couldn't parse the guid list.");
  EXPECT_EQ(filesUnder("levels"), before);
  EXPECT_TRUE(catalogue().empty());
}

// The file is checked before a name is chosen or a set made; the name is
// then the first free one ("Lasers (3)": the Win32 tests), names compared
// ignoring case.
TEST_F(Install, DownloadedSetIsCheckedThenNamed) {
  const std::vector<std::string> before = filesUnder("levels");
  try {
    installDownloadedSet("download.tmp", false, "Glow", "a");
    ADD_FAILURE() << "a body shorter than announced was installed";
  } catch (const InternetError& error) {
    EXPECT_EQ(error.message, kDamagedSetMessage);
  }
  EXPECT_EQ(filesUnder("levels"), before);
  installSet("Glow", "download.tmp", "a");
  EXPECT_EQ(installDownloadedSet("download.tmp", true, "GLOW", "b"), "GLOW (2)");
}

}  // namespace
}  // namespace trelux
