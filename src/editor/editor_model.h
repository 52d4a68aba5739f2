// The editor's model. It never edits a set's level file directly: it edits a
// working copy in ".\Levels\" and copies it back over the set's file only on
// save. Levels are written to the copy when committed (before moving to
// another level and on save); a level's description waits as "pending" until
// then.
#pragma once

#include <cstdint>
#include <string>

#include "world/puzzle_model.h"

namespace trelux {

class EditorModel : public PuzzleModel {
 public:
  EditorModel();
  ~EditorModel() override;

  // Opens the set at levelFile through a fresh working copy.
  bool loadSet(const std::string& levelFile) override;
  // Opens the set at levelFile through the working copy an editor left with
  // unsaved edits (see edit_recovery.h).
  bool restoreSet(const std::string& levelFile, const std::string& leftCopy);
  void setSetPaths(std::string levelFile, std::string descriptor, std::string folder);
  std::string levelFilePath() const { return levelFile_; }
  std::string descriptorPath() const { return descriptor_; }
  std::string folderPath() const { return folder_; }
  std::string workingCopyPath() const { return workingCopy_; }

  bool goToLevel(int32_t index) override;
  // The editor shows a level whenever one is loaded.
  bool isRunning() const override { return grid_.isLoaded(); }
  std::string description() const override { return pendingText_; }
  bool hasDescription() const override { return pendingDescription_; }
  void setLevelDescription(bool enabled, std::string text);

  bool commitLevel();
  // After every edit: the level goes to the working copy, and the copy's
  // record says when, so that a crash loses none of it.
  void keepEdits();
  // The level as it stands on the board, its pending description included,
  // for test play and the solver.
  std::string levelSnapshot();
  // Commits the level and replaces the set's file with the working copy.
  bool saveSet();
  // Appends a default level and shows it; when that fails (a full disk),
  // the set stays on the level shown, so a save still writes it in place.
  bool addLevel();
  // False when the set has a single level: a set keeps at least one.
  bool deleteLevel();
  bool setCompletionCode(bool enabled, std::string code);
  // Deletes the set's level file, descriptor and folder. Always answers
  // false; the caller then returns to the main menu.
  bool deleteSet();
  // Creates a new unlocked set named name and opens it at level 0.
  bool createPuzzleSet(const std::string& name);
  void discardWorkingCopy();

  // Editing; a value that is not a kind is refused.
  bool placeObject(ObjectKind kind, int32_t x, int32_t y, Colour colour, int32_t variant);
  void setRobotStart(int32_t x, int32_t y);
  bool resizeLevel(int32_t width, int32_t height);

 private:
  std::string levelFile_;
  std::string descriptor_;
  std::string folder_;
  std::string workingCopy_;
  bool pendingDescription_ = false;
  std::string pendingText_;
};

}  // namespace trelux
