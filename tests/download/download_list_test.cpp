#include "download/download_list.h"

#include <gtest/gtest.h>

#include <string>

#include "download/download_messages.h"
#include "download/internet_error.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;

constexpr const char* kList = "levels/download.guid";

TEST(DownloadList, MissingListOrSectionIsCreated) {
  ScratchFolder scratch;
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::Download);
  EXPECT_EQ(readFile(kList), "[webguids]\r\n\r\n\r\n");

  writeFile(kList, "[other]\r\nx = 1\r\n");
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::Download);
  const std::string text = readFile(kList);
  EXPECT_NE(text.find("[webguids]"), std::string::npos);
  EXPECT_NE(text.find("x = 1"), std::string::npos);
}

TEST(DownloadList, GuidIsStoredAndComparedLowerCased) {
  ScratchFolder scratch;
  writeFile(kList, "[webguids]\r\n\r\n\r\n");
  recordGuid("AbC-1234");
  EXPECT_NE(readFile(kList).find("abc-1234 = true"), std::string::npos);
  EXPECT_EQ(repeatedDownloadCheck("ABC-1234"), DownloadAnswer::AskFirst);
  EXPECT_EQ(repeatedDownloadCheck("abc-1235"), DownloadAnswer::Download);
}

TEST(DownloadList, UnreadableListIsNeitherAskedNorOverwritten) {
  ScratchFolder scratch;
  const std::string broken = "[webguids]\r\nno separator here\r\n";
  writeFile(kList, broken);
  EXPECT_EQ(repeatedDownloadCheck("abc"), DownloadAnswer::ListUnreadable);
  try {
    recordGuid("abc");
    ADD_FAILURE() << "recording into an unreadable list succeeded";
  } catch (const InternetError& error) {
    EXPECT_EQ(error.detail, "Couldn't parse the guid list.");
    EXPECT_EQ(error.message, kInstallMessage);
  }
  EXPECT_EQ(readFile(kList), broken);
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
