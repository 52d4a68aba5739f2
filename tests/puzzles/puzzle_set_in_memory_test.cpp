// A set held in memory goes through the same reading and writing as its file.
#include "puzzles/puzzle_set_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "set_bytes.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::fileBytes;
using test::levelTextAt;
using test::roomOfWidth;

constexpr const char* kFileName = "levels.dat";

// The same edits on the file and on a copy of its bytes in memory.
void edit(PuzzleSetFile& set) {
  ASSERT_TRUE(set.setProgress(2));
  ASSERT_TRUE(set.setCompletionCode(true, "Sesame"));
  ASSERT_TRUE(set.seekLevel(1));
  ASSERT_TRUE(set.deleteLevel());
  ASSERT_TRUE(set.appendLevel());
}

TEST(PuzzleSetInMemory, ReadsAndChangesTheBytesAsTheFileDoes) {
  test::ScratchFolder scratch;
  test::writeSetFile(kFileName, {roomOfWidth(3), roomOfWidth(4), roomOfWidth(5)});
  std::stringbuf memory(fileBytes(kFileName), std::ios::in | std::ios::out | std::ios::binary);
  PuzzleSetFile file;
  PuzzleSetFile held;
  ASSERT_TRUE(file.open(kFileName));
  ASSERT_TRUE(held.openBuffer(memory));
  EXPECT_EQ(held.countLevels(), 3);
  EXPECT_EQ(levelTextAt(held, 2), roomOfWidth(5));

  edit(file);
  edit(held);
  EXPECT_EQ(memory.str(), fileBytes(kFileName));
  PuzzleSetFile reader;
  ASSERT_TRUE(reader.openBuffer(memory));
  EXPECT_EQ(reader.progress(), 2);
  EXPECT_EQ(reader.completionCode(), "Sesame");
  EXPECT_EQ(levelTextAt(reader, 1), roomOfWidth(5));
}

TEST(PuzzleSetInMemory, ShortBytesDoNotOpenAndAFileOpenedAfterIsReadFromDisk) {
  test::ScratchFolder scratch;
  test::writeSetFile(kFileName, {roomOfWidth(4)});
  std::stringbuf empty(std::string(), std::ios::in | std::ios::out | std::ios::binary);
  std::stringbuf headerOnly(std::string(23, '\0'), std::ios::in | std::ios::out | std::ios::binary);
  PuzzleSetFile set;
  EXPECT_FALSE(set.openBuffer(empty));
  ASSERT_TRUE(set.openBuffer(headerOnly));
  EXPECT_FALSE(set.seekLevel(0));

  ASSERT_TRUE(set.open(kFileName));
  EXPECT_EQ(levelTextAt(set, 0), roomOfWidth(4));
  EXPECT_EQ(headerOnly.str(), std::string(23, '\0'));
}

}  // namespace
}  // namespace trelux
