#include "app/game_folder.h"

#include "base/files.h"

namespace trelux {

bool canWriteFolder(const std::string& folder) {
  const std::string probe = createUniqueFile(folder, "_wrt");
  return !probe.empty() && removeFile(probe);
}

std::string unwritableGameFolderMessage(const std::string& folderName) {
  return "Trelux cannot write to its folder\n" + folderName +
         "\n\nYou can play, but your progress, best moves and settings will not be kept.";
}

}  // namespace trelux
