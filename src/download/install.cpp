#include "download/install.h"

#include "base/files.h"
#include "download/download_list.h"
#include "download/download_messages.h"
#include "download/downloaded_set.h"
#include "download/internet_error.h"
#include "download/set_name.h"
#include "editor/editor_model.h"
#include "puzzles/catalogue.h"

namespace trelux {

namespace {

struct SetFiles {
  std::string descriptor;
  std::string levelFile;
  std::string folder;
};

[[noreturn]] void fail(const std::string& detail) { throw InternetError{detail, kInstallMessage}; }

void removeSet(const SetFiles& set) {
  removeFile(set.levelFile);
  removeFile(set.descriptor);
  removeFolder(set.folder);
}

// The set as the editor creates it; the model goes at once, and with it its
// working copy. A creation that fails halfway is taken back too: the base
// name it used was free when it began, so whatever carries it is its own.
SetFiles createSet(const std::string& name) {
  const std::string base = ".\\Levels\\" + makeSetBaseName(name);
  EditorModel model;
  if (!model.createPuzzleSet(name)) {
    removeSet({base + ".trelux", base + "\\levels.dat", base + "\\"});
    fail("Couldn't create a new puzzle set");
  }
  return {model.descriptorPath(), model.levelFilePath(), model.folderPath()};
}

}  // namespace

void installSet(const std::string& name, const std::string& levelFile, const std::string& guid) {
  const SetFiles set = createSet(name);
  try {
    if (!setPuzzleSetLocked(set.descriptor, true)) fail("Couldn't lock the puzzle set.");
    if (!replaceFileWithCopy(levelFile, set.levelFile)) fail("Couldn't copy the file over.");
    recordGuid(guid);
  } catch (const InternetError&) {
    removeSet(set);
    throw;
  }
}

std::string installDownloadedSet(const std::string& file, bool complete, const std::string& name,
                                 const std::string& guid) {
  checkDownloadedSet(file, complete);
  const std::string chosen = freeSetName(name);
  installSet(chosen, file, guid);
  return chosen;
}

}  // namespace trelux
