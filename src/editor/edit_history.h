// Undo and redo in the editor: every edit since the set was opened. An edit
// is bracketed by begin and end; begin notes the state it may change, and
// end keeps that note only when something did change, so a cancelled dialog
// or a click on a cell that already shows the tool leaves nothing to undo.
//
// Edits of one level (placing, a drag, clearing, resizing, the description)
// keep that level's content, which is small; edits of the set (adding,
// deleting, duplicating or moving levels, the completion code) keep the whole
// working copy. Undoing an edit of another level goes to that level first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trelux {

class EditorModel;

class EditHistory {
 public:
  enum class Scope { Level, Set };
  enum class Result { Nothing, Done, Failed };

  explicit EditHistory(EditorModel& model) : model_(model) {}

  void begin(Scope scope);
  // True when the edit begun changed something and can be undone.
  bool end();

  bool canUndo();
  bool canRedo();
  // Failed: the working copy could not be written or read back; the set may
  // be damaged and the editor must close.
  Result undo();
  Result redo();

 private:
  struct State {
    Scope scope = Scope::Level;
    int32_t level = 0;
    std::string bytes;  // the level's content, or the whole working copy
  };
  // Entries belong to one working copy; another set opened forgets them.
  void followSet();
  std::optional<State> capture(Scope scope, int32_t level);
  bool restore(const State& state);
  Result step(std::vector<State>& from, std::vector<State>& to);
  void keep(std::vector<State>& stack, State state);

  EditorModel& model_;
  std::string workingCopy_;
  std::optional<State> pending_;
  std::vector<State> undo_;
  std::vector<State> redo_;
  size_t bytesKept_ = 0;
};

}  // namespace trelux
