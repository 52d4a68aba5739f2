#include <gtest/gtest.h>

#include "doc/keyed_document.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::readFile;
using test::ScratchFolder;
using test::writeFile;

// ---- Parsing -------------------------------------------------------------------

TEST(KeyedDocumentText, HeaderBlanksBelongToTheName) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[ settings ]\nsound = 1\n"));
  EXPECT_TRUE(doc.hasSection(" settings "));
  EXPECT_FALSE(doc.hasSection("settings"));
}

TEST(KeyedDocumentText, LowerCasedHeadersNameTheSameSection) {
  KeyedDocument doc;
  doc.setSectionCase(SectionNames::LowerCase);
  ASSERT_TRUE(doc.loadText("[Settings]\nsound = 1\n[settings]\nmusic = 2\n[SETTINGS]\nsound = 3\n"));
  EXPECT_EQ(doc.sectionNames().size(), 1u);
  EXPECT_EQ(doc.getValue("settings", "sound"), "3");
  EXPECT_EQ(doc.getValue("settings", "music"), "2");
}

TEST(KeyedDocumentText, SingleSectionModeMergesHeadersAndWritesNone) {
  KeyedDocument doc;
  doc.setSectionCase(SectionNames::Single);
  ASSERT_TRUE(doc.loadText("[one]\na = 1\n[two]\nb = 2\n"));
  EXPECT_EQ(doc.getValue("", "a"), "1");
  EXPECT_EQ(doc.getValue("", "b"), "2");
  EXPECT_EQ(doc.toText(), "b = 2\na = 1\n\n");  // "b" has the lower bucket
}

TEST(KeyedDocumentText, ValueKeepsLaterEqualsSigns) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[s]\na = b=c\n=a=b\n"));
  EXPECT_EQ(doc.getValue("s", "a"), "b=c");
  EXPECT_TRUE(doc.hasKey("s", ""));
  EXPECT_EQ(doc.getValue("s", ""), "a=b");
}

TEST(KeyedDocumentText, BlanksAroundKeyAndValueAreTrimmed) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[settings]\n\tsound   =1\r\n"));
  EXPECT_EQ(doc.getValue("settings", "sound"), "1");
}

TEST(KeyedDocumentText, CommentsAndBlankLinesAreSkipped) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("; a = comment\n\n   \n[s]\n  ; [not a header]\nk = v\n"));
  EXPECT_EQ(doc.sectionNames(), std::deque<std::string>{"s"});
  EXPECT_FALSE(doc.hasKey("s", "a"));
}

TEST(KeyedDocumentText, AHeaderMayHoldEqualsSigns) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[a=b]\nk = v\n"));
  EXPECT_TRUE(doc.hasSection("a=b"));
  EXPECT_TRUE(doc.loadText("[]\nk = v\n"));
  EXPECT_TRUE(doc.hasKey("", "k"));
}

TEST(KeyedDocumentText, EmptyAndCommentOnlyFilesLoadWithNoSections) {
  KeyedDocument doc;
  EXPECT_TRUE(doc.loadText(""));
  EXPECT_TRUE(doc.isLoaded());
  EXPECT_TRUE(doc.sectionNames().empty());
  KeyedDocument other;
  EXPECT_TRUE(other.loadText("\n; only a comment\n\r\n"));
  EXPECT_TRUE(other.sectionNames().empty());
}

TEST(KeyedDocumentText, TheLastLineNeedsNoLineEnd) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[s]\r\nk = v"));
  EXPECT_EQ(doc.getValue("s", "k"), "v");
}

// Each of these lines fails a strict parse and is skipped by a lenient one.
class RejectedLine : public testing::TestWithParam<const char*> {};

TEST_P(RejectedLine, FailsStrictAndIsSkippedLenient) {
  const std::string text = std::string("[s]\nbefore = 1\n") + GetParam() + "\nafter = 2\n";
  KeyedDocument strict;
  EXPECT_FALSE(strict.loadText(text));
  EXPECT_FALSE(strict.isLoaded());
  KeyedDocument lenient;
  lenient.setLenient(true);
  ASSERT_TRUE(lenient.loadText(text));
  EXPECT_EQ(lenient.getValue("s", "before"), "1");
  EXPECT_EQ(lenient.getValue("s", "after"), "2");
}

INSTANTIATE_TEST_SUITE_P(KeyedDocumentText, RejectedLine,
                         testing::Values("no separator", "= value", "key =", "key =   ",
                                         "[", "[unclosed", "# not a comment",
                                         "=", "..=..", "key == ="));

TEST(KeyedDocumentText, AnUnclosedBracketLineCanStillBeAKeyLine) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[s]\n[x = 1\n"));
  EXPECT_EQ(doc.getValue("s", "[x"), "1");
}

TEST(KeyedDocumentText, KeysBeforeAnyHeaderNeedLenience) {
  KeyedDocument strict;
  EXPECT_FALSE(strict.loadText("k = v\n[s]\n"));
  KeyedDocument lenient;
  lenient.setLenient(true);
  ASSERT_TRUE(lenient.loadText("k = v\n[s]\n"));
  EXPECT_EQ(lenient.getValue("", "k"), "v");
  // Saved under the header "[]" and read back into the nameless section.
  KeyedDocument again;
  ASSERT_TRUE(again.loadText(lenient.toText()));
  EXPECT_EQ(again.getValue("", "k"), "v");
}

TEST(KeyedDocumentText, AFailedLoadKeepsThePreviousContent) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[s]\nk = v\n"));
  EXPECT_FALSE(doc.loadText("[t]\nbroken line\n"));
  EXPECT_EQ(doc.getValue("s", "k"), "v");
  EXPECT_FALSE(doc.hasSection("t"));
}

TEST(KeyedDocumentText, ALoadReplacesInsteadOfMerging) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[s]\nk = v\n"));
  ASSERT_TRUE(doc.loadText("[t]\nj = w\n"));
  EXPECT_FALSE(doc.hasSection("s"));
  EXPECT_EQ(doc.getValue("t", "j"), "w");
}

// ---- Writing ---------------------------------------------------------------------

TEST(KeyedDocumentText, SettingsFileLayout) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.setSectionCase(SectionNames::LowerCase);
  doc.setNameCase(KeepCase::Neither);
  doc.addSection("settings");
  doc.setValue("settings", "music", "40");
  doc.setValue("settings", "sound", "100");
  ASSERT_TRUE(doc.saveFile("trelux.ini"));
  EXPECT_EQ(readFile("trelux.ini"), "[settings]\r\n\r\nsound = 100\r\nmusic = 40\r\n\r\n");
}

TEST(KeyedDocumentText, NewSetDescriptorLayout) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.addSection("trelux");
  doc.setValue("trelux", "path", ".\\Levels\\30440\\");
  doc.setValue("trelux", "locked", "false");
  doc.setValue("trelux", "name", "a");
  ASSERT_TRUE(doc.saveFile("d.trelux"));
  EXPECT_EQ(readFile("d.trelux"),
            "[trelux]\r\n\r\nlocked = false\r\npath = .\\Levels\\30440\\\r\nname = a\r\n\r\n");
}

TEST(KeyedDocumentText, ASectionWithoutKeysIsAHeaderAndTwoEmptyLines) {
  KeyedDocument doc;
  doc.addSection("empty");
  EXPECT_EQ(doc.toText(), "[empty]\n\n\n");
}

TEST(KeyedDocumentText, EveryLineFeedBecomesCrLfOnDisk) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.valueRef("s", "k") = "two\nlines";
  ASSERT_TRUE(doc.saveFile("x.ini"));
  EXPECT_EQ(readFile("x.ini"), "[s]\r\n\r\nk = two\r\nlines\r\n\r\n");
}

TEST(KeyedDocumentText, ADocumentWithoutContentSavesAnEmptyFile) {
  ScratchFolder folder;
  writeFile("x.ini", "old content");
  KeyedDocument doc;
  ASSERT_TRUE(doc.saveFile("x.ini"));
  EXPECT_EQ(readFile("x.ini"), "");
}

TEST(KeyedDocumentText, AnEmptyValueIsSavedButFailsTheNextStrictLoad) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.valueRef("s", "k");
  ASSERT_TRUE(doc.saveFile("x.ini"));
  EXPECT_EQ(readFile("x.ini"), "[s]\r\n\r\nk = \r\n\r\n");
  KeyedDocument again;
  EXPECT_FALSE(again.loadFile("x.ini"));
}

TEST(KeyedDocumentText, BlanksAtTheEndsOfAValueAreLostOnReload) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.valueRef("s", "k") = "  padded  ";
  ASSERT_TRUE(doc.saveFile("x.ini"));
  KeyedDocument again;
  ASSERT_TRUE(again.loadFile("x.ini"));
  EXPECT_EQ(again.getValue("s", "k"), "padded");
}

TEST(KeyedDocumentText, SaveAndLoadRoundTrip) {
  ScratchFolder folder;
  KeyedDocument doc;
  doc.setNameCase(KeepCase::Values);
  doc.addSection("Group");
  doc.setValue("Group", "name", "Bonus Set #1");
  doc.setValue("Group", "path", "/files/bonus1.dat");
  doc.setValue("Group", "guid", "{ABC-123}");
  doc.addSection("second");
  doc.setValue("second", "author", "Someone; with [brackets]");
  ASSERT_TRUE(doc.saveFile("m.txt"));
  KeyedDocument again;
  again.setNameCase(KeepCase::Values);
  ASSERT_TRUE(again.loadFile("m.txt"));
  EXPECT_EQ(again.toText(), doc.toText());
  EXPECT_EQ(again.getValue("Group", "guid"), "{ABC-123}");
}

TEST(KeyedDocumentText, AFileEndsAtCtrlZAsInWindowsTextMode) {
  ScratchFolder folder;
  writeFile("x.ini", "[s]\r\nk = v\r\n\x1A garbage without equals\r\n");
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadFile("x.ini"));
  EXPECT_EQ(doc.getValue("s", "k"), "v");
}

TEST(KeyedDocumentText, MissingFileFailsAndChangesNothing) {
  ScratchFolder folder;
  KeyedDocument doc;
  EXPECT_FALSE(doc.loadFile("missing.ini"));
  EXPECT_FALSE(doc.isLoaded());
  EXPECT_FALSE(doc.saveFile(".\\no\\such\\folder\\x.ini"));
}

}  // namespace
}  // namespace trelux
