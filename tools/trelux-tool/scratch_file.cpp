#include "scratch_file.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "base/files.h"
#include "base/host_path.h"
#include "set_compiler.h"

namespace trelux::tool {

namespace {

std::string scratchName() {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return "trelux-tool-" + std::to_string(now) + "-" + std::to_string(counter++) + ".dat";
}

}  // namespace

ScratchLevelFile::ScratchLevelFile() {
  std::error_code ec;
  path_ = ansiName(std::filesystem::temp_directory_path(ec) / scratchName());
}

ScratchLevelFile::~ScratchLevelFile() {
  removeFile(path_);
}

bool ScratchLevelFile::compile(const SetSource& set, std::string& error) {
  return compileSet(set, path_, error);
}

}  // namespace trelux::tool
