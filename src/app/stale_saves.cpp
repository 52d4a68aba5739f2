#include "app/stale_saves.h"

#include <chrono>
#include <string>

#include "base/files.h"

namespace trelux {

namespace {

constexpr const char* kSetsFolder = ".\\levels\\";
// Old enough that no save of a game running now can still be writing it.
constexpr std::chrono::minutes kStaleAge{10};

}  // namespace

void removeStaleSaveFiles() {
  removeStaleSaves(".\\", kStaleAge);
  removeStaleSaves(kSetsFolder, kStaleAge);
  for (const std::string& name : folderEntries(kSetsFolder)) {
    const std::string folder = kSetsFolder + name + "\\";
    if (isFolder(folder)) removeStaleSaves(folder, kStaleAge);
  }
}

}  // namespace trelux
