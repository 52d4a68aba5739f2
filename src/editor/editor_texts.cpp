#include "editor/editor_texts.h"

namespace trelux {

std::string editorTitle(const std::string& setName, SetState state) {
  const std::string program = " - Trelux Editor";
  switch (state) {
    case SetState::Modified: return "*" + setName + program;
    case SetState::JustSaved: return setName + " (saved)" + program;
    case SetState::Saved: break;
  }
  return setName + program;
}

// The question's first lines stay as players know them; the name follows.
std::string deleteSetQuestion(const std::string& setName) {
  return "Deleting a puzzle set cannot be reversed.\nAre you sure you want to delete this entire "
         "set?\n\nSet: " +
         setName;
}

}  // namespace trelux
