#include "editor_fixture.h"

#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "editor/editor_model.h"
#include "editor/win32/editor_controller.h"
#include "gfx/win32/game_view.h"
#include "puzzles/level_text.h"
#include "puzzles/puzzle_set_file.h"
#include "resources/win32/resource_ids.h"
#include "world/level_grid.h"

namespace trelux::test {

DialogStep chooserStep(int line) {
  DialogStep step;
  step.caption = "Choose Puzzle Set";
  step.listSelection = std::make_pair(IDC_PUZZLE_LIST, line);
  return step;
}

DialogStep chooserStepFor(const char* name) {
  DialogStep step = chooserStep(0);
  step.listSelection.reset();
  step.inspect = [name](HWND dialog) {
    const LRESULT line = SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_FINDSTRINGEXACT,
                                             static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  };
  return step;
}

void EditorTest::startEditor(const std::vector<std::string>& levels) {
  addSet("Lab", levels);
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(0));
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  ASSERT_EQ(currentScreen(), ScreenEditor);
  ASSERT_NE(toolbar(), nullptr);
}

EditorController& EditorTest::controller() {
  return *dynamic_cast<EditorController*>(currentController());
}
EditorModel& EditorTest::model() { return *dynamic_cast<EditorModel*>(currentModel()); }
HWND EditorTest::toolbar() { return controller().toolbar(); }

void EditorTest::menu(int command) {
  SendMessageA(toolbar(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  pump();
}

HWND EditorTest::toolButton(int column, int row) {
  for (HWND child = GetWindow(toolbar(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, toolbar(), reinterpret_cast<POINT*>(&rect), 2);
    if (rect.left == column * 25 && rect.top == row * 35 + 25) return child;
  }
  return nullptr;
}

void EditorTest::pickTool(int column, int row) {
  HWND button = toolButton(column, row);
  ASSERT_NE(button, nullptr);
  SendMessageA(button, BM_CLICK, 0, 0);
  pump();
}

void EditorTest::clickCell(int x, int y) {
  SendMessageA(mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(x, y));
  pump();
}

LPARAM EditorTest::cellPoint(int x, int y) {
  const int top = dynamic_cast<GameView&>(*currentView()).boardTop();
  return MAKELPARAM(x * 25 + 12, top + y * 25 + 12);
}

void EditorTest::pumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done() && GetTickCount() - start < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    pump();
  }
}

std::string EditorTest::shown() { return formatLevelText(model().grid()); }

std::string EditorTest::savedLevel(int index) {
  PuzzleSetFile set;
  LevelGrid grid;
  if (!set.open(".\\levels\\Lab\\levels.dat") || !set.seekLevel(index) || !set.readLevel(grid))
    return {};
  return formatLevelText(grid);
}

}  // namespace trelux::test
