// The texts the editor shows: its messages and questions, word for word as
// players know them, its window's title, and the questions that name the
// set they are about. (What its dialogs refuse is in editor_checks.h.)
#pragma once

#include <string>

namespace trelux {

inline constexpr const char* kEditorCommitError =
    "An error occurred writing the puzzle set to disk.  The puzzle set may be corrupted.  "
    "Exiting editor.";
inline constexpr const char* kEditorLoadError =
    "Trelux can't load the next level.  The puzzle set may be corrupted.  Exiting editor.";
inline constexpr const char* kEditorSaveError = "An error occurred writing the level to disk!";
inline constexpr const char* kEditorOpenError =
    "Trelux couldn't locate the level file for this puzzle set.  Exiting editor.";
inline constexpr const char* kEditorCreateError =
    "Trelux couldn't create the puzzle set.  Make sure that the levels folder beside Trelux "
    "can be written to.";
inline constexpr const char* kUnsavedCaption = "Unsaved Changes";
inline constexpr const char* kUnsavedQuestion =
    "You have made unsaved changes to the level set.  Do you want to save changes?";
inline constexpr const char* kAtSetEnd = "You've reached the end of the level set!";
inline constexpr const char* kAtSetStart = "You've reached the start of the level set!";
inline constexpr const char* kNoSuchLevel = "Sorry, that level doesn't exist in this puzzle set.";
inline constexpr const char* kClearQuestion = "Do you really want to clear this level?";
inline constexpr const char* kShrinkQuestion =
    "Shrinking the world size will permanently delete portions of the map.\nAre you sure you "
    "want to reduce the dimensions of the world?";
inline constexpr const char* kDeleteLevelQuestion =
    "Are you sure that you want to delete this level?";
inline constexpr const char* kCannotDeleteLevel = "Unable to delete level!";
inline constexpr const char* kNoDescription = "This level has no description.";

// What the main window's title says of the set being edited.
enum class SetState { Saved, Modified, JustSaved };

// "Lab - Trelux Editor"; "*Lab - Trelux Editor" with unsaved edits; "Lab
// (saved) - Trelux Editor" after a save, until the next edit.
std::string editorTitle(const std::string& setName, SetState state);

// The question before "Delete Current Set", naming the set it deletes.
std::string deleteSetQuestion(const std::string& setName);

}  // namespace trelux
