// A fresh, empty folder per test that is also the current directory while
// the test runs, since the game names its files relative to it.
#pragma once

#include <filesystem>
#include <string>

namespace trelux::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

// Writes bytes to a file (host path), creating its folders.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
// The whole file, or an empty string when it cannot be read.
std::string readFile(const std::filesystem::path& path);

}  // namespace trelux::test
