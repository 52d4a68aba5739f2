#include "download/puzzle_server.h"

#include <gtest/gtest.h>

#include "download/download_messages.h"

namespace trelux {
namespace {

TEST(PuzzleServer, SettingNamesHostAndPortElseTheDefault) {
  EXPECT_EQ(manifestUrl(puzzleServerFrom("127.0.0.1:8080")),
            "http://127.0.0.1:8080/download/files/trelux/download.php");
  EXPECT_EQ(manifestUrl(puzzleServerFrom("example.org")),
            "http://example.org/download/files/trelux/download.php");
  EXPECT_EQ(puzzleServerFrom("").host, kDefaultPuzzleHost);
  EXPECT_EQ(connectingText(puzzleServerFrom("h:81").host), "Connecting to h...");
  EXPECT_EQ(connectionMessage(puzzleServerFrom("h:81").host),
            "Trelux couldn't establish a connection to h\n"
            "Make sure you have a valid internet connection, then try again");
}

// Players paste the address of a page: its scheme and last "/" go.
TEST(PuzzleServer, SettingMayBeWrittenAsAnAddress) {
  const PuzzleServer server = puzzleServerFrom(" HTTP://Example.org:08080/ ");
  EXPECT_EQ(server.host, "Example.org");
  EXPECT_EQ(server.port, "8080");
  EXPECT_EQ(puzzleServerFrom("http://example.org").host, "example.org");
  EXPECT_EQ(puzzleServerFrom("http://example.org").port, "");
  EXPECT_EQ(puzzleServerFrom("h:65535").port, "65535");
}

// Such a setting names no server the game can reach; what is tried, and
// named in the messages, is the default host.
TEST(PuzzleServer, UnusableSettingFallsBackToTheDefaultHost) {
  for (const char* setting : {"http://", "h:", "h:http", "h:0", "h:65536", "h:8080x", "::1",
                              "[::1]:8080", "h/puzzles/", "https://h", "a b", "user@h"}) {
    const PuzzleServer server = puzzleServerFrom(setting);
    EXPECT_EQ(server.host, kDefaultPuzzleHost) << setting;
    EXPECT_EQ(server.port, "") << setting;
  }
}

}  // namespace
}  // namespace trelux
