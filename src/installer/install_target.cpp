#include "installer/install_target.h"

#include "base/files.h"
#include "base/text.h"
#include "installer/install_failure.h"

namespace trelux {

std::string withTrailingBackslash(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

std::string withoutTrailingSeparators(std::string directory) {
  while (!directory.empty() && isPathSeparator(directory.back())) directory.pop_back();
  return directory;
}

std::string targetBase(InstallSource& source, const std::string& directory) {
  if (!isFolder(directory))
    throw SUPEREXCEPTION{"SetCurrentDirectory(installdirectory)", source.lastError()};
  return withoutTrailingSeparators(directory);
}

std::string joinPath(const std::string& base, const std::string& name) {
  return name.empty() ? base : base + "\\" + name;
}

}  // namespace trelux
