#include "installer/install_directory.h"

#include <algorithm>

#include "base/text.h"

namespace trelux {
namespace {

constexpr const char* kExample = "for example C:\\Games\\Trelux.";

// The directory as files are joined to it: without its trailing separators.
size_t baseLength(const std::string& directory) {
  size_t length = directory.size();
  while (length > 0 && isPathSeparator(directory[length - 1])) --length;
  return length;
}

}  // namespace

InstalledNameLengths longestInstalledNames(const PackageContents& contents) {
  InstalledNameLengths longest;
  for (const PackageComponent& component : contents.components) {
    const size_t root = component.root.empty() ? 0 : component.root.size() + 1;
    longest.folder = std::max(longest.folder, root);
    for (const PackageFile& file : component.files)
      longest.file = std::max(longest.file, root + file.name.size() + 1);
  }
  for (const std::string& name : contents.compatibilityFiles)
    longest.file = std::max(longest.file, name.size() + 1);
  return longest;
}

bool isFullPath(const std::string& directory) {
  if (directory.size() >= 3 && isAsciiLetter(directory[0]) && directory[1] == ':')
    return isPathSeparator(directory[2]);
  // A UNC path names its server; "\\?\" and "\\.\" are the system's own.
  return directory.size() >= 3 && isPathSeparator(directory[0]) && isPathSeparator(directory[1]) &&
         !isPathSeparator(directory[2]) && directory[2] != '?' && directory[2] != '.';
}

std::optional<std::string> directoryRefusal(const std::string& directory,
                                            const InstalledNameLengths& names) {
  if (trimBlanks(directory).empty())
    return std::string("Please type the folder to install into, with its drive, ") + kExample;
  if (!isFullPath(directory))
    return "\"" + directory + "\" is not a full path.  Please type the folder with its drive, " +
           kExample;
  const size_t room = std::min(kMaxFilePath - std::min(kMaxFilePath, names.file),
                               kMaxFolderPath - std::min(kMaxFolderPath, names.folder));
  if (baseLength(directory) > room)
    return "This folder's name is too long: the installed files would pass the " +
           std::to_string(kMaxFilePath) + " characters Windows allows in a path.  " +
           "Please type a folder of at most " + std::to_string(room) + " characters, " + kExample;
  return std::nullopt;
}

}  // namespace trelux
