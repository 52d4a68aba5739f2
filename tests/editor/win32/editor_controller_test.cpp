// The editor screen through its real windows: the toolbar and its palette,
// placing with the mouse, Next and Previous, saving, the unsaved-changes
// question, the start without a set, test play and Solve.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "base/files.h"
#include "editor/editor_model.h"
#include "editor/win32/editor_controller.h"
#include "editor_fixture.h"
#include "puzzles/puzzle_set_file.h"
#include "resources/win32/resource_ids.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"

namespace trelux::test {
namespace {

const char* const kUnsavedQuestion =
    "You have made unsaved changes to the level set.  Do you want to save changes?";

std::string menuText(HMENU menu, UINT position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

int checkedButtons(HWND toolbar) {
  int checked = 0;
  for (HWND child = GetWindow(toolbar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    checked += SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
  return checked;
}

TEST_F(EditorTest, ToolbarStandsBesideTheMainWindowWithTheMenuAndOneToolChecked) {
  startEditor({kLab});
  EXPECT_EQ(windowText(toolbar()), "Editor Toolbar");
  EXPECT_EQ(GetWindow(toolbar(), GW_OWNER), mainWindow);
  EXPECT_EQ(clientSize(toolbar()).cx, 200);
  EXPECT_EQ(clientSize(toolbar()).cy, 385 + 18) << "the palette, then the line naming the tool";
  RECT main{}, own{};
  GetWindowRect(mainWindow, &main);
  GetWindowRect(toolbar(), &own);
  EXPECT_NEAR(own.left, main.right, 1) << "touching, the borders may overlap";

  HMENU level = GetSubMenu(GetMenu(toolbar()), 2);
  EXPECT_EQ(menuText(GetMenu(toolbar()), 2), "&Level");
  EXPECT_EQ(menuText(level, 0), "&Next\tCtrl+Right");
  EXPECT_EQ(menuText(level, 1), "&Previous\tCtrl+Left");
  EXPECT_EQ(GetMenuItemID(level, 10), static_cast<UINT>(IDC_EDITOR_TEST_PLAY));
  EXPECT_EQ(GetMenuItemID(level, 11), static_cast<UINT>(IDC_EDITOR_SOLVE));

  EXPECT_EQ(checkedButtons(toolbar()), 1);
  EXPECT_EQ(SendMessageA(toolButton(0, 0), BM_GETCHECK, 0, 0), BST_CHECKED) << "floor first";
  pickTool(3, 7);
  EXPECT_EQ(checkedButtons(toolbar()), 1);
  EXPECT_EQ(SendMessageA(toolButton(3, 7), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(EditorTest, AClickOnAToolsPictureSelectsItAndTheToolbarNamesIt) {
  startEditor({kLab});
  EXPECT_EQ(windowText(controller().toolbarNameLabel()), "Floor");
  SendMessageA(toolbar(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25 + 20, 35 * 4 + 3));
  pump();
  EXPECT_EQ(checkedButtons(toolbar()), 1);
  EXPECT_EQ(SendMessageA(toolButton(1, 4), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(windowText(controller().toolbarNameLabel()), "Red laser, facing east");
  clickCell(2, 3);
  EXPECT_EQ(model().grid().cell(2, 3).code().kind, ObjectKind::Laser);
}

TEST_F(EditorTest, ClicksPlaceTheCheckedToolInsideTheRingAndNeverUnderTheRobot) {
  startEditor({kLab});
  pickTool(1, 0);  // wall
  clickCell(0, 2);
  clickCell(2, 2);
  EXPECT_EQ(shown(), kLab);
  EXPECT_FALSE(controller().modified());
  clickCell(4, 3);
  EXPECT_EQ(model().tileAt(4, 3), 1);
  pickTool(7, 0);  // the robot's start
  clickCell(3, 2);
  EXPECT_EQ(model().robotPosition(), (Position{3, 2}));
  EXPECT_EQ(model().tileAt(3, 2), 2) << "the lens under the new start is gone";
  EXPECT_TRUE(controller().modified());
}

TEST_F(EditorTest, TheTitleNamesTheSetAndSaysWhetherItsEditsAreSaved) {
  startEditor({kLab});
  EXPECT_EQ(windowText(mainWindow), "Lab - Trelux Editor");
  pickTool(1, 0);
  clickCell(4, 3);
  EXPECT_EQ(windowText(mainWindow), "*Lab - Trelux Editor");
  key('S', true);
  EXPECT_EQ(windowText(mainWindow), "Lab (saved) - Trelux Editor");
  menu(IDC_EDITOR_EXIT);
  EXPECT_EQ(windowText(mainWindow), "Trelux");
}

TEST_F(EditorTest, ControlRightIsNextControlLeftIsPreviousAndBothStopAtTheEnds) {
  startEditor({kLab, kPullToWin});
  DialogAnswerer dialogs;
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 1);
  dialogs.expectMessage("Trelux", "You've reached the end of the level set!");
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 1);
  key(VK_LEFT, true);
  EXPECT_EQ(model().currentLevel(), 0);
  dialogs.expectMessage("Trelux", "You've reached the start of the level set!");
  key(VK_LEFT, true);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 0);
}

TEST_F(EditorTest, AFailedCommitExitsTheEditor) {
  startEditor({kLab, kPullToWin});
  model().puzzleSet().close();  // Windows deletes no open file
  removeFile(model().workingCopyPath());
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux",
                        "An error occurred writing the puzzle set to disk.  The puzzle set may be "
                        "corrupted.  Exiting editor.");
  key(VK_RIGHT, true);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

// Before, the editor left at once and the edits were lost; Yes saves them.
TEST_F(EditorTest, ALevelThatCannotBeReadExitsTheEditorAskingAboutUnsavedEdits) {
  addSet("Lab", {kLab, kPullToWin});
  // The second record's width becomes 0.
  const std::string path = "levels/Lab/levels.dat";
  std::string bytes = readFile(path);
  bytes[kHeaderSize + 1 + kLevelCapacity + 2] = 0;
  writeFile(path, bytes);
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(0));
  command(IDC_LEVEL_EDITOR);
  pickTool(1, 0);
  clickCell(4, 3);
  const std::string edited = shown();
  dialogs.expectMessage("Trelux",
                        "Trelux can't load the next level.  The puzzle set may be corrupted.  "
                        "Exiting editor.");
  dialogs.expectMessage("Unsaved Changes", kUnsavedQuestion, IDYES);
  key(VK_RIGHT, true);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_EQ(savedLevel(0), edited);
}

// The level still shown belongs to the set closed before; editing on would
// save it into the one opened.
TEST_F(EditorTest, ASetThatCannotBeOpenedIsReportedAndLeadsToTheMenu) {
  startEditor({kLab});
  addSet("Broken", {kLab});
  writeFile("levels/Broken/levels.dat", "not a level file at all");
  DialogAnswerer dialogs;
  dialogs.expect(chooserStepFor("Broken"));
  dialogs.expectMessage("Trelux",
                        "Trelux couldn't locate the level file for this puzzle set.  Exiting editor.");
  key('O', true);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(EditorTest, ControlSSavesAndAFailedSaveKeepsTheEditsUnsaved) {
  startEditor({kLab});
  pickTool(1, 0);
  clickCell(4, 3);
  key('S', true);
  EXPECT_FALSE(controller().modified());
  EXPECT_EQ(savedLevel(0), shown());
  clickCell(5, 3);
  removeFile(".\\levels\\Lab\\levels.dat");
  removeFolder(".\\levels\\Lab");
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "An error occurred writing the level to disk!");
  key('S', true);
  dialogs.verify();
  EXPECT_TRUE(controller().modified());
}

// The toolbar is not the dialogs' owner, so its menu can still be used.
TEST_F(EditorTest, ToolbarCommandsAreDroppedWhileADialogIsOpen) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep goTo;
  goTo.caption = "Go To Level...";
  goTo.button = IDCANCEL;
  goTo.inspect = [&](HWND) { SendMessageA(toolbar(), WM_COMMAND, IDC_EDITOR_CLEAR, 0); };
  dialogs.expect(goTo);
  menu(IDC_EDITOR_GO_TO_LEVEL);
  dialogs.verify();
  EXPECT_EQ(shown(), kLab);
}

// --- The unsaved-changes question --------------------------------------------

TEST_F(EditorTest, LeavingWithoutEditsAsksNothing) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  menu(IDC_EDITOR_EXIT);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(EditorTest, CancelKeepsTheEditorAsItWas) {
  startEditor({kLab});
  pickTool(1, 0);
  clickCell(4, 3);
  DialogAnswerer dialogs;
  dialogs.expectMessage("Unsaved Changes", kUnsavedQuestion, IDCANCEL);
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  pump();
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenEditor);
  EXPECT_TRUE(controller().modified());
  EXPECT_EQ(model().tileAt(4, 3), 1);
}

TEST_F(EditorTest, NoLeavesWithoutSavingAndYesSavesFirst) {
  startEditor({kLab});
  pickTool(1, 0);
  clickCell(4, 3);
  DialogAnswerer dialogs;
  dialogs.expectMessage("Unsaved Changes", kUnsavedQuestion, IDNO);
  menu(IDC_EDITOR_EXIT);
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_EQ(savedLevel(0), kLab);

  dialogs.expect(chooserStep(0));
  command(IDC_LEVEL_EDITOR);
  pickTool(1, 0);
  clickCell(4, 3);
  dialogs.expectMessage("Unsaved Changes", kUnsavedQuestion, IDYES);
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  pump();
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_NE(savedLevel(0), kLab);
}

// Clear is an edit; leaving after a failed save would lose it, so the editor
// stays.
TEST_F(EditorTest, ClearIsAnEditAndYesWhoseSaveFailsKeepsTheEditorOpen) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Do you really want to clear this level?", IDYES);
  menu(IDC_EDITOR_CLEAR);
  EXPECT_EQ(model().tileAt(3, 2), 2);
  EXPECT_TRUE(controller().modified());
  removeFile(".\\levels\\Lab\\levels.dat");
  removeFolder(".\\levels\\Lab");
  dialogs.expectMessage("Unsaved Changes", kUnsavedQuestion, IDYES);
  dialogs.expectMessage("Trelux", "An error occurred writing the level to disk!");
  menu(IDC_EDITOR_EXIT);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenEditor);
  EXPECT_TRUE(controller().modified());
}

// --- Starting without a set --------------------------------------------------

DialogStep newSetStep(const std::string& name, int button = IDOK) {
  DialogStep step;
  step.caption = "New Puzzle Set";
  step.edits = {{IDC_EDITOR_FIELD, name}};
  step.button = button;
  return step;
}

TEST_F(EditorTest, WithoutAnUnlockedSetTheEditorStartsWithANewOne) {
  addSet("Locked", {kLab}, true);
  DialogAnswerer dialogs;
  dialogs.expect(newSetStep("My Lab"));
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  ASSERT_EQ(currentScreen(), ScreenEditor);
  EXPECT_NE(toolbar(), nullptr);
  EXPECT_EQ(model().gridWidth(), 7);
  EXPECT_TRUE(canOpenForReading(model().descriptorPath()));
}

TEST_F(EditorTest, ASetThatCannotBeCreatedIsReportedAndLeadsToTheMenu) {
  RemoveDirectoryA("levels");
  writeFile("levels", "a file where the folder should be");
  DialogAnswerer dialogs;
  dialogs.expect(newSetStep("My Lab"));
  dialogs.expectMessage("Trelux",
                        "Trelux couldn't create the puzzle set.  Make sure that the levels folder "
                        "beside Trelux can be written to.");
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

// --- Test play and Solve -----------------------------------------------------

TEST_F(EditorTest, TestPlayPlaysACopyAndEscReturnsToTheLevelAsItWas) {
  startEditor({kPullToWin});
  key(VK_F5);
  ASSERT_TRUE(controller().isTestPlaying());
  EXPECT_EQ(windowText(mainWindow), "Trelux - Test Play");
  key(VK_LEFT);
  key(VK_UP);
  key(VK_ESCAPE);
  EXPECT_FALSE(controller().isTestPlaying());
  EXPECT_EQ(windowText(mainWindow), "Lab - Trelux Editor");
  EXPECT_EQ(shown(), kPullToWin);
  EXPECT_EQ(model().robotPosition(), (Position{3, 2}));
  EXPECT_FALSE(controller().modified());

  key(VK_F5);
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Level won with 3 keys.");
  key(VK_LEFT);
  key(VK_RIGHT);
  key(VK_DOWN);
  dialogs.verify();
  EXPECT_FALSE(controller().isTestPlaying());
  EXPECT_EQ(shown(), kPullToWin);
}

// Every command of the menu but test play's own works on the level being
// edited; a palette button is no command and leaves the test play running.
TEST_F(EditorTest, EveryMenuCommandButTestPlayEndsATestPlay) {
  startEditor({kPullToWin});
  std::vector<UINT> commands;
  HMENU bar = GetMenu(toolbar());
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    HMENU items = GetSubMenu(bar, i);
    for (int j = 0; j < GetMenuItemCount(items); ++j) {
      const UINT id = GetMenuItemID(items, j);
      if (id != 0 && id != static_cast<UINT>(-1) && id != IDC_EDITOR_TEST_PLAY) commands.push_back(id);
    }
  }
  // Exit comes last: with the edits made by then it asks, and the answerer's
  // Cancel keeps the editor.
  std::stable_partition(commands.begin(), commands.end(), [](UINT id) { return id != IDC_EDITOR_EXIT; });
  ASSERT_EQ(commands.back(), static_cast<UINT>(IDC_EDITOR_EXIT));
  for (UINT id : commands) {
    SCOPED_TRACE("command " + std::to_string(id));
    key(VK_F5);
    pickTool(1, 0);
    ASSERT_TRUE(controller().isTestPlaying());
    // Closes whatever the command opens; what each says is tested elsewhere.
    DialogAnswerer cancelEverything;
    menu(static_cast<int>(id));
    ASSERT_EQ(currentScreen(), ScreenEditor) << "Exit after Add New Level asks and stays";
    EXPECT_FALSE(controller().isTestPlaying());
  }
}

// Solve's progress window closes by itself when the search ends.
DialogStep solveStep(int button = kNoButton) {
  DialogStep step;
  step.caption = "Solve";
  step.button = button;
  return step;
}

// Solve's answer: its report, and its keys, which Copy Keys copies.
DialogStep solutionStep(std::string* keys = nullptr, std::string* copied = nullptr) {
  DialogStep step;
  step.caption = "Solution";
  step.inspect = [=](HWND dialog) {
    EXPECT_EQ(windowText(dialog, IDC_SOLVE_REPORT), "Shortest solution: 6 keys.");
    if (!keys) return;
    *keys = windowText(dialog, IDC_SOLVE_KEYS);
    SendDlgItemMessageA(dialog, IDC_SOLVE_COPY, BM_CLICK, 0, 0);
    if (!OpenClipboard(dialog)) return;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
      if (const auto* text = static_cast<const char*>(GlobalLock(memory))) *copied = text;
      GlobalUnlock(memory);
    }
    CloseClipboard();
  };
  return step;
}

// Its shortest solution takes six keys.
const char* const kSixKeys =
    "# # # # # # # # #\n# >r . . . . \\r . #\n# . . . . . . . #\n# . . . . . . . #\n"
    "# . . . . . . . #\n# . . . . Snr . @ #\n# # # # # # # # #\n";

TEST_F(EditorTest, SolveReportsTheShortestSolutionAndPlaysItBack) {
  startEditor({kSixKeys});
  DialogAnswerer dialogs;
  dialogs.expect(solveStep());
  std::string keys, copied;
  dialogs.expect(solutionStep(&keys, &copied));
  key(VK_F6);
  EXPECT_TRUE(controller().isTestPlaying());
  EXPECT_EQ(keys.size(), 6u);
  EXPECT_EQ(keys.find_first_not_of("UDLR"), std::string::npos) << keys;
  EXPECT_EQ(copied, keys);
  dialogs.expectMessage("Trelux", "Level won with 6 keys.");
  pumpUntil([&] { return !controller().isTestPlaying(); });
  dialogs.verify();
  EXPECT_EQ(model().robotPosition(), (Position{7, 5}));
}

// Many lenses in a wide room, the laser walled in: a search that lasts.
const char* const kLongSearch =
    "# # # # # # # # # # # # # # # # # # # #\n"
    "# . Lr . . . Lg . . . Lb . . Lr . . . Lg . #\n"
    "# . . . . . . . . . . . . . . . . . . #\n"
    "# . . Ly . . . . Lc . . . . . Lb . . . . #\n"
    "# . . . . . . . @ . . . . . . . . . . #\n"
    "# . Lg . . . Lr . . . . Ly . . . Lc . . . #\n"
    "# . . . . . . . . . . . . . . . . . . #\n"
    "# >r # . . . . . . . . . . . . . . . Swr #\n"
    "# # # # # # # # # # # # # # # # # # # #\n";

// Presses Cancel in Solve's progress window once it has shown positions
// counted, so that the cancel meets a search still running.
DWORD cancelledAt = 0;
// Not the window's own progress timer, which it would replace.
constexpr UINT_PTR kWatchTimer = 77;
void CALLBACK cancelOnceSearching(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  const std::string status = windowText(dialog, IDC_SOLVE_STATUS);
  const bool counted = status.find(" positions") != std::string::npos &&
                       status.find("\n0 positions") == std::string::npos;
  if (!counted) return;
  KillTimer(dialog, timer);
  cancelledAt = GetTickCount();
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// The whole search takes seconds; a cancel that stops it returns at once.
TEST_F(EditorTest, CancelStopsASearchStillRunningAndTheEditorAnswersAtOnce) {
  startEditor({kLongSearch});
  DialogAnswerer dialogs;
  DialogStep progress = solveStep();
  progress.inspect = [](HWND dialog) { SetTimer(dialog, kWatchTimer, 10, cancelOnceSearching); };
  dialogs.expect(progress);
  cancelledAt = 0;
  menu(IDC_EDITOR_SOLVE);
  const DWORD returnedAt = GetTickCount();
  dialogs.verify();
  ASSERT_NE(cancelledAt, 0u) << "the search ended before it showed a count";
  EXPECT_LT(returnedAt - cancelledAt, 500u);
  pickTool(1, 0);
  clickCell(4, 2);
  EXPECT_EQ(model().tileAt(4, 2), 1);
}

// Esc ends the playback of a solution with the test play: no key of it is
// played after, and the win is never announced.
TEST_F(EditorTest, EscDuringTheSolutionsPlaybackEndsIt) {
  startEditor({kSixKeys});
  DialogAnswerer dialogs;
  dialogs.expect(solveStep());
  dialogs.expect(solutionStep());
  key(VK_F6);
  ASSERT_TRUE(controller().isTestPlaying());
  key(VK_ESCAPE);
  EXPECT_FALSE(controller().isTestPlaying());
  const DWORD start = GetTickCount();
  pumpUntil([&] { return GetTickCount() - start > 6 * 300 + 500; });  // past the playback's end
  dialogs.verify();
  EXPECT_FALSE(controller().isTestPlaying());
  EXPECT_EQ(shown(), kSixKeys);
}

TEST_F(EditorTest, SolveSaysWhenThereIsNoSolutionAndCancelSaysNothing) {
  startEditor({"# # # # # # #\n# >r . # . Swr #\n# . @ . . . #\n# # # # # # #\n"});
  DialogAnswerer dialogs;
  dialogs.expect(solveStep());
  dialogs.expectMessage("Trelux", "This level has no solution.");
  menu(IDC_EDITOR_SOLVE);
  // A blue sensor the red laser can never light: said at once.
  pickTool(4 + 3, 3 + 4);  // the blue sensor facing west
  clickCell(5, 1);
  dialogs.expect(solveStep());
  dialogs.expectMessage("Trelux",
                        "This level has no solution: no laser or mix of lasers makes the blue of "
                        "the sensor at x 5, y 1.");
  menu(IDC_EDITOR_SOLVE);
  dialogs.expect(solveStep(IDCANCEL));
  menu(IDC_EDITOR_SOLVE);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenEditor);
}

}  // namespace
}  // namespace trelux::test
