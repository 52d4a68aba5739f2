#include "download/download_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;

constexpr const char* kList = "levels/download.guid";

// A missing list is created (the Win32 tests); one without the section gets
// it, and keeps what it held.
TEST(DownloadList, MissingSectionIsAdded) {
  ScratchFolder scratch;
  writeFile(kList, "[other]\r\nx = 1\r\n");
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::Download);
  const std::string text = readFile(kList);
  EXPECT_NE(text.find("[webguids]"), std::string::npos);
  EXPECT_NE(text.find("x = 1"), std::string::npos);
}

// A spoilt line is skipped and the other guids kept when one is recorded.
TEST(DownloadList, ALineThatCannotBeReadIsSkipped) {
  ScratchFolder scratch;
  writeFile(kList, "[webguids]\r\nno separator here\r\nold = true\r\n");
  EXPECT_EQ(repeatedDownloadCheck("old"), DownloadAnswer::AskFirst);
  recordGuid("abc");
  EXPECT_EQ(readFile(kList), "[webguids]\r\n\r\nold = true\r\nabc = true\r\n\r\n");
}

// A list some editor saved with a byte-order mark still reads; one that
// cannot be opened is no missing list to create anew.
TEST(DownloadList, AMarkIsSkippedAndAListThatCannotBeOpenedIsKept) {
  ScratchFolder scratch;
  writeFile(kList, "\xEF\xBB\xBF[webguids]\r\nabc = true\r\n");
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::AskFirst);
  std::filesystem::remove(kList);
  std::filesystem::create_directory(kList);
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::ListUnreadable);
  EXPECT_TRUE(std::filesystem::is_directory(kList));
}

// Saved as keys, these would make the next load of the list fail.
TEST(DownloadList, GuidsTheListCannotHoldAreNotRecorded) {
  ScratchFolder scratch;
  for (const std::string guid : {"", "a b", "=x", "---", ";x", "[x]"}) {
    EXPECT_FALSE(isRecordableGuid(guid)) << guid;
    recordGuid(guid);
    EXPECT_EQ(repeatedDownloadCheck(guid), DownloadAnswer::Download) << guid;
  }
  EXPECT_TRUE(isRecordableGuid("{6f1c-A}"));
  EXPECT_EQ(readFile(kList), "[webguids]\r\n\r\n\r\n");
}

}  // namespace
}  // namespace trelux
