#include "installer/created_paths.h"

#include "base/files.h"

namespace trelux {

uint32_t CreatedPaths::createFoldersAlong(const std::string& directory) {
  uint32_t deepestFailure = 0;
  for (size_t i = 0; i < directory.size(); ++i) {
    if (directory[i] != '\\' && directory[i] != '/') continue;
    // Failures above a folder that is there (a drive's root, a server's
    // name) do not count against it.
    deepestFailure = createFolder(directory.substr(0, i + 1)) ? 0 : lastError_;
  }
  return deepestFailure;
}

bool CreatedPaths::createFolder(const std::string& path) {
  if (isFolder(path)) return true;
  if (!trelux::createFolder(path)) {
    lastError_ = source_.lastError();
    return false;
  }
  created_.push_back({path, true});
  return true;
}

bool CreatedPaths::writeFile(const std::string& path, std::string_view bytes) {
  const bool existed = pathExists(path);
  const bool written = writeFileBytes(path, bytes);
  if (!written) lastError_ = source_.lastError();
  // A file begun but not finished is ours as well.
  if (!existed && (written || pathExists(path))) created_.push_back({path, false});
  return written;
}

std::vector<std::string> CreatedPaths::createdFolders() const {
  std::vector<std::string> folders;
  for (const Entry& entry : created_)
    if (entry.folder) folders.push_back(entry.path);
  return folders;
}

void CreatedPaths::rollBack() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    if (it->folder)
      removeFolder(it->path);
    else
      removeFile(it->path);
  }
  created_.clear();
}

}  // namespace trelux
