// A level file compiled into the system's temporary folder for the length of
// one command, removed again when the object goes.
#pragma once

#include <string>

#include "set_text.h"

namespace trelux::tool {

class ScratchLevelFile {
 public:
  ScratchLevelFile();
  ~ScratchLevelFile();
  ScratchLevelFile(const ScratchLevelFile&) = delete;
  ScratchLevelFile& operator=(const ScratchLevelFile&) = delete;

  bool compile(const SetSource& set, std::string& error);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace trelux::tool
