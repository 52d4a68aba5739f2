#include "installer/install_target.h"

#include "base/files.h"
#include "installer/install_failure.h"

namespace trelux {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string withTrailingBackslash(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

void createDirectoriesAlong(const std::string& directory) {
  for (size_t i = 0; i < directory.size(); ++i) {
    if (isSeparator(directory[i])) createFolder(directory.substr(0, i + 1));
  }
}

std::string targetBase(InstallSource& source, const std::string& directory) {
  if (!isFolder(directory))
    throw SUPEREXCEPTION{"SetCurrentDirectory(installdirectory)", source.lastError()};
  std::string base = directory;
  while (!base.empty() && isSeparator(base.back())) base.pop_back();
  return base;
}

std::string joinPath(const std::string& base, const std::string& name) {
  return name.empty() ? base : base + "\\" + name;
}

}  // namespace trelux
