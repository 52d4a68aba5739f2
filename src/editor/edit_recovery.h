// The editor's working copy outlives a crash. Beside each copy lies a small
// record naming the set it belongs to and, while it holds edits not saved,
// when they were last made; the next time that set is opened in the editor,
// those edits can be restored.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace trelux {

// Where the editor keeps its working copies, and how their names begin.
inline constexpr const char* kWorkingCopyFolder = ".\\Levels\\";
inline constexpr const char* kWorkingCopyPrefix = "_ple_";

// Unsaved edits that an editor left behind in its working copy.
struct LeftEdits {
  std::string workingCopy;
  std::time_t madeAt = 0;  // when the last of them was made
};

// Records that workingCopy belongs to the set whose level file is levelFile,
// and holds edits made at editedAt that are not saved (none without it).
bool writeEditRecord(const std::string& workingCopy, const std::string& levelFile,
                     std::optional<std::time_t> editedAt);
// Removes a working copy and its record.
void removeWorkingCopy(const std::string& workingCopy);

// The latest unsaved edits left in kWorkingCopyFolder for the set of
// levelFile, other than those of ownCopy (the copy in use). Copies of that
// set that hold no edits, and copies whose set is unknown, are removed.
std::optional<LeftEdits> findLeftEdits(const std::string& levelFile, const std::string& ownCopy);

// The question whether to restore them.
std::string restoreQuestion(std::time_t madeAt);

}  // namespace trelux
