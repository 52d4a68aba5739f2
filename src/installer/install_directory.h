// Whether a typed installation directory can take the package. A directory
// that is empty or not a full path would put the game wherever the installer
// happens to stand (the root of the current drive, or the package's own
// folder), and one too long would hold files Windows cannot open: both are
// refused before anything is written, with a text that says what to type.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "installer/package_contents.h"

namespace trelux {

// A path as the Windows API takes it without the long-path prefix: a full
// file path has at most 259 characters; a folder at most 247 (room is kept
// for an 8.3 name inside it).
inline constexpr size_t kMaxFilePath = 259;
inline constexpr size_t kMaxFolderPath = 247;

// The lengths of the longest names the package puts below the installation
// directory, relative to it.
struct InstalledNameLengths {
  size_t file = 0;
  size_t folder = 0;
};
InstalledNameLengths longestInstalledNames(const PackageContents& contents);

// "C:\..." or "\\server\share\...": a path that does not depend on the
// current drive or folder.
bool isFullPath(const std::string& directory);

// The message that refuses directory, or nullopt when it will do.
std::optional<std::string> directoryRefusal(const std::string& directory,
                                            const InstalledNameLengths& names);

}  // namespace trelux
