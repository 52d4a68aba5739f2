// Solve's progress window: a small modal dialog that shows how far the
// search has come and can cancel it. The search runs on a thread of its
// own, so the windows keep answering while it runs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "solver/solver.h"

namespace trelux {

// Searches the level snapshot; nothing when the user cancelled.
std::optional<SolveResult> runSolveDialog(HINSTANCE instance, HWND owner, std::string snapshot);

// "Solution": the report and the keys (U D L R), which Copy Keys puts on the
// clipboard; true when the user chose to watch them in test play.
bool showSolution(HINSTANCE instance, HWND owner, const std::string& report,
                  const std::string& keys);

}  // namespace trelux
