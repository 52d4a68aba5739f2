// The rules of the editor screen over its model: what a click with a tool
// does, the steps between levels, resizing and clearing, the description
// and the completion code, saving, and when unsaved edits must be asked
// about. The Windows controller shows the dialogs and messages that these
// answers call for.
#pragma once

#include <cstdint>
#include <string>

#include "editor/editor_checks.h"

namespace trelux {

class EditorModel;
struct PaletteTool;

class EditorSession {
 public:
  explicit EditorSession(EditorModel& model) : model_(model) {}

  // True while the set holds edits that have not been saved.
  bool modified() const { return modified_; }
  // An undo or redo changed the set.
  void markModified() { modified_ = true; }

  enum class Click {
    Outside,    // on the ring of walls or beyond the level: nothing to redraw
    Unchanged,  // the cell already shows the tool, or the robot stands there
    Changed,
  };
  // A left click on cell (x, y) of the board with tool.
  Click click(const PaletteTool& tool, int32_t x, int32_t y);

  // Opens the set the chooser gave at its first level. False when the set or
  // that level cannot be read: the level still shown belongs to the set
  // closed before, and saving it would write it into this one, so the
  // editor must close. With leftCopy, the set opens through the working copy
  // an editor left with unsaved edits (edit_recovery.h), and they stay
  // unsaved.
  bool openSet(const std::string& levelFile, const std::string& descriptor,
               const std::string& folder, const std::string& leftCopy = {});

  // Creates the set named name and opens it; false when it could not be made.
  bool createSet(const std::string& name);

  // Writes the level to the working copy, as before every step to another
  // level; false means the set may be corrupted and the editor must close.
  bool commit();

  enum class Step { Moved, AtEnd, AtStart, CommitFailed, LoadFailed };
  Step next();
  Step previous();

  enum class GoTo { Moved, Same, Missing };
  // Level number 1..255, after a commit.
  GoTo goTo(int32_t number);
  // Commits, then appends a default level and shows it; false when either
  // failed, and then the level shown stays, with its edits, in its place.
  bool addLevel();
  // False when the set has a single level.
  bool deleteLevel();
  // Floor on every interior cell; the robot's start stays.
  void clearLevel();

  // The size the resize dialog starts from.
  InteriorSize interiorSize() const;
  enum class Resize { Unchanged, Grows, Shrinks };
  Resize planResize(int32_t interiorWidth, int32_t interiorHeight) const;
  // A shrink that leaves the robot's start outside the new interior moves it
  // to the nearest interior cell, which becomes floor.
  void resize(int32_t interiorWidth, int32_t interiorHeight);

  void setDescription(bool enabled, std::string text);
  // False when the working copy could not be written.
  bool setCompletionCode(bool enabled, std::string code);

  // False when the set's file could not be replaced; the edits stay unsaved.
  bool save();

  enum class Answer { Yes, No, Cancel };
  enum class Close { Leave, Stay, SaveFailed };
  // What the answer to "Do you want to save changes?" leads to. A failed
  // save keeps the editor open, so leaving never loses an edit silently.
  Close answerUnsaved(Answer answer);

 private:
  Step stepTo(int32_t index);
  // Marks the set modified and keeps the edit in the working copy.
  void edited();

  EditorModel& model_;
  bool modified_ = false;
};

}  // namespace trelux
