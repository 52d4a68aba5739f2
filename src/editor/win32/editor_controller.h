// The editor screen's controller. The shell builds the editor screen around
// it; the editing commands, the toolbar and the unsaved-changes question
// arrive with the level editor.
#pragma once

#include <windows.h>

#include "app/win32/screens.h"

namespace trelux {

class EditorModel;
class GameView;

class EditorController : public ScreenController {
 public:
  EditorController(EditorModel& model, GameView& view) : model_(model), view_(view) {}
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    return DefWindowProcA(window, message, wParam, lParam);
  }

 private:
  [[maybe_unused]] EditorModel& model_;
  [[maybe_unused]] GameView& view_;
};

}  // namespace trelux
