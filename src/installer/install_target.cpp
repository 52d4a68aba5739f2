#include "installer/install_target.h"

#include <filesystem>
#include <system_error>

#include "base/host_path.h"
#include "installer/install_failure.h"

namespace trelux {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string withTrailingBackslash(std::string directory) {
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

std::string withoutTrailingSeparators(std::string directory) {
  while (!directory.empty() && isSeparator(directory.back())) directory.pop_back();
  return directory;
}

bool isExistingFolder(const std::string& directory) {
  std::error_code ec;
  return std::filesystem::is_directory(hostPath(directory), ec);
}

std::string targetBase(InstallSource& source, const std::string& directory) {
  if (!isExistingFolder(directory))
    throw SUPEREXCEPTION{"SetCurrentDirectory(installdirectory)", source.lastError()};
  return withoutTrailingSeparators(directory);
}

std::string joinPath(const std::string& base, const std::string& name) {
  return name.empty() ? base : base + "\\" + name;
}

}  // namespace trelux
