// The "Editor Toolbar": a top-level window beside the main window that
// carries the editor's menu and the palette, each tool's picture with its
// radio button beneath. Its messages reach the editor's controller through
// the control window class.
#pragma once

#include <windows.h>

#include <vector>

#include "editor/palette.h"

namespace trelux {

class GameView;

class EditorToolbar {
 public:
  EditorToolbar() = default;
  ~EditorToolbar();
  EditorToolbar(const EditorToolbar&) = delete;
  EditorToolbar& operator=(const EditorToolbar&) = delete;

  // Creates the window right of the main window, its menu and its buttons,
  // the floor tool checked, and shows it.
  bool create(HWND mainWindow, HINSTANCE instance);
  // Forgets the window before destroying it, so its last messages are not
  // taken for the toolbar's.
  void destroy();
  HWND window() const { return window_; }
  bool exists() const { return IsWindow(window_) != FALSE; }
  // Moves the toolbar back beside the main window after a change of size.
  void followMainWindow(HWND mainWindow);

  // The tool whose button is checked (the first, should there be more).
  const PaletteTool* selectedTool() const;
  // WM_PAINT: the pictures of every tool, the selected one framed.
  void paint(GameView& view);
  // A button was clicked: the frame moves to the tool now selected.
  void selectionChanged();
  // WM_CTLCOLORSTATIC of the buttons: the dark strip under the pictures.
  LRESULT colourButton(HDC dc);

 private:
  struct ToolButton {
    HWND button = nullptr;
    PaletteTool tool;
  };
  void createButtons(HINSTANCE instance);
  void fillEmptyCells(HDC dc);

  HWND window_ = nullptr;
  HBRUSH stripBrush_ = nullptr;
  // The main window's right edge the toolbar was last placed against.
  int anchor_ = 0;
  std::vector<ToolButton> tools_;
};

}  // namespace trelux
