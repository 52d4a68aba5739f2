// The editor's commands that open a dialog or ask a question first.
#include <cstdint>
#include <optional>
#include <string>

#include "app/win32/shell.h"
#include "editor/edit_recovery.h"
#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "editor/win32/editor_controller.h"
#include "editor/win32/editor_dialogs.h"
#include "gfx/win32/game_view.h"
#include "puzzles/win32/chooser_dialog.h"

namespace trelux {

bool EditorController::ask(const char* question, UINT buttons) {
  return MessageBoxA(view_.window(), question, kProgramTitle, buttons) == IDYES;
}

void EditorController::open() {
  std::string levelFile, descriptor, folder;
  if (!choosePuzzleSet(levelFile, view_.instance(), view_.window(), false, &descriptor, &folder))
    return;
  if (!openSet(levelFile, descriptor, folder)) {
    leaveWithMessage(kEditorOpenError);
    return;
  }
  showLevel();
}

// Edits an editor left unsaved in the set (it crashed, or was killed) are
// offered first; either answer leaves no copy of them behind.
bool EditorController::openSet(const std::string& levelFile, const std::string& descriptor,
                               const std::string& folder) {
  std::string restored;
  if (const std::optional<LeftEdits> left = findLeftEdits(levelFile, model_.workingCopyPath())) {
    if (ask(restoreQuestion(left->madeAt).c_str(), MB_YESNO | MB_ICONQUESTION))
      restored = left->workingCopy;
    else
      removeWorkingCopy(left->workingCopy);
  }
  return session_.openSet(levelFile, descriptor, folder, restored);
}

void EditorController::deleteSet() {
  if (!ask(deleteSetQuestion(setName()).c_str(), MB_YESNO | MB_ICONEXCLAMATION)) return;
  model_.deleteSet();
  requestScreen(ScreenMainMenu);
}

void EditorController::resize() {
  const std::optional<InteriorSize> size =
      askInteriorSize(view_.instance(), view_.window(), session_.interiorSize());
  if (!size) return;
  switch (session_.planResize(size->width, size->height)) {
    case EditorSession::Resize::Unchanged: return;
    case EditorSession::Resize::Shrinks:
      if (!ask(kShrinkQuestion, MB_YESNO | MB_ICONQUESTION))
        return;
      break;
    case EditorSession::Resize::Grows: break;
  }
  session_.resize(size->width, size->height);
  showLevel();
}

void EditorController::clearLevel() {
  if (!ask(kClearQuestion, MB_YESNO | MB_ICONQUESTION)) return;
  session_.clearLevel();
  view_.paint();
}

// The window is laid out again in any case: the description window comes
// and goes with the description.
void EditorController::editDescription() {
  const std::optional<SwitchedText> text = trelux::editDescription(
      view_.instance(), view_.window(), {model_.hasDescription(), model_.description()});
  if (text) session_.setDescription(text->enabled, text->text);
  view_.layout();
  toolbar_.followMainWindow(view_.window());
}

void EditorController::toggleDescription() {
  if (!view_.toggleDescription())
    view_.showMessage(kNoDescription, kProgramTitle);
}

void EditorController::editCode() {
  const bool enabled = model_.hasCompletionCode();
  const std::optional<SwitchedText> code = editCompletionCode(
      view_.instance(), view_.window(), {enabled, enabled ? model_.completionCode() : ""});
  if (!code) return;
  if (!session_.setCompletionCode(code->enabled, code->text)) leaveAfterWriteFailure();
}

void EditorController::goToLevel() {
  if (!commit()) return;
  if (!goToLevelDialog())
    view_.showMessage(kNoSuchLevel, kProgramTitle);
}

bool EditorController::goToLevelDialog() {
  const auto shown = static_cast<uint8_t>(model_.currentLevel() + 1);
  const std::optional<int32_t> number = askLevelNumber(view_.instance(), view_.window(), shown);
  if (!number) return true;
  switch (session_.goTo(*number)) {
    case EditorSession::GoTo::Moved: showLevel(); return true;
    case EditorSession::GoTo::Same: return true;
    case EditorSession::GoTo::Missing: return false;
  }
  return true;
}

void EditorController::addLevel() {
  if (!session_.addLevel()) {
    leaveOfferingSave(kEditorCommitError);
    return;
  }
  showLevel();
}

void EditorController::deleteLevel() {
  if (!ask(kDeleteLevelQuestion, MB_YESNO | MB_ICONQUESTION)) return;
  if (!session_.deleteLevel()) {
    view_.showMessage(kCannotDeleteLevel, kProgramTitle);
    return;
  }
  showLevel();
}

}  // namespace trelux
