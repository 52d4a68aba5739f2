// What the editor's dialogs accept, the messages of refusals, and the cuts
// and clean-ups of texts.
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

TEST(EditorChecks, InteriorSidesRunFromFiveToTwentyWidthFirst) {
  EXPECT_EQ(problem(checkInteriorSize(5, 20)), "");
  EXPECT_EQ(problem(checkInteriorSize(20, 5)), "");
  EXPECT_EQ(problem(checkInteriorSize(4, 21)), "Width must be between 5 and 20. (!)");
  EXPECT_EQ(problem(checkInteriorSize(21, 5)), "Width must be between 5 and 20. (!)");
  EXPECT_EQ(problem(checkInteriorSize(5, 4)), "Height must be between 5 and 20. (!)");
  EXPECT_EQ(problem(checkInteriorSize(5, 21)), "Height must be between 5 and 20. (!)");
  EXPECT_EQ(sizeLabel("Width"), "Width (5 - 20)");
}

TEST(EditorChecks, FieldsReadTheirFirstEightCharactersAsAtoiDoes) {
  EXPECT_EQ(fieldNumber(""), 0);
  EXPECT_EQ(fieldNumber("12x"), 12);
  EXPECT_EQ(fieldNumber("123456789"), 12345678);
}

TEST(EditorChecks, AnEnabledCompletionCodeNeedsMoreThanBlanks) {
  EXPECT_EQ(problem(checkCompletionCode(true, "  ")), "Please enter a completion code. (i)");
  EXPECT_EQ(problem(checkCompletionCode(false, "")), "");
  EXPECT_EQ(problem(checkCompletionCode(true, "x")), "");
}

TEST(EditorChecks, TextsAreCutAndLoseTheirHighBytes) {
  EXPECT_EQ(cutCompletionCode(std::string(25, 'c')), std::string(19, 'c'));
  EXPECT_EQ(cutDescription(std::string(3000, 'd')).size(), 2047u);
  EXPECT_EQ(cutDescription("short"), "short");
  EXPECT_EQ(blankHighBytes("\xEF\xF0\xF8\xFF" "a"), "\xEF   a");
}

}  // namespace
}  // namespace trelux
