// What an installation has put on the disk that was not there before, in
// the order it came, so that a failed installation can take all of it away
// again while every file and folder that was there before stays.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "installer/install_source.h"

namespace trelux {

class CreatedPaths {
 public:
  explicit CreatedPaths(InstallSource& source) : source_(source) {}

  // Creates every missing folder along directory, each up to a backslash (or
  // slash). Answers the system's code for the deepest one that could not be
  // made, 0 when all are there.
  uint32_t createFoldersAlong(const std::string& directory);
  // True when the folder is there afterwards.
  bool createFolder(const std::string& path);
  // Creates or truncates the file and writes the bytes; on failure
  // lastError() holds the system's code.
  bool writeFile(const std::string& path, std::string_view bytes);
  uint32_t lastError() const { return lastError_; }
  // The folders created so far, parents first.
  std::vector<std::string> createdFolders() const;

  // Removes what was created, newest first. A folder that something else has
  // since been put into stays.
  void rollBack();

 private:
  struct Entry {
    std::string path;
    bool folder;
  };
  InstallSource& source_;
  std::vector<Entry> created_;
  uint32_t lastError_ = 0;
};

}  // namespace trelux
