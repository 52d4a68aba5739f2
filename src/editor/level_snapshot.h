// A level as it stands, in the bytes of a level record's content. The
// editor hands such a copy to its test play and to a search on another
// thread, so neither touches the level being edited.
#pragma once

#include <string>
#include <string_view>

namespace trelux {

class LevelGrid;

std::string snapshotLevel(const LevelGrid& grid);
// Builds the level into grid (loaded on success).
bool restoreLevel(std::string_view snapshot, LevelGrid& grid);

}  // namespace trelux
