// Editing with the mouse and the keys through the real windows: drags, the
// right button, Ctrl+Z and Ctrl+Y, the window's place when the level's size
// changes, and the description window on request.
#include <gtest/gtest.h>

#include <string>

#include "app/win32/shell.h"
#include "app/win32/window_classes.h"
#include "editor/editor_model.h"
#include "editor/win32/editor_controller.h"
#include "editor_fixture.h"
#include "resources/win32/resource_ids.h"
#include "support/level_files.h"

namespace trelux::test {
namespace {

TEST_F(EditorTest, ADragPaintsTheCellsCrossedTheRightButtonFloorsAndCtrlZTakesEachBack) {
  startEditor({kLab});
  pickTool(1, 0);  // wall
  SendMessageA(mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(1, 3));
  SendMessageA(mainWindow, WM_MOUSEMOVE, MK_LBUTTON, cellPoint(4, 3));
  SendMessageA(mainWindow, WM_LBUTTONUP, 0, cellPoint(4, 3));
  pump();
  for (int x = 1; x <= 4; ++x) EXPECT_EQ(model().tileAt(x, 3), 1) << x;
  const std::string walled = shown();
  SendMessageA(mainWindow, WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(2, 3));
  SendMessageA(mainWindow, WM_RBUTTONUP, 0, cellPoint(2, 3));
  pump();
  EXPECT_EQ(model().tileAt(2, 3), 2) << "floor";

  key('Z', true);
  EXPECT_EQ(shown(), walled);
  key('Z', true);
  EXPECT_EQ(shown(), kLab) << "the drag is one edit";
  key('Y', true);
  EXPECT_EQ(shown(), walled);
  EXPECT_TRUE(controller().modified());
}

RECT rectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

TEST_F(EditorTest, TheWindowKeepsItsCornerAndTheToolbarStaysUnlessCovered) {
  startEditor({kLab});
  const RECT before = rectOf(mainWindow), toolbarBefore = rectOf(toolbar());
  DialogAnswerer dialogs;
  DialogStep grow;
  grow.caption = "Enter Size";
  grow.edits = {{IDC_RESIZE_WIDTH, "12"}, {IDC_RESIZE_HEIGHT, "12"}};
  dialogs.expect(grow);
  menu(IDC_EDITOR_RESIZE);
  const RECT after = rectOf(mainWindow), toolbarAfter = rectOf(toolbar());
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(toolbarAfter.top, toolbarBefore.top);
  EXPECT_GE(toolbarAfter.left, after.right - 1) << "moved out from under the grown window";
  key('Z', true);  // the level shrinks back; the toolbar stays
  EXPECT_EQ(rectOf(toolbar()).left, toolbarAfter.left);
}

TEST_F(EditorTest, TheDescriptionWindowOpensOnlyWhenAskedFor) {
  addSet("Lab", {kLab, kPullToWin});
  describeLevel("Lab", 1, "Pull the lens.");
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(0));
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  key(VK_RIGHT, true);
  const auto console = [] { return IsWindow(FindWindowA(kConsoleWindowClass, nullptr)) != FALSE; };
  EXPECT_FALSE(console());
  menu(IDC_EDITOR_SHOW_DESCRIPTION);
  EXPECT_TRUE(console());
  menu(IDC_EDITOR_SHOW_DESCRIPTION);
  EXPECT_FALSE(console());
}

}  // namespace
}  // namespace trelux::test
