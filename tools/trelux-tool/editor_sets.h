// Sets as the game's editor keeps them: a level file in a folder of its own
// under "levels", and beside that folder a descriptor that holds the set's
// name. Decompiling takes the name from there, and add-set makes such an
// unlocked set from a set text, for the editor to open.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace trelux::tool {

// The name the descriptor of the set whose level file is at levelFile (a
// host path) gives it; nothing when no descriptor names its folder.
std::optional<std::string> nameFromDescriptor(const std::string& levelFile);

// add-set SET.txt GAME_FOLDER: the set, compiled into GAME_FOLDER's levels
// under a free name, with an unlocked descriptor.
int runAddSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trelux::tool
