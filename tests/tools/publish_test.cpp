#include "publish.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/keyed_document.h"
#include "download/downloaded_set.h"
#include "download/manifest.h"
#include "support/scratch_folder.h"
#include "tool_run.h"

namespace trelux {
namespace {

using test::readFile;
using test::run;
using test::ScratchFolder;
using test::writeFile;

constexpr const char* kLevel =
    "level: 1\n"
    "# # # # #\n"
    "# >g Swg . #\n"
    "# . @ . #\n"
    "# # # # #\n";

std::vector<ManifestSet> publishedSets(const std::string& folder) {
  KeyedDocument doc;
  readManifest(doc, folder + "/download/files/trelux/download.php");
  return manifestSets(doc);
}

// "alpha" hashes to bucket 58 and "zeta" to 41: the second set's section
// must still come after the first one's.
TEST(Publish, ManifestListsTheSetsInOrderWithTheirUrls) {
  ScratchFolder scratch;
  writeFile("alpha.txt", std::string("set: Alpha\nguid: {AB-12}\n") + kLevel);
  writeFile("zeta.txt", std::string("set: Zeta Set\nauthor: Ann\n") + kLevel);
  const test::ToolRun result = run(
      {"publish", "site", "--base-url", "http://127.0.0.1:8080", "alpha.txt", "zeta.txt"});
  ASSERT_EQ(result.code, 0) << result.err;
  const std::vector<ManifestSet> sets = publishedSets("site");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].name, "Alpha");
  EXPECT_EQ(sets[0].guid, "{AB-12}");
  EXPECT_EQ(sets[0].author, "") << "no author line, no author key";
  EXPECT_EQ(sets[1].name, "Zeta Set");
  EXPECT_EQ(sets[1].path, "http://127.0.0.1:8080/sets/zeta.dat");
  EXPECT_EQ(sets[1].author, "Ann");
  EXPECT_EQ(sets[1].date.size(), 10u);
  EXPECT_TRUE(isPlayableSetFile(readFile("site/sets/alpha.dat")));
  ASSERT_EQ(run({"compile", "alpha.txt", "alpha.dat"}).code, 0);
  EXPECT_EQ(readFile("site/sets/alpha.dat"), readFile("alpha.dat"));
}

TEST(Publish, GuidIsStableAndOwnToEachSet) {
  ScratchFolder scratch;
  writeFile("a.txt", std::string("set: Afterglow\n") + kLevel);
  writeFile("b.txt", std::string("set: Night Shift\n") + kLevel);
  ASSERT_EQ(run({"publish", "one", "--base-url", "http://h/", "a.txt", "b.txt"}).code, 0);
  ASSERT_EQ(run({"publish", "two", "--base-url", "http://h/x/", "a.txt"}).code, 0);
  const std::vector<ManifestSet> one = publishedSets("one");
  const std::vector<ManifestSet> two = publishedSets("two");
  ASSERT_EQ(one.size(), 2u);
  ASSERT_EQ(two.size(), 1u);
  EXPECT_EQ(one[0].guid, two[0].guid);
  EXPECT_NE(one[0].guid, one[1].guid);
  EXPECT_EQ(one[0].guid.size(), 36u);
  EXPECT_EQ(two[0].path, "http://h/x/sets/a.dat");
}

TEST(Publish, WrongUsageAndBadSetsWriteNoManifest) {
  ScratchFolder scratch;
  writeFile("a.txt", std::string("set: A\n") + kLevel);
  writeFile("bad.txt", "set: Bad\n");
  EXPECT_EQ(run({"publish", "site", "a.txt"}).code, 2) << "the base URL is required";
  EXPECT_EQ(run({"publish", "site", "--base-url", "ftp://h/", "a.txt"}).code, 2);
  EXPECT_EQ(
      run({"publish", "site", "--base-url", "http://h/", "a.txt", "bad.txt"}).code, 1);
  EXPECT_EQ(readFile("site/download/files/trelux/download.php"), "");
}

// "sets" is a file: its folder cannot be made, though the manifest's can.
TEST(Publish, FolderThatCannotBeMadeIsReported) {
  ScratchFolder scratch;
  writeFile("a.txt", std::string("set: A\n") + kLevel);
  writeFile("site/sets", "");
  const test::ToolRun result = run({"publish", "site", "--base-url", "http://h/", "a.txt"});
  EXPECT_EQ(result.code, 1);
  EXPECT_THAT(result.err, testing::StartsWith("trelux-tool: cannot make the folder site/sets: "));
}

}  // namespace
}  // namespace trelux
