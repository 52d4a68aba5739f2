#include "app/script_runner.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace trelux {
namespace {

using test::ScratchFolder;
using test::writeFile;
namespace fs = std::filesystem;

bool passes(ScriptRunner& runner, const std::string& script) {
  return runner.run(script) == ScriptOutcome::Stopped;
}

bool passes(const std::string& script) {
  ScriptRunner runner;
  return passes(runner, script);
}

// A command that writes down every argument it is given and goes on.
void addMarker(ScriptRunner& runner, std::vector<std::string>& marks) {
  runner.addCommand("mark", [&marks](const std::string& argument, ScriptRunner&) {
    marks.push_back(argument);
    return CommandContinue;
  });
}

// ---- Reaching "stp" ------------------------------------------------------------

TEST(ScriptRunner, OnlyAStopLineMakesTheRunSucceed) {
  ScratchFolder folder;
  writeFile("stop.dat", "stp\n");
  writeFile("empty.dat", "");
  writeFile("comments.dat", "rem checks follow\n\nREM none\n");
  writeFile("blank.dat", "  \r\n\t\r\n");
  EXPECT_TRUE(passes("stop.dat"));
  EXPECT_FALSE(passes("empty.dat"));
  EXPECT_FALSE(passes("comments.dat"));
  EXPECT_FALSE(passes("blank.dat"));
}

TEST(ScriptRunner, AMissingScriptFailsAndALastLineNeedsNoLineEnd) {
  ScratchFolder folder;
  writeFile("stop.dat", "stp");
  ScriptRunner runner;
  EXPECT_EQ(runner.run("stop.dat"), ScriptOutcome::Stopped);
  EXPECT_EQ(runner.run("missing.dat"), ScriptOutcome::Failed);
}

TEST(ScriptRunner, LinesAfterTheStopAreNotRead) {
  ScratchFolder folder;
  writeFile("startup.dat", "mark before\nstp\nmark after\nnonsense here\nfil missing.txt\n");
  std::vector<std::string> marks;
  ScriptRunner runner;
  addMarker(runner, marks);
  EXPECT_TRUE(passes(runner, "startup.dat"));
  EXPECT_EQ(marks, std::vector<std::string>{"before"});
}

TEST(ScriptRunner, AScriptEndsAtCtrlZAsInWindowsTextMode) {
  ScratchFolder folder;
  writeFile("cut.dat", "rem\n\x1A\nstp\n");
  EXPECT_FALSE(passes("cut.dat"));
}

TEST(ScriptRunner, CrLfLinesLeadingBlanksAndAMissingLastLineEndAreFine) {
  ScratchFolder folder;
  writeFile("data.txt", "x");
  writeFile("startup.dat", "\r\n   fil data.txt\r\n\t\trem indented\r\n\r\n   stp");
  EXPECT_TRUE(passes("startup.dat"));
}

// ---- Command words and arguments -----------------------------------------------

TEST(ScriptRunner, CommandWordsMatchInAnyCase) {
  ScratchFolder folder;
  writeFile("data.txt", "x");
  writeFile("upper.dat", "FIL data.txt\nREM\nSTP\n");
  writeFile("mixed.dat", "Fil data.txt\nsTp\n");
  EXPECT_TRUE(passes("upper.dat"));
  EXPECT_TRUE(passes("mixed.dat"));
}

TEST(ScriptRunner, ArgumentsKeepTheirCaseAndInnerBlanks) {
  ScratchFolder folder;
  writeFile("startup.dat",
            "MARK Hello  World\n"
            "mark\t \tTabbed Start \t\n"
            "mark\n"
            "stp\n");
  std::vector<std::string> marks;
  ScriptRunner runner;
  addMarker(runner, marks);
  EXPECT_TRUE(passes(runner, "startup.dat"));
  EXPECT_EQ(marks, (std::vector<std::string>{"Hello  World", "Tabbed Start", ""}));
}

TEST(ScriptRunner, FileCheckUsesTheWholeArgument) {
  ScratchFolder folder;
  writeFile("my file.txt", "x");
  writeFile("only", "x");
  writeFile("whole.dat", "fil my file.txt\nstp\n");
  writeFile("partial.dat", "fil only partly\nstp\n");
  EXPECT_TRUE(passes("whole.dat"));
  EXPECT_FALSE(passes("partial.dat"));
}

TEST(ScriptRunner, FileCheckFailsForMissingFilesAndFolders) {
  ScratchFolder folder;
  fs::create_directory("data");
  writeFile("missing.dat", "fil nothing.txt\nstp\n");
  writeFile("folder.dat", "fil data\nstp\n");
  writeFile("nested.dat", "fil .\\data\\deep.txt\nstp\n");
  EXPECT_FALSE(passes("missing.dat"));
  EXPECT_FALSE(passes("folder.dat"));
  EXPECT_FALSE(passes("nested.dat"));
  writeFile("data/deep.txt", "x");
  EXPECT_TRUE(passes("nested.dat"));
}

TEST(ScriptRunner, UnknownWordsFail) {
  ScratchFolder folder;
  writeFile("unknown.dat", "run game.exe\nstp\n");
  writeFile("longer.dat", "stop\n");
  writeFile("glued.dat", "stp.\n");
  EXPECT_FALSE(passes("unknown.dat"));
  EXPECT_FALSE(passes("longer.dat"));
  EXPECT_FALSE(passes("glued.dat"));
}

TEST(ScriptRunner, AnyOtherHandlerResultEndsTheRunAsFailed) {
  ScratchFolder folder;
  writeFile("startup.dat", "odd\nstp\n");
  for (int result : {static_cast<int>(CommandFailed), static_cast<int>(CommandUnknown), 7, -1}) {
    ScriptRunner runner;
    runner.addCommand("odd", [result](const std::string&, ScriptRunner&) { return result; });
    EXPECT_EQ(runner.run("startup.dat"), ScriptOutcome::Failed) << result;
  }
}

// ---- Folders -------------------------------------------------------------------

TEST(ScriptRunner, FolderCheckLeavesTheCurrentFolderAlone) {
  ScratchFolder folder;
  fs::create_directories("game/levels");
  writeFile("good.dat", "dir game\ndir .\\game\\levels\nstp\n");
  writeFile("bad.dat", "dir nowhere\nstp\n");
  writeFile("file.dat", "dir good.dat\nstp\n");
  // The scripts lie in the scratch folder only, so finding them shows where we are.
  EXPECT_TRUE(passes("good.dat"));
  EXPECT_TRUE(fs::exists("good.dat"));
  EXPECT_FALSE(passes("bad.dat"));
  EXPECT_TRUE(fs::exists("good.dat"));
  EXPECT_FALSE(passes("file.dat"));
  EXPECT_TRUE(fs::exists("good.dat"));
}

TEST(ScriptRunner, ChangeFolderStaysAndLaterNamesResolveAgainstIt) {
  ScratchFolder folder;
  writeFile("game/trelux.dll", "x");
  writeFile("startup.dat", "chd game\nfil trelux.dll\nstp\n");
  EXPECT_TRUE(passes("startup.dat"));
  EXPECT_TRUE(fs::exists("trelux.dll"));
  EXPECT_FALSE(fs::exists("startup.dat"));
}

TEST(ScriptRunner, ChangeFolderToAMissingFolderFailsAndStaysPut) {
  ScratchFolder folder;
  writeFile("startup.dat", "chd nowhere\nstp\n");
  EXPECT_FALSE(passes("startup.dat"));
  EXPECT_TRUE(fs::exists("startup.dat"));
}

// ---- Nested scripts ------------------------------------------------------------

TEST(ScriptRunner, StopInANestedScriptEndsOnlyThatScript) {
  ScratchFolder folder;
  writeFile("checks/more checks.dat", "mark inner\nstp\nmark never\n");
  writeFile("startup.dat", "exe .\\checks\\more checks.dat\nmark outer\nstp\nmark late\n");
  std::vector<std::string> marks;
  ScriptRunner runner;
  addMarker(runner, marks);
  EXPECT_TRUE(passes(runner, "startup.dat"));
  EXPECT_EQ(marks, (std::vector<std::string>{"inner", "outer"}));
}

TEST(ScriptRunner, AFailingNestedScriptFailsTheOuterOne) {
  ScratchFolder folder;
  writeFile("nostop.dat", "mark inner\n");
  writeFile("badcheck.dat", "fil missing.txt\nstp\n");
  writeFile("first.dat", "exe nostop.dat\nmark outer\nstp\n");
  writeFile("second.dat", "exe badcheck.dat\nstp\n");
  writeFile("third.dat", "exe missing.dat\nstp\n");
  std::vector<std::string> marks;
  ScriptRunner runner;
  addMarker(runner, marks);
  EXPECT_FALSE(passes(runner, "first.dat"));
  EXPECT_EQ(marks, std::vector<std::string>{"inner"});
  EXPECT_FALSE(passes(runner, "second.dat"));
  EXPECT_FALSE(passes(runner, "third.dat"));
}

TEST(ScriptRunner, ScriptsThatRunThemselvesFailInsteadOfRecursingForever) {
  ScratchFolder folder;
  writeFile("self.dat", "exe self.dat\nstp\n");
  writeFile("ping.dat", "exe pong.dat\nstp\n");
  writeFile("pong.dat", "exe ping.dat\nstp\n");
  EXPECT_FALSE(passes("self.dat"));
  EXPECT_FALSE(passes("ping.dat"));
}

TEST(ScriptRunner, ANestedRunAfterChangeFolderResolvesThere) {
  ScratchFolder folder;
  writeFile("game/inner.dat", "fil data.txt\nstp\n");
  writeFile("game/data.txt", "x");
  writeFile("startup.dat", "chd game\nexe inner.dat\nstp\n");
  EXPECT_TRUE(passes("startup.dat"));
}

// ---- The command list ----------------------------------------------------------

TEST(ScriptRunner, TheFirstEntryOfANameWins) {
  ScratchFolder folder;
  writeFile("startup.dat", "rem nothing\nmark x\nstp\n");
  std::vector<std::string> marks;
  std::vector<std::string> later;
  ScriptRunner runner;
  runner.addCommand("rem", [](const std::string&, ScriptRunner&) { return CommandFailed; });
  addMarker(runner, marks);
  addMarker(runner, later);
  EXPECT_TRUE(passes(runner, "startup.dat"));
  EXPECT_EQ(marks, std::vector<std::string>{"x"});
  EXPECT_TRUE(later.empty());
}

TEST(ScriptRunner, CopyingCommandsReplacesTheWholeList) {
  ScratchFolder folder;
  writeFile("mark.dat", "mark copied\nstp\n");
  writeFile("own.dat", "own\nstp\n");
  std::vector<std::string> marks;
  ScriptRunner source;
  addMarker(source, marks);
  ScriptRunner target;
  target.addCommand("own", [](const std::string&, ScriptRunner&) { return CommandContinue; });
  ASSERT_TRUE(passes(target, "own.dat"));
  target.copyCommandsFrom(source);
  EXPECT_TRUE(passes(target, "mark.dat"));
  EXPECT_EQ(marks, std::vector<std::string>{"copied"});
  EXPECT_FALSE(passes(target, "own.dat"));
}

TEST(ScriptRunner, NestedScriptsKnowTheCommandsAddedToTheOuterRunner) {
  ScratchFolder folder;
  writeFile("inner.dat", "mark nested\nstp\n");
  writeFile("startup.dat", "exe inner.dat\nstp\n");
  std::vector<std::string> marks;
  ScriptRunner runner;
  addMarker(runner, marks);
  EXPECT_TRUE(passes(runner, "startup.dat"));
  EXPECT_EQ(marks, std::vector<std::string>{"nested"});
}

}  // namespace
}  // namespace trelux
