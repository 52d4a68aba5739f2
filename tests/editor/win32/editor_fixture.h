// The editor screen started as the user starts it, from "Level Editor" and
// the chooser, with helpers for its toolbar, its menu and the board.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/win32/dialog_answerer.h"
#include "support/win32/game_fixture.h"

namespace trelux {
class EditorController;
class EditorModel;
}  // namespace trelux

namespace trelux::test {

class EditorTest : public GameFixture {
 protected:
  // Adds the set "Lab" and opens it in the editor.
  void startEditor(const std::vector<std::string>& levels);
  EditorController& controller();
  EditorModel& model();
  HWND toolbar();
  // A command of the toolbar's menu.
  void menu(int command);
  // The radio button of palette cell (column, row), clicked.
  void pickTool(int column, int row);
  HWND toolButton(int column, int row);
  // A left click in the middle of cell (x, y) of the board.
  void clickCell(int x, int y);
  // The middle of cell (x, y) in the window: a board shorter than the panel
  // is centred beside it.
  LPARAM cellPoint(int x, int y);
  // Handles messages until done() holds or ten seconds have passed.
  void pumpUntil(const std::function<bool()>& done);
  // The level shown, in the readable level text.
  std::string shown();
  std::string savedLevel(int index);
};

// The chooser answered with line LINE, or with the set named NAME.
DialogStep chooserStep(int line);
DialogStep chooserStepFor(const char* name);

}  // namespace trelux::test
