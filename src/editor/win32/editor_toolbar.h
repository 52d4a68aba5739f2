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
  bool create(HWND owner, HINSTANCE instance);
  // Forgets the window before destroying it, so its last messages are not
  // taken for the toolbar's.
  void destroy();
  HWND window() const { return window_; }
  bool exists() const { return IsWindow(window_) != FALSE; }
  // Moves the toolbar out from under the main window after a change of size.
  void followMainWindow(HWND owner);

  // The tool whose button is checked (the first, should there be more).
  const PaletteTool* selectedTool() const;
  // WM_PAINT: the pictures of every tool, the selected one framed.
  void paint(GameView& view);
  // A button was clicked: the frame and the name follow the tool now
  // selected.
  void selectionChanged();
  // WM_LBUTTONDOWN in the toolbar: a click on a tool's picture selects it as
  // a click on its button does.
  void selectAt(int x, int y);
  // The line under the palette that names the selected tool.
  HWND nameLabel() const { return nameLabel_; }
  // WM_CTLCOLORSTATIC of the buttons: the dark strip under the pictures.
  LRESULT colourButton(HDC dc);

 private:
  struct ToolButton {
    HWND button = nullptr;
    PaletteTool tool;
  };
  void createButtons(HINSTANCE instance);
  // Names each tool where the mouse rests, over its picture and its button.
  void createTooltips(HINSTANCE instance);
  void fillEmptyCells(HDC dc);

  HWND window_ = nullptr;
  HWND nameLabel_ = nullptr;
  HWND tooltips_ = nullptr;
  HBRUSH stripBrush_ = nullptr;
  std::vector<ToolButton> tools_;
};

}  // namespace trelux
