// The editor's dialogs. Each checks its input itself and stays open, with a
// message box, while the input is refused; each answers a plain value, or
// nothing when the user cancelled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "editor/editor_checks.h"

namespace trelux {

// "New Puzzle Set": the name as typed.
std::optional<std::string> askNewSetName(HINSTANCE instance, HWND owner);

// "Go To Level...": a level number 1..255, the current one shown first.
std::optional<int32_t> askLevelNumber(HINSTANCE instance, HWND owner, int32_t currentNumber);

// "Enter Size": the interior size, each side 5..20.
std::optional<InteriorSize> askInteriorSize(HINSTANCE instance, HWND owner, InteriorSize current);

// A text that can be switched on and off: the description, the code.
struct SwitchedText {
  bool enabled = false;
  std::string text;
};
// "Edit Level Description": at most 2047 characters.
std::optional<SwitchedText> editDescription(HINSTANCE instance, HWND owner, SwitchedText current);
// "Edit Completion Code": at most 19 characters; not blank while enabled.
std::optional<SwitchedText> editCompletionCode(HINSTANCE instance, HWND owner,
                                               SwitchedText current);

}  // namespace trelux
