#include "editor/editor_model.h"

#include <ctime>
#include <optional>
#include <utility>

#include "base/files.h"
#include "base/text.h"
#include "doc/keyed_document.h"
#include "editor/edit_recovery.h"
#include "editor/level_snapshot.h"
#include "puzzles/catalogue.h"
#include "world/objects.h"

namespace trelux {

namespace {

constexpr const char* kSetsFolder = ".\\Levels\\";

}  // namespace

EditorModel::EditorModel() = default;

EditorModel::~EditorModel() { discardWorkingCopy(); }

// ---- The working copy --------------------------------------------------------

bool EditorModel::loadSet(const std::string& levelFile) {
  // The new copy is named while the old one still exists, so the names
  // differ from the copy being replaced.
  std::string copy = createUniqueFile(kWorkingCopyFolder, kWorkingCopyPrefix);
  discardWorkingCopy();
  descriptor_.clear();
  folder_.clear();
  levelFile_ = levelFile;
  workingCopy_ = std::move(copy);
  if (levelFile.empty() || workingCopy_.empty()) return false;
  if (!copyFileBytes(levelFile, workingCopy_)) return false;
  // Should the editor end without closing, the next one knows whose copy
  // this was.
  writeEditRecord(workingCopy_, levelFile_, std::nullopt);
  return set_.open(workingCopy_);
}

// The copy stays as it was left, its record included: its edits are still
// not saved.
bool EditorModel::restoreSet(const std::string& levelFile, const std::string& leftCopy) {
  discardWorkingCopy();
  descriptor_.clear();
  folder_.clear();
  levelFile_ = levelFile;
  workingCopy_ = leftCopy;
  return set_.open(workingCopy_);
}

void EditorModel::setSetPaths(std::string levelFile, std::string descriptor, std::string folder) {
  levelFile_ = std::move(levelFile);
  descriptor_ = std::move(descriptor);
  folder_ = std::move(folder);
}

// The set file is forgotten, not just closed: a closed one keeps the copy's
// path and records, and a later open of the same name would take them for
// the new file's.
void EditorModel::discardWorkingCopy() {
  set_.forget();
  if (workingCopy_.empty()) return;
  removeWorkingCopy(workingCopy_);
  workingCopy_.clear();
}

// ---- Levels ------------------------------------------------------------------

bool EditorModel::goToLevel(int32_t index) {
  if (!PuzzleModel::goToLevel(index)) return false;
  pendingDescription_ = grid_.hasDescription();
  pendingText_ = grid_.description();
  return true;
}

// A 0x00 byte would end the description in the level file and a 0xFF byte
// would be taken for the marker of a level, so both become blanks.
void EditorModel::setLevelDescription(bool enabled, std::string text) {
  for (char& c : text) {
    if (c == '\0' || static_cast<uint8_t>(c) == 0xFF) c = ' ';
  }
  pendingDescription_ = enabled;
  pendingText_ = std::move(text);
}

bool EditorModel::commitLevel() {
  grid_.setDescription(pendingDescription_, pendingText_);
  return set_.writeLevel(grid_);
}

// Failures are left to the commit before the next step or save, which
// reports them.
void EditorModel::keepEdits() {
  if (workingCopy_.empty()) return;
  commitLevel();
  writeEditRecord(workingCopy_, levelFile_, std::time(nullptr));
}

std::string EditorModel::levelSnapshot() {
  grid_.setDescription(pendingDescription_, pendingText_);
  return snapshotLevel(grid_);
}

// The copy goes through a temporary file beside the set's file, so a failed
// save leaves the set as it was and is reported.
bool EditorModel::saveSet() {
  if (!commitLevel()) return false;
  set_.close();
  if (!replaceFileWithCopy(workingCopy_, levelFile_)) return false;
  writeEditRecord(workingCopy_, levelFile_, std::nullopt);
  return true;
}

bool EditorModel::addLevel() {
  const int32_t shown = set_.currentLevel();
  if (set_.appendLevel() && goToLevel(set_.currentLevel())) return true;
  set_.seekLevel(shown);
  return false;
}

// The level to show afterwards is read first (the one before, else the one
// after): when neither can be read, the level stays, and so does the board.
bool EditorModel::deleteLevel() {
  const int32_t n = set_.currentLevel();
  const bool toPrevious = canReadLevel(n - 1);
  if (!toPrevious && !canReadLevel(n + 1)) return false;
  if (!set_.seekLevel(n) || !set_.deleteLevel()) return false;
  return goToLevel(toPrevious ? n - 1 : n);
}

bool EditorModel::setCompletionCode(bool enabled, std::string code) {
  return set_.setCompletionCode(enabled, trimBlanks(code));
}

// ---- Whole sets --------------------------------------------------------------

bool EditorModel::deleteSet() {
  discardWorkingCopy();
  grid_.clear();
  set_.close();
  removeFile(levelFile_);
  removeFile(descriptor_);
  removeFolder(folder_);
  return false;
}

bool EditorModel::createPuzzleSet(const std::string& name) {
  discardWorkingCopy();
  const std::string base = makeSetBaseName(name);
  const std::string folder = kSetsFolder + base + "\\";
  const std::string levelFile = folder + "levels.dat";
  const std::string descriptor = kSetsFolder + base + ".trelux";
  // Either folder may exist already; creating the level file below tells.
  createFolder(kSetsFolder);
  createFolder(folder);
  if (!set_.createSetFile(levelFile)) return false;

  KeyedDocument doc;
  doc.addSection("trelux");
  doc.setValue("trelux", "path", folder);
  doc.setValue("trelux", "locked", "false");
  doc.setValue("trelux", "name", name);
  if (!doc.saveFile(descriptor)) return false;

  if (!loadSet(levelFile) || !goToLevel(0)) return false;
  setSetPaths(levelFile, descriptor, folder);
  return true;
}

// ---- Editing -----------------------------------------------------------------

bool EditorModel::placeObject(ObjectKind kind, int32_t x, int32_t y, Colour colour, int32_t variant) {
  std::unique_ptr<GridObject> object = makeObject(kind, colour, variant);
  if (!object || !grid_.replaceCell(x, y, std::move(object))) return false;
  refresh();
  return true;
}

void EditorModel::setRobotStart(int32_t x, int32_t y) {
  robot_ = {x, y};
  grid_.setStart(x, y);
}

bool EditorModel::resizeLevel(int32_t width, int32_t height) {
  if (!grid_.resizeGrid(width, height)) return false;
  refresh();
  return true;
}

}  // namespace trelux
