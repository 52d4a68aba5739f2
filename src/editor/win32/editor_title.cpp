// The main window's title while the editor runs: the set's name, and whether
// its edits are saved.
#include <string>

#include "editor/editor_model.h"
#include "editor/editor_texts.h"
#include "editor/win32/editor_controller.h"
#include "gfx/win32/game_view.h"
#include "puzzles/catalogue.h"

namespace trelux {

// The descriptor is read again only when another set was opened.
const std::string& EditorController::setName() {
  const std::string descriptor = model_.descriptorPath();
  if (descriptor != titleDescriptor_) {
    titleDescriptor_ = descriptor;
    PuzzleSetEntry entry;
    titleName_ = readDescriptor(descriptor, entry) ? entry.name : std::string();
    justSaved_ = false;
  }
  return titleName_;
}

void EditorController::showTitle() {
  if (testPlay_.isActive()) return;  // test play has a title of its own
  const std::string& name = setName();
  if (session_.modified()) justSaved_ = false;
  const SetState state = session_.modified() ? SetState::Modified
                         : justSaved_         ? SetState::JustSaved
                                              : SetState::Saved;
  SetWindowTextA(view_.window(), editorTitle(name, state).c_str());
}

}  // namespace trelux
