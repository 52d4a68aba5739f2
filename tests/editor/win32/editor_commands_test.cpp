// The editor's commands with dialogs and questions, as the user meets them:
// what each dialog shows, what it refuses and with which message, and that
// Cancel changes nothing.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "base/files.h"
#include "editor/editor_model.h"
#include "editor/win32/editor_controller.h"
#include "editor_fixture.h"
#include "puzzles/catalogue.h"
#include "resources/win32/resource_ids.h"

namespace trelux::test {
namespace {

const char* const kLab =
    "# # # # # # #\n"
    "# >r . . . Swr #\n"
    "# . @ Lg . . #\n"
    "# . . . . . #\n"
    "# . . . . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

const char* const kRoom =
    "# # # # # # # #\n"
    "# @ . . . . . #\n"
    "# . . . . . . #\n"
    "# . . . . . . #\n"
    "# . . . . . . #\n"
    "# . . . . . . #\n"
    "# # # # # # # #\n";

DialogStep dialogStep(const std::string& caption, std::vector<std::pair<int, std::string>> edits,
                      int button = IDOK, bool onReturn = false) {
  DialogStep step;
  step.caption = caption;
  step.edits = std::move(edits);
  step.button = button;
  step.onReturn = onReturn;
  return step;
}

// A refusal over an open dialog, then the dialog again with new input.
void refuse(DialogAnswerer& dialogs, const std::string& caption, const std::string& message,
            std::vector<std::pair<int, std::string>> retry) {
  dialogs.expectMessage("Trelux", message);
  dialogs.expect(dialogStep(caption, std::move(retry), IDOK, true));
}

// --- Resize ------------------------------------------------------------------

TEST_F(EditorTest, ResizeRefusesSidesOutsideFiveToTwentyAndAsksBeforeShrinking) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep first = dialogStep("Enter Size", {{IDC_RESIZE_WIDTH, "4"}});
  std::string labels, fields;
  first.inspect = [&](HWND dialog) {
    labels = windowText(dialog, IDC_RESIZE_WIDTH_LABEL) + "|" + windowText(dialog, IDC_RESIZE_HEIGHT_LABEL);
    fields = windowText(dialog, IDC_RESIZE_WIDTH) + "x" + windowText(dialog, IDC_RESIZE_HEIGHT);
  };
  dialogs.expect(first);
  const char* const width = "Width must be between 5 and 20.";
  refuse(dialogs, "Enter Size", width, {{IDC_RESIZE_WIDTH, "21"}});
  refuse(dialogs, "Enter Size", width, {{IDC_RESIZE_WIDTH, ""}, {IDC_RESIZE_HEIGHT, "21"}});
  refuse(dialogs, "Enter Size", width, {{IDC_RESIZE_WIDTH, "20"}});
  refuse(dialogs, "Enter Size", "Height must be between 5 and 20.", {{IDC_RESIZE_HEIGHT, "4"}});
  refuse(dialogs, "Enter Size", "Height must be between 5 and 20.", {{IDC_RESIZE_HEIGHT, "5"}});
  menu(IDC_EDITOR_RESIZE);
  EXPECT_EQ(labels, "Width (5 - 20)|Height (5 - 20)");
  EXPECT_EQ(fields, "5x5");
  EXPECT_EQ(model().gridWidth(), 22);
  EXPECT_EQ(model().gridHeight(), 7) << "growing asks nothing";

  const char* const shrink =
      "Shrinking the world size will permanently delete portions of the map.\nAre you sure you "
      "want to reduce the dimensions of the world?";
  dialogs.expect(dialogStep("Enter Size", {{IDC_RESIZE_WIDTH, "6"}}));
  dialogs.expectMessage("Trelux", shrink, IDNO);
  menu(IDC_EDITOR_RESIZE);
  EXPECT_EQ(model().gridWidth(), 22);
  dialogs.expect(dialogStep("Enter Size", {{IDC_RESIZE_WIDTH, "20"}, {IDC_RESIZE_HEIGHT, "20"}}));
  dialogs.expect(dialogStep("Enter Size", {{IDC_RESIZE_HEIGHT, "9"}}));
  dialogs.expectMessage("Trelux", shrink, IDYES);
  menu(IDC_EDITOR_RESIZE);
  menu(IDC_EDITOR_RESIZE);
  dialogs.verify();
  EXPECT_EQ(model().gridHeight(), 11);
}

TEST_F(EditorTest, TheSameSizeOrCancelChangesNothing) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  dialogs.expect(dialogStep("Enter Size", {}));
  dialogs.expect(dialogStep("Enter Size", {{IDC_RESIZE_WIDTH, "9"}}, IDCANCEL));
  menu(IDC_EDITOR_RESIZE);
  menu(IDC_EDITOR_RESIZE);
  dialogs.verify();
  EXPECT_EQ(model().gridWidth(), 7);
  EXPECT_FALSE(controller().modified());
}

// --- Go to level -------------------------------------------------------------

TEST_F(EditorTest, GoToTakesOneTo255AndSaysWhenTheSetHasNoSuchLevel) {
  startEditor({kLab, kRoom});
  DialogAnswerer dialogs;
  DialogStep first = dialogStep("Go To Level...", {{IDC_EDITOR_FIELD, "0"}});
  std::string shownNumber;
  bool digitsOnly = false;
  first.inspect = [&](HWND dialog) {
    shownNumber = windowText(dialog, IDC_EDITOR_FIELD);
    digitsOnly = GetWindowLongA(GetDlgItem(dialog, IDC_EDITOR_FIELD), GWL_STYLE) & ES_NUMBER;
  };
  dialogs.expect(first);
  const char* const zero = "Please enter a level number greater than zero.";
  refuse(dialogs, "Go To Level...", zero, {{IDC_EDITOR_FIELD, ""}});
  refuse(dialogs, "Go To Level...", zero, {{IDC_EDITOR_FIELD, "256"}});
  refuse(dialogs, "Go To Level...", "Level number can't be greater than 255.",
         {{IDC_EDITOR_FIELD, "255"}});
  dialogs.expectMessage("Trelux", "Sorry, that level doesn't exist in this puzzle set.");
  menu(IDC_EDITOR_GO_TO_LEVEL);
  EXPECT_EQ(shownNumber, "1");
  EXPECT_TRUE(digitsOnly);
  EXPECT_EQ(model().currentLevel(), 0);

  dialogs.expect(dialogStep("Go To Level...", {{IDC_EDITOR_FIELD, "2"}}));
  menu(IDC_EDITOR_GO_TO_LEVEL);
  EXPECT_EQ(model().currentLevel(), 1);
  dialogs.expect(dialogStep("Go To Level...", {{IDC_EDITOR_FIELD, "1"}}, IDCANCEL));
  menu(IDC_EDITOR_GO_TO_LEVEL);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 1);
}

// --- New set -----------------------------------------------------------------

TEST_F(EditorTest, NewSetRefusesBlankAndTakenNamesThenOpensTheNewSet) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  dialogs.expect(dialogStep("New Puzzle Set", {{IDC_EDITOR_FIELD, "   "}}));
  dialogs.expectMessage("Trelux", "Please enter a puzzle set name.");
  dialogs.expect(dialogStep("New Puzzle Set", {{IDC_EDITOR_FIELD, " lab"}}, IDOK, true));
  dialogs.expectMessage("Trelux", "A puzzle set with that name already exists!");
  dialogs.expect(dialogStep("New Puzzle Set", {{IDC_EDITOR_FIELD, "Second Lab"}}, IDOK, true));
  key('N', true);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenEditor);
  EXPECT_EQ(model().gridWidth(), 7);
  EXPECT_EQ(model().gridHeight(), 7);
  EXPECT_FALSE(isPuzzleSetNameFree("Second Lab"));
}

// --- Description and completion code -------------------------------------------

void click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

TEST_F(EditorTest, DescriptionIsCutTo2047AndLosesBytesF0ToFF) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep step = dialogStep("Edit Level Description",
                               {{IDC_EDITOR_FIELD, "\xF0\xFF" + std::string(3000, 'd')}});
  step.inspect = [](HWND dialog) { click(dialog, IDC_DESCRIPTION_ON); };  // set, not typed
  dialogs.expect(step);
  menu(IDC_EDITOR_DESCRIPTION);
  dialogs.verify();
  EXPECT_TRUE(model().hasDescription());
  EXPECT_EQ(model().description(), "  " + std::string(2045, 'd'));
  EXPECT_TRUE(controller().modified());
}

// The field has the keyboard while "Off" is checked: a blank goes into the
// text instead of pressing OK, and typing chooses "On".
TEST_F(EditorTest, TypingAtOnceWritesTheDescriptionAndChoosesOn) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep step = dialogStep("Edit Level Description", {});
  step.keys = {VK_SPACE, 'H', 'I'};
  dialogs.expect(step);
  menu(IDC_EDITOR_DESCRIPTION);
  dialogs.verify();
  EXPECT_TRUE(model().hasDescription());
  EXPECT_EQ(model().description(), " hi");
}

TEST_F(EditorTest, CancelledDescriptionChangesNothing) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep step = dialogStep("Edit Level Description", {{IDC_EDITOR_FIELD, "text"}}, IDCANCEL);
  step.inspect = [](HWND dialog) { click(dialog, IDC_DESCRIPTION_ON); };
  dialogs.expect(step);
  menu(IDC_EDITOR_DESCRIPTION);
  dialogs.verify();
  EXPECT_FALSE(model().hasDescription());
  EXPECT_FALSE(controller().modified());
}

TEST_F(EditorTest, AnEnabledCodeMayNotBeBlankAndIsCutTo19) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  DialogStep step = dialogStep("Edit Completion Code", {{IDC_EDITOR_FIELD, "  "}});
  LRESULT limit = 0;
  step.inspect = [&](HWND dialog) {
    limit = SendDlgItemMessageA(dialog, IDC_EDITOR_FIELD, EM_GETLIMITTEXT, 0, 0);
    click(dialog, IDC_CODE_ON);
  };
  dialogs.expect(step);
  refuse(dialogs, "Edit Completion Code", "Please enter a completion code.",
         {{IDC_EDITOR_FIELD, "\xFE" "bcdefghijklmnopqrstuvwxy"}});
  menu(IDC_EDITOR_COMPLETION_CODE);
  dialogs.verify();
  EXPECT_TRUE(model().hasCompletionCode());
  EXPECT_EQ(model().completionCode(), "bcdefghijklmnopqrs") << "the leading blank is trimmed";
  EXPECT_EQ(limit, 19) << "typing stops where the code is cut";

  DialogStep off = dialogStep("Edit Completion Code", {{IDC_EDITOR_FIELD, ""}});
  std::string shownCode;
  off.inspect = [&](HWND dialog) {
    shownCode = windowText(dialog, IDC_EDITOR_FIELD);
    click(dialog, IDC_CODE_OFF);
  };
  dialogs.expect(off);
  menu(IDC_EDITOR_COMPLETION_CODE);
  dialogs.verify();
  EXPECT_EQ(shownCode, "bcdefghijklmnopqrs");
  EXPECT_FALSE(model().hasCompletionCode());
}

// --- Levels and sets ------------------------------------------------------------

TEST_F(EditorTest, AddAndDeleteLevelsWithTheirQuestion) {
  startEditor({kLab});
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Are you sure that you want to delete this level?", IDYES);
  dialogs.expectMessage("Trelux", "Unable to delete level!");
  menu(IDC_EDITOR_DELETE_LEVEL);
  EXPECT_FALSE(controller().modified());
  key('M', true);
  EXPECT_EQ(model().currentLevel(), 1);
  EXPECT_TRUE(controller().modified());
  dialogs.expectMessage("Trelux", "Are you sure that you want to delete this level?", IDNO);
  menu(IDC_EDITOR_DELETE_LEVEL);
  EXPECT_EQ(model().currentLevel(), 1);
  dialogs.expectMessage("Trelux", "Are you sure that you want to delete this level?", IDYES);
  menu(IDC_EDITOR_DELETE_LEVEL);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 0);
}

TEST_F(EditorTest, DeletingTheSetAsksThenRemovesItsFilesWithoutTheUnsavedQuestion) {
  startEditor({kLab});
  pickTool(1, 0);
  clickCell(4, 3);
  DialogAnswerer dialogs;
  const char* const question =
      "Deleting a puzzle set cannot be reversed.\nAre you sure you want to delete this entire set?"
      "\n\nSet: Lab";
  dialogs.expectMessage("Trelux", question, IDNO);
  menu(IDC_EDITOR_DELETE_SET);
  EXPECT_EQ(currentScreen(), ScreenEditor);
  dialogs.expectMessage("Trelux", question, IDYES);
  menu(IDC_EDITOR_DELETE_SET);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_FALSE(canOpenForReading(".\\levels\\Lab.trelux"));
  EXPECT_FALSE(canOpenForReading(".\\levels\\Lab\\levels.dat"));
}

TEST_F(EditorTest, OpenShowsTheChosenSetAtItsFirstLevel) {
  addSet("Other", {kRoom});
  startEditor({kLab});
  DialogAnswerer dialogs;
  dialogs.expect(chooserStepFor("Other"));
  key('O', true);
  dialogs.verify();
  EXPECT_EQ(model().gridWidth(), 8);
  EXPECT_EQ(model().levelFilePath(), ".\\levels\\Other\\levels.dat");
}

}  // namespace
}  // namespace trelux::test
