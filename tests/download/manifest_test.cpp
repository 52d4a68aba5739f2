#include "download/manifest.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/keyed_document.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::ScratchFolder;
using test::writeFile;

// The detail of the error that reading text as a manifest throws; empty
// when it is accepted.
std::string refusal(const std::string& text, bool complete = true) {
  writeFile("manifest.tmp", text);
  KeyedDocument doc;
  try {
    readManifest(doc, "manifest.tmp", complete);
  } catch (const InternetError& error) {
    EXPECT_EQ(error.message, kManifestMessage);
    return error.detail;
  }
  return {};
}

// The list's order, its lines and the empty ones of absent keys the Win32
// tests show; here, key names in any case and values as written.
TEST(Manifest, KeyNamesMatchInAnyCaseAndValuesKeepTheirs) {
  ScratchFolder scratch;
  writeFile("m.tmp", "[First]\r\nName = Lasers\r\nPATH = http://h/A.dat\r\nGuid = AB-cd\r\n"
                     "AUTHOR = Ann\r\ndate = 2024-05-01\r\n");
  KeyedDocument doc;
  readManifest(doc, "m.tmp");
  const std::vector<ManifestSet> sets = manifestSets(doc);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].name, "Lasers");
  EXPECT_EQ(sets[0].path, "http://h/A.dat");
  EXPECT_EQ(sets[0].guid, "AB-cd");
  EXPECT_EQ(sets[0].author, "Ann");
}

TEST(Manifest, SectionWithoutPathOrNameRefusesTheWhole) {
  ScratchFolder scratch;
  EXPECT_EQ(refusal("[Good]\nname = A\npath = u\n[NoName]\npath = u\n"),
            "Group noname has no name.");
  EXPECT_EQ(refusal("[NoPath]\nname = A\n"), "Group nopath has no path.");
  EXPECT_EQ(refusal("[Bare]\nauthor = A\n"), "Group bare has no path.") << "path is checked first";
}

TEST(Manifest, UnreadableIncompleteOrOversizedIsRefused) {
  ScratchFolder scratch;
  const std::string parse = "Couldn't parse the manifest list.";
  EXPECT_EQ(refusal("<html><body>Not here</body></html>\n"), parse);
  EXPECT_EQ(refusal("name = A\n[g]\npath = u\n"), parse) << "strict: no key before a header";
  EXPECT_EQ(refusal("[g]\nname = A\npath = u\n", false), parse);

  const std::string set = "[g]\nname = A\npath = u\n";
  std::string padded = set + std::string(kMaxManifestSize - set.size() - 1, ';') + "\n";
  EXPECT_EQ(refusal(padded), "") << "1 MiB is still a manifest";
  EXPECT_EQ(refusal(padded + "\n"), parse);

  KeyedDocument doc;
  EXPECT_THROW(readManifest(doc, "missing.tmp"), InternetError);
}

// count sets of keys lines each, "name" and "path" among them.
std::string manyLines(size_t count, size_t keys) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    text += "[s" + std::to_string(i) + "]\nname = n\npath = p\n";
    for (size_t k = 2; k < keys; ++k) text += "k" + std::to_string(k) + " = v\n";
  }
  return text;
}

TEST(Manifest, ListsBeyondTheLimitsAreRefused) {
  ScratchFolder scratch;
  const auto message = [](const std::string& text) -> std::string {
    writeFile("m.tmp", text);
    KeyedDocument doc;
    try {
      readManifest(doc, "m.tmp");
    } catch (const InternetError& error) {
      return error.message;
    }
    return "taken";
  };
  EXPECT_EQ(message(manyLines(kMaxManifestSets, kMaxSetKeys)), "taken");
  const std::string refused = withReason(kManifestMessage, kLongManifestReason);
  EXPECT_EQ(message(manyLines(kMaxManifestSets + 1, 2)), refused);
  EXPECT_EQ(message(manyLines(1, kMaxSetKeys + 1)), refused);
}

}  // namespace
}  // namespace trelux
