// Copying and reordering the levels of the set being edited. Level records
// keep their places in the working copy; their contents move between them.
#pragma once

#include <cstdint>

namespace trelux {

class EditorModel;

// Commits the level and puts a copy of it right after it, then shows the
// copy; false when the working copy could not be written.
bool duplicateLevel(EditorModel& model);

enum class LevelMove { Moved, AtEdge, Failed };
// Commits the level and exchanges it with the one `by` places later (or
// earlier, for a negative by), then shows it at its new place. AtEdge: there
// is no level there, and nothing changed.
LevelMove moveLevel(EditorModel& model, int32_t by);

}  // namespace trelux
