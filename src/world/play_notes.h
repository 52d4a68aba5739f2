// The texts of the play screen's panel: the win's note, with the level's
// best and, once the search has found it, the shortest solution's length,
// and a hint's note.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "solver/hint.h"

namespace trelux {

// par: the moves of the shortest solution, when known.
std::string winNote(int32_t moves, std::optional<int32_t> previousBest, bool newBest,
                    std::optional<int32_t> par = std::nullopt);
std::string hintNote(const Hint& hint);

}  // namespace trelux
