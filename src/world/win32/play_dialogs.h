// The play screen's two dialogs: the completion code asked before skipping
// ahead in a protected set, and the help.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace trelux {

// The entered code (at most its first 19 characters), or nothing when the
// player cancelled.
std::optional<std::string> askCompletionCode(HINSTANCE instance, HWND owner);

void showHelpDialog(HINSTANCE instance, HWND owner);

}  // namespace trelux
