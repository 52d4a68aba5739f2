#include "doc/keyed_document.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(KeyedDocument, AFreshDocumentHoldsNothingAndRefusesValues) {
  KeyedDocument doc;
  EXPECT_FALSE(doc.isLoaded());
  EXPECT_FALSE(doc.hasSection("settings"));
  EXPECT_FALSE(doc.hasKey("settings", "sound"));
  EXPECT_EQ(doc.getValue("settings", "sound"), "");
  EXPECT_FALSE(doc.setValue("settings", "sound", "50"));
  EXPECT_FALSE(doc.isLoaded());
  EXPECT_TRUE(doc.sectionNames().empty());
  EXPECT_EQ(doc.toText(), "");
}

TEST(KeyedDocument, AddSectionCreatesContentOnce) {
  KeyedDocument doc;
  EXPECT_TRUE(doc.addSection("anything"));
  EXPECT_TRUE(doc.isLoaded());
  EXPECT_TRUE(doc.hasSection("anything"));
  EXPECT_FALSE(doc.addSection("anything"));
  EXPECT_FALSE(doc.setValue("other", "key", "value"));  // sections are not created by setValue
  EXPECT_FALSE(doc.hasSection("other"));
}

TEST(KeyedDocument, NamesAndValuesAreNormalisedOnTheWayIn) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.setSectionCase(SectionNames::LowerCase));
  ASSERT_TRUE(doc.setNameCase(KeepCase::Neither));
  ASSERT_TRUE(doc.addSection("settings"));
  EXPECT_TRUE(doc.setValue("Settings", "Sound", "ON"));
  EXPECT_EQ(doc.getValue("SETTINGS", "SOUND"), "on");
  EXPECT_TRUE(doc.hasKey("settings", "sound"));
  EXPECT_EQ(doc.toText(), "[settings]\n\nsound = on\n\n");
}

TEST(KeyedDocument, CaseIsKeptByDefault) {
  KeyedDocument doc;
  doc.addSection("Trelux");
  doc.setValue("Trelux", "Name", "My Set");
  EXPECT_FALSE(doc.hasSection("trelux"));
  EXPECT_EQ(doc.getValue("Trelux", "name"), "");
  EXPECT_EQ(doc.getValue("Trelux", "Name"), "My Set");
}

TEST(KeyedDocument, ValuesKeepCaseWhileKeysAreLowered) {
  KeyedDocument doc;
  doc.setNameCase(KeepCase::Values);
  doc.addSection("trelux");
  doc.setValue("trelux", "NAME", "Mixed Case");
  EXPECT_EQ(doc.getValue("trelux", "name"), "Mixed Case");
}

TEST(KeyedDocument, SingleSectionModeSharesOneNamelessSection) {
  KeyedDocument doc;
  doc.setSectionCase(SectionNames::Single);
  doc.addSection("first");
  EXPECT_FALSE(doc.addSection("second"));
  EXPECT_TRUE(doc.setValue("second", "a", "1"));
  EXPECT_EQ(doc.getValue("third", "a"), "1");
  EXPECT_EQ(doc.sectionNames(), std::deque<std::string>{""});
  EXPECT_EQ(doc.toText(), "a = 1\n\n");
}

TEST(KeyedDocument, ValueRefCreatesWhatIsMissingAndStoresVerbatim) {
  KeyedDocument doc;
  doc.setNameCase(KeepCase::Neither);
  std::string& value = doc.valueRef("webguids", "abc");
  EXPECT_TRUE(doc.isLoaded());
  EXPECT_TRUE(doc.hasKey("webguids", "abc"));
  EXPECT_EQ(value, "");
  value = "MiXeD";
  EXPECT_EQ(doc.getValue("webguids", "abc"), "MiXeD");
  doc.valueRef("webguids", "abc") += "!";
  EXPECT_EQ(doc.getValue("webguids", "abc"), "MiXeD!");
}

TEST(KeyedDocument, ReplacingAValueKeepsItsPlaceInItsChain) {
  // "webguids" and "author" share bucket 85.
  KeyedDocument doc;
  doc.addSection("s");
  doc.setValue("s", "webguids", "1");
  doc.setValue("s", "author", "2");
  doc.setValue("s", "webguids", "3");
  EXPECT_EQ(doc.toText(), "[s]\n\nwebguids = 3\nauthor = 2\n\n");
}

TEST(KeyedDocument, StorageOrderIsByBucketThenFirstInsertion) {
  // "author" and "webguids" share bucket 85.
  KeyedDocument first;
  first.addSection("s");
  first.setValue("s", "webguids", "w");
  first.setValue("s", "author", "a");
  first.setValue("s", "path", "p");
  EXPECT_EQ(first.toText(), "[s]\n\npath = p\nwebguids = w\nauthor = a\n\n");

  KeyedDocument second;
  second.addSection("s");
  second.setValue("s", "path", "p");
  second.setValue("s", "author", "a");
  second.setValue("s", "webguids", "w");
  EXPECT_EQ(second.toText(), "[s]\n\npath = p\nauthor = a\nwebguids = w\n\n");
}

TEST(KeyedDocument, DocumentsFilledInDifferentOrdersSaveAlike) {
  KeyedDocument a;
  a.addSection("trelux");
  a.setValue("trelux", "name", "N");
  a.setValue("trelux", "path", "P");
  a.setValue("trelux", "locked", "false");
  KeyedDocument b;
  b.addSection("trelux");
  b.setValue("trelux", "locked", "false");
  b.setValue("trelux", "path", "P");
  b.setValue("trelux", "name", "N");
  EXPECT_EQ(a.toText(), b.toText());
  EXPECT_EQ(a.toText(), "[trelux]\n\nlocked = false\npath = P\nname = N\n\n");
}

TEST(KeyedDocument, SectionNamesAreASnapshotInStorageOrder) {
  KeyedDocument doc;
  doc.addSection("settings");  // bucket 8
  doc.addSection("sound");     // bucket 3
  std::deque<std::string> names = doc.sectionNames();
  doc.addSection("music");
  EXPECT_EQ(names, (std::deque<std::string>{"sound", "settings"}));
  EXPECT_EQ(doc.sectionNames().size(), 3u);
}

TEST(KeyedDocument, OptionsAreRefusedOutOfRange) {
  KeyedDocument doc;
  EXPECT_FALSE(doc.setSectionCase(static_cast<SectionNames>(3)));
  EXPECT_FALSE(doc.setSectionCase(static_cast<SectionNames>(-1)));
  EXPECT_FALSE(doc.setNameCase(static_cast<KeepCase>(4)));
  EXPECT_TRUE(doc.setSectionCase(SectionNames::Single));
  EXPECT_TRUE(doc.setNameCase(KeepCase::Neither));
  EXPECT_TRUE(doc.setLenient(true));
}

TEST(KeyedDocument, OptionsAreFixedOnceContentExists) {
  KeyedDocument doc;
  ASSERT_TRUE(doc.loadText("[Settings]\nSound = 1\n"));
  EXPECT_FALSE(doc.setSectionCase(SectionNames::LowerCase));
  EXPECT_FALSE(doc.setNameCase(KeepCase::Neither));
  EXPECT_FALSE(doc.setLenient(true));
  // Still the default options: case is kept.
  EXPECT_TRUE(doc.hasKey("Settings", "Sound"));
  EXPECT_FALSE(doc.hasKey("settings", "sound"));
}

}  // namespace
}  // namespace trelux
