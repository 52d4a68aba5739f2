#include "editor/win32/editor_controller.h"

#include <windowsx.h>

#include "app/win32/shell.h"
#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "editor/win32/editor_dialogs.h"
#include "gfx/win32/game_view.h"
#include "resources/win32/resource_ids.h"

namespace trelux {

EditorController::EditorController(EditorModel& model, GameView& view)
    : model_(model), view_(view), session_(model), history_(model), effects_(view) {
  view_.setEditing(true);
}

EditorController::~EditorController() {
  KillTimer(view_.window(), kPlaybackTimer);
  view_.showModel(model_);
  toolbar_.destroy();
  SetWindowTextA(view_.window(), kProgramTitle);
}

// Every message also goes on to DefWindowProcA, as the shell's other
// controllers do; only the toolbar's close and its buttons' colours are
// kept from it.
LRESULT EditorController::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window == toolbar_.window() && window) {
    // DefWindowProcA would destroy the toolbar on a close (Alt+F4, say),
    // leaving the editor without its menu and palette.
    if (message == WM_CLOSE) return 0;
    // The answer is the brush the buttons are drawn on; DefWindowProcA's
    // would replace the strip's colour with the system's grey.
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
      return toolbar_.colourButton(reinterpret_cast<HDC>(wParam));
    onToolbarMessage(message, wParam, lParam);
  } else if (window == view_.window()) {
    switch (message) {
      // Accelerators arrive at the main window; the toolbar owns the commands.
      case WM_COMMAND:
        if (toolbar_.exists()) SendMessageA(toolbar_.window(), WM_COMMAND, wParam, lParam);
        break;
      case WM_LBUTTONDOWN: onClick(lParam); break;
      case WM_RBUTTONDOWN: beginStroke(makePalette().front(), lParam); break;  // floor
      case WM_MOUSEMOVE: continueStroke(lParam); break;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_CAPTURECHANGED: endStroke(); break;
      case WM_KEYDOWN:
        if (testPlay_.isActive()) onTestPlayKey(wParam);
        break;
      case WM_TIMER:
        if (wParam == kPlaybackTimer) playBackStep();
        break;
      // A new zoom makes the window larger, maybe over the toolbar.
      case WM_SIZE: toolbar_.followMainWindow(view_.window()); break;
      default: break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void EditorController::onToolbarMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: toolbar_.paint(view_); break;
    case WM_LBUTTONDOWN: toolbar_.selectAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 0) toolbar_.selectionChanged();
      // Ctrl+Z and Ctrl+Y (accelerators, high word 1) in test play would
      // take back edits the play does not show; the menu's Undo ends it.
      if (HIWORD(wParam) == 1 && testPlay_.isActive() &&
          (LOWORD(wParam) == IDC_UNDO_MOVE || LOWORD(wParam) == IDC_REDO_MOVE))
        break;
      onCommand(LOWORD(wParam));
      break;
    case WM_KEYDOWN:
      if (testPlay_.isActive()) onTestPlayKey(wParam);
      break;
    default: break;
  }
}

// The dialogs and boxes are owned by the main window, so the toolbar stays
// usable while one is open: a command that arrives then is dropped rather
// than run inside the one still running.
void EditorController::onCommand(int command) {
  if (commandRunning_) return;
  commandRunning_ = true;
  runCommand(command);
  commandRunning_ = false;
}

// Any command of the editor but test play's own works on the level being
// edited, so a test play ends first. What the editor does not run (the
// palette's buttons, the play screen's keys) leaves it playing.
void EditorController::runCommand(int command) {
  const std::function<void()> action = commandAction(command);
  if (!action) return;
  endStroke();
  if (testPlay_.isActive() && command != IDC_EDITOR_TEST_PLAY) endTestPlay();
  const std::optional<EditHistory::Scope> scope = editScope(command);
  if (scope) history_.begin(*scope);
  action();
  if (scope) history_.end();
  showTitle();
}

std::function<void()> EditorController::commandAction(int command) {
  switch (command) {
    case IDC_EDITOR_NEW: return [this] { if (canClose()) newPuzzleSet(); };
    case IDC_EDITOR_OPEN: return [this] { if (canClose()) open(); };
    case IDC_EDITOR_SAVE: return [this] { save(); };
    case IDC_EDITOR_DELETE_SET: return [this] { deleteSet(); };
    case IDC_EDITOR_EXIT: return [this] { if (canClose()) requestScreen(ScreenMainMenu); };
    case IDC_EDITOR_RESIZE: return [this] { resize(); };
    case IDC_EDITOR_CLEAR: return [this] { clearLevel(); };
    case IDC_EDITOR_DESCRIPTION: return [this] { editDescription(); };
    case IDC_EDITOR_COMPLETION_CODE: return [this] { editCode(); };
    case IDC_EDITOR_NEXT_LEVEL: return [this] { step(session_.next()); };
    case IDC_EDITOR_PREVIOUS_LEVEL: return [this] { step(session_.previous()); };
    case IDC_EDITOR_GO_TO_LEVEL: return [this] { goToLevel(); };
    case IDC_EDITOR_ADD_LEVEL: return [this] { addLevel(); };
    case IDC_EDITOR_DELETE_LEVEL: return [this] { deleteLevel(); };
    case IDC_EDITOR_TEST_PLAY:
      return [this] { testPlay_.isActive() ? endTestPlay() : startTestPlay(); };
    case IDC_EDITOR_SOLVE: return [this] { solve(); };
    case IDC_UNDO_MOVE: return [this] { undoOrRedo(false); };
    case IDC_REDO_MOVE: return [this] { undoOrRedo(true); };
    case IDC_EDITOR_DUPLICATE_LEVEL: return [this] { duplicateLevel(); };
    case IDC_EDITOR_MOVE_EARLIER: return [this] { moveLevel(-1); };
    case IDC_EDITOR_MOVE_LATER: return [this] { moveLevel(1); };
    case IDC_EDITOR_SHOW_DESCRIPTION: return [this] { toggleDescription(); };
    default: return {};
  }
}

void EditorController::createToolbar() {
  toolbar_.create(view_.window(), view_.instance());
  showTitle();
}

// Every click inside the ring redraws, whether or not the level changed.
void EditorController::onClick(LPARAM lParam) {
  if (const PaletteTool* tool = toolbar_.selectedTool()) beginStroke(*tool, lParam);
}

void EditorController::showLevel() {
  view_.layout();
  view_.paint();
  toolbar_.followMainWindow(view_.window());
}

bool EditorController::commit() {
  if (session_.commit()) return true;
  leaveAfterWriteFailure();
  return false;
}

void EditorController::leaveWithMessage(const char* text) {
  view_.showMessage(text, kProgramTitle);
  requestScreen(ScreenMainMenu);
}

void EditorController::leaveAfterWriteFailure() { leaveWithMessage(kEditorCommitError); }

// The message still says the editor is leaving, and it does, but as from
// Exit Editor: an author's unsaved edits are no longer lost without a word.
// Yes saves them, and Cancel, or a save that fails, keeps the editor open
// on the level shown.
void EditorController::leaveOfferingSave(const char* text) {
  view_.showMessage(text, kProgramTitle);
  if (canClose()) requestScreen(ScreenMainMenu);
}

void EditorController::step(EditorSession::Step result) {
  switch (result) {
    case EditorSession::Step::Moved: showLevel(); break;
    case EditorSession::Step::AtEnd:
      view_.showMessage(kAtSetEnd, kProgramTitle);
      break;
    case EditorSession::Step::AtStart:
      view_.showMessage(kAtSetStart, kProgramTitle);
      break;
    case EditorSession::Step::CommitFailed: leaveOfferingSave(kEditorCommitError); break;
    case EditorSession::Step::LoadFailed: leaveOfferingSave(kEditorLoadError); break;
  }
}

void EditorController::save() {
  if (session_.save()) {
    justSaved_ = true;
    return;
  }
  view_.showMessage(kEditorSaveError, kProgramTitle);
}

bool EditorController::canClose() {
  if (!session_.modified()) return true;
  const int answer = MessageBoxA(view_.window(), kUnsavedQuestion, kUnsavedCaption,
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
  const EditorSession::Answer decoded = answer == IDYES  ? EditorSession::Answer::Yes
                                        : answer == IDNO ? EditorSession::Answer::No
                                                         : EditorSession::Answer::Cancel;
  const EditorSession::Close close = session_.answerUnsaved(decoded);
  if (close == EditorSession::Close::SaveFailed) view_.showMessage(kEditorSaveError, kProgramTitle);
  return close == EditorSession::Close::Leave;
}

bool EditorController::newPuzzleSet() {
  const std::optional<std::string> name = askNewSetName(view_.instance(), view_.window());
  if (!name) return false;
  if (!session_.createSet(*name)) {
    leaveWithMessage(kEditorCreateError);
    return false;
  }
  showLevel();
  return true;
}

}  // namespace trelux
