// The play screen's dialogs: the completion code asked before skipping
// ahead in a protected set, the help, and Go to Level.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace trelux {

// The entered code (at most its first 19 characters), or nothing when the
// player cancelled.
std::optional<std::string> askCompletionCode(HINSTANCE instance, HWND owner);

void showHelpDialog(HINSTANCE instance, HWND owner);

// Go to Level's list of lines, with line selected; the index of the line
// chosen, or nothing when the player cancelled.
std::optional<int32_t> askLevel(HINSTANCE instance, HWND owner,
                                const std::vector<std::string>& lines, int32_t selected);

}  // namespace trelux
