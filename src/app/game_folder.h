// The game keeps progress, bests, settings and new sets beside itself. In a
// folder it cannot write (an installation below Program Files run by a
// standard user, a read-only share) every save would fail one by one, so the
// start finds out once and says so once.
#pragma once

#include <string>

namespace trelux {

// A file can be made and removed again in folder.
bool canWriteFolder(const std::string& folder);
// The warning for the game's folder, named by its full name.
std::string unwritableGameFolderMessage(const std::string& folderName);

}  // namespace trelux
