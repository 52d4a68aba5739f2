// Searches run on threads of their own, and an exception that leaves a
// thread's function ends the whole program, with the editor's unsaved edits.
// A guarded search answers instead: running out of memory as a search that
// reached its limit, anything else as one that failed.
#pragma once

#include <functional>

#include "solver/solver.h"

namespace trelux {

SolveResult guardedSearch(const std::function<SolveResult()>& search) noexcept;

}  // namespace trelux
