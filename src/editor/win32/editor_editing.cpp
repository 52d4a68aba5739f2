// Editing with the mouse and undoing it: a press places the tool, a drag
// paints it over every cell crossed, the right button paints floor; undo and
// redo, and duplicating and moving levels.
#include <windowsx.h>

#include <optional>

#include "app/win32/shell.h"
#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "editor/level_order.h"
#include "editor/stroke.h"
#include "editor/win32/editor_controller.h"
#include "gfx/win32/game_view.h"
#include "resources/win32/resource_ids.h"

namespace trelux {
namespace {

// Through the view: the board may be zoomed and centred in the window.
Position cellOf(const GameView& view, LPARAM lParam) {
  const POINT pixel = view.boardPixelAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  return cellAtPixel(pixel.x, pixel.y);
}

}  // namespace

// Which edits a command may make, so that it can be undone; nothing for a
// command that edits nothing or undoes.
std::optional<EditHistory::Scope> EditorController::editScope(int command) {
  switch (command) {
    case IDC_EDITOR_RESIZE:
    case IDC_EDITOR_CLEAR:
    case IDC_EDITOR_DESCRIPTION: return EditHistory::Scope::Level;
    case IDC_EDITOR_COMPLETION_CODE:
    case IDC_EDITOR_ADD_LEVEL:
    case IDC_EDITOR_DELETE_LEVEL:
    case IDC_EDITOR_DUPLICATE_LEVEL:
    case IDC_EDITOR_MOVE_EARLIER:
    case IDC_EDITOR_MOVE_LATER: return EditHistory::Scope::Set;
    default: return std::nullopt;
  }
}

// ---- Strokes ---------------------------------------------------------------

// The whole stroke is one edit to undo. The robot's start is placed once, not
// dragged: each of its placements would clear a cell.
void EditorController::beginStroke(const PaletteTool& tool, LPARAM lParam) {
  endStroke();
  if (testPlay_.isActive()) return;
  history_.begin(EditHistory::Scope::Level);
  stroke_ = Stroke{true, tool, cellOf(view_, lParam)};
  SetCapture(view_.window());
  if (session_.click(tool, stroke_.last.x, stroke_.last.y) != EditorSession::Click::Outside)
    view_.paint();
  showTitle();
}

void EditorController::continueStroke(LPARAM lParam) {
  if (!stroke_.active || stroke_.tool.isRobotStart()) return;
  const Position to = cellOf(view_, lParam);
  bool changed = false;
  for (Position cell : cellsCrossed(stroke_.last, to))
    changed |= session_.click(stroke_.tool, cell.x, cell.y) == EditorSession::Click::Changed;
  stroke_.last = to;
  if (!changed) return;
  view_.paint();
  showTitle();
}

void EditorController::endStroke() {
  if (!stroke_.active) return;
  stroke_.active = false;
  history_.end();
  if (GetCapture() == view_.window()) ReleaseCapture();
}

// ---- Undo and levels ----------------------------------------------------------

void EditorController::undoOrRedo(bool redo) {
  switch (redo ? history_.redo() : history_.undo()) {
    case EditHistory::Result::Nothing: return;
    case EditHistory::Result::Done:
      session_.markModified();
      showLevel();
      return;
    case EditHistory::Result::Failed: leaveAfterWriteFailure(); return;
  }
}

void EditorController::duplicateLevel() {
  if (!trelux::duplicateLevel(model_)) {
    leaveAfterWriteFailure();
    return;
  }
  session_.markModified();
  showLevel();
}

void EditorController::moveLevel(int32_t by) {
  switch (trelux::moveLevel(model_, by)) {
    case LevelMove::Moved:
      session_.markModified();
      showLevel();
      return;
    case LevelMove::AtEdge:
      view_.showMessage(by < 0 ? kAtSetStart : kAtSetEnd, kProgramTitle);
      return;
    case LevelMove::Failed: leaveAfterWriteFailure(); return;
  }
}

}  // namespace trelux
