// The installation directory as both the install and the uninstall use it.
// Paths are the game's Windows paths; file operations map them with hostPath.
#pragma once

#include <string>

#include "installer/install_source.h"

namespace trelux {

// The directory as the registry records it: ending in a backslash.
std::string withTrailingBackslash(std::string directory);
// The directory without its trailing separators.
std::string withoutTrailingSeparators(std::string directory);
// The directory without its trailing separators, the base that component
// roots and file names are joined to. Fails with a SUPEREXCEPTION when the
// directory is not there.
std::string targetBase(InstallSource& source, const std::string& directory);
// base + "\" + name, or base itself for an empty name.
std::string joinPath(const std::string& base, const std::string& name);

}  // namespace trelux
