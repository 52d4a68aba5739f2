#include "download/downloaded_set.h"

#include <gtest/gtest.h>

#include <string>

#include "download/download_messages.h"
#include "download/internet_error.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;

const char* const kGreenLevel =
    "# # # # #\n"
    "# >g Swg . #\n"
    "# . @ . #\n"
    "# # # # #\n";

std::string setBytes(int levels) {
  test::writeSetFile("set.dat", std::vector<std::string>(static_cast<size_t>(levels), kGreenLevel));
  return readFile("set.dat");
}

TEST(DownloadedSet, WholeSetsPass) {
  ScratchFolder scratch;
  EXPECT_TRUE(isPlayableSetFile(setBytes(1)));
  std::string three = setBytes(3);
  EXPECT_TRUE(isPlayableSetFile(three));
  three[1] = static_cast<char>(kCodeFlag);  // a code "" is still a header
  EXPECT_TRUE(isPlayableSetFile(three));
}

TEST(DownloadedSet, PagesHeadersAndCutOffBodiesFail) {
  ScratchFolder scratch;
  const std::string set = setBytes(2);
  EXPECT_FALSE(isPlayableSetFile(""));
  EXPECT_FALSE(isPlayableSetFile("<!DOCTYPE html><html><body>Moved</body></html>\n"));
  EXPECT_FALSE(isPlayableSetFile(set.substr(0, kHeaderSize))) << "no level";
  EXPECT_FALSE(isPlayableSetFile(set.substr(0, kHeaderSize + 1 + kLevelCapacity + 6)))
      << "the second level is cut inside its cells";
  std::string badFlag = set;
  badFlag[1] = 'X';
  EXPECT_FALSE(isPlayableSetFile(badFlag));
  std::string badLevel = set;
  badLevel[kHeaderSize + 1 + kLevelCapacity + 2] = 0;  // level 2's width
  EXPECT_FALSE(isPlayableSetFile(badLevel));
}

TEST(DownloadedSet, NothingLargerThanAFullSetPasses) {
  ScratchFolder scratch;
  std::string set = setBytes(1);
  set.resize(kMaxSetFileSize, 'Q');  // filler the marker scan passes over
  EXPECT_TRUE(isPlayableSetFile(set));
  set += 'Q';
  EXPECT_FALSE(isPlayableSetFile(set));
}

TEST(DownloadedSet, CheckThrowsTheDamagedMessage) {
  ScratchFolder scratch;
  writeFile("good.tmp", setBytes(1));
  writeFile("page.tmp", "<html></html>");
  EXPECT_NO_THROW(checkDownloadedSet("good.tmp"));
  for (auto [file, complete] :
       {std::pair{"page.tmp", true}, {"good.tmp", false}, {"none.tmp", true}}) {
    try {
      checkDownloadedSet(file, complete);
      ADD_FAILURE() << file << " passed";
    } catch (const InternetError& error) {
      EXPECT_EQ(error.message, kDamagedSetMessage);
    }
  }
}

}  // namespace
}  // namespace trelux
