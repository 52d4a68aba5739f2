#include "download/puzzle_server.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(PuzzleServer, SettingNamesHostAndPortElseTheDefault) {
  EXPECT_EQ(manifestUrl(puzzleServerFrom("127.0.0.1:8080")),
            "http://127.0.0.1:8080/download/files/trelux/download.php");
  EXPECT_EQ(manifestUrl(puzzleServerFrom("example.org")),
            "http://example.org/download/files/trelux/download.php");
  EXPECT_EQ(puzzleServerFrom("").host, kDefaultPuzzleHost);
  EXPECT_EQ(connectingText(puzzleServerFrom("h:81")), "Connecting to h...");
  EXPECT_EQ(connectionMessage(puzzleServerFrom("h:81")),
            "Trelux couldn't establish a connection to h\n"
            "Make sure you have a valid internet connection, then try again");
}

}  // namespace
}  // namespace trelux
