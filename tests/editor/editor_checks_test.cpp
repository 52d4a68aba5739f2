// What the editor's dialogs accept and the messages of refusals, where the
// dialogs' own tests under Wine do not already show them.
#include "editor/editor_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "puzzles/catalogue.h"
#include "support/scratch_folder.h"

namespace trelux {
namespace {

std::string problem(const std::optional<InputProblem>& found) {
  return found ? found->text + (found->warning ? " (!)" : " (i)") : "";
}

TEST(EditorChecks, SetNamesOfBlanksOrOfAnExistingSetAreRefused) {
  test::ScratchFolder scratch;
  std::filesystem::create_directories("levels");
  // A locked set's name is taken too.
  ASSERT_TRUE(writeDescriptor({".\\levels\\a\\", "My Lab", ".\\levels\\a.trelux", false}));
  EXPECT_EQ(problem(checkSetName(" \t ")), "Please enter a puzzle set name. (i)");
  EXPECT_EQ(problem(checkSetName("my lab ")), "A puzzle set with that name already exists! (!)");
  EXPECT_EQ(problem(checkSetName("My Lab 2")), "");
}

TEST(EditorChecks, LevelNumbersRunFromOneTo255) {
  EXPECT_EQ(problem(checkLevelNumber(0)), "Please enter a level number greater than zero. (!)");
  EXPECT_EQ(problem(checkLevelNumber(1)), "");
  EXPECT_EQ(problem(checkLevelNumber(255)), "");
  EXPECT_EQ(problem(checkLevelNumber(256)), "Level number can't be greater than 255. (!)");
}

TEST(EditorChecks, FieldsReadTheirFirstEightCharactersAsAtoiDoes) {
  EXPECT_EQ(fieldNumber(""), 0);
  EXPECT_EQ(fieldNumber("12x"), 12);
  EXPECT_EQ(fieldNumber("123456789"), 12345678);
}

// The dialogs' tests under Wine show the cuts and 0xF0 and 0xFF; here the
// byte just below the range.
TEST(EditorChecks, OnlyBytesF0ToFFBecomeBlanks) {
  EXPECT_EQ(blankHighBytes("\xEF\xF0\xF8\xFF" "a"), "\xEF   a");
}

}  // namespace
}  // namespace trelux
