// Which set the chooser offers first: the set played last, else for a new
// player the first shipped set, else the first listed.
#pragma once

#include <string>
#include <vector>

#include "puzzles/catalogue.h"

namespace trelux {

// The first shipped set's descriptor, Training's: where a new player starts.
inline constexpr const char* kFirstShippedSet = ".\\levels\\training.trelux";

// The index of the entry to select: the one whose descriptor file is
// lastSet (any letter case), else kFirstShippedSet's, else 0; -1 when the
// list is empty.
int preselectedSet(const std::vector<PuzzleSetEntry>& entries, const std::string& lastSet);

}  // namespace trelux
