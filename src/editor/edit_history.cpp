#include "editor/edit_history.h"

#include <utility>

#include "base/files.h"
#include "editor/editor_model.h"
#include "editor/level_snapshot.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux {
namespace {

// A 32-bit program must not spend its memory on history: past this the
// oldest edits are forgotten. A few thousand edits of a large set fit.
constexpr size_t kMaxBytesKept = 64u << 20;

}  // namespace

void EditHistory::followSet() {
  if (model_.workingCopyPath() == workingCopy_) return;
  workingCopy_ = model_.workingCopyPath();
  pending_.reset();
  undo_.clear();
  redo_.clear();
  bytesKept_ = 0;
}

std::optional<EditHistory::State> EditHistory::capture(Scope scope, int32_t level) {
  if (scope == Scope::Level) return State{scope, level, model_.levelSnapshot()};
  if (!model_.commitLevel()) return std::nullopt;
  std::optional<std::string> bytes = readFileBytes(model_.workingCopyPath());
  if (!bytes) return std::nullopt;
  return State{scope, level, std::move(*bytes)};
}

void EditHistory::begin(Scope scope) {
  if (pending_) end();
  followSet();
  pending_ = capture(scope, model_.currentLevel());
}

bool EditHistory::end() {
  if (!pending_) return false;
  State before = std::move(*pending_);
  pending_.reset();
  if (model_.workingCopyPath() != workingCopy_) return false;
  const std::optional<State> after = capture(before.scope, model_.currentLevel());
  if (after && after->level == before.level && after->bytes == before.bytes) return false;
  keep(undo_, std::move(before));
  for (const State& undone : redo_) bytesKept_ -= undone.bytes.size();
  redo_.clear();
  return true;
}

void EditHistory::keep(std::vector<State>& stack, State state) {
  bytesKept_ += state.bytes.size();
  stack.push_back(std::move(state));
  while (bytesKept_ > kMaxBytesKept && !undo_.empty()) {
    bytesKept_ -= undo_.front().bytes.size();
    undo_.erase(undo_.begin());
  }
}

bool EditHistory::canUndo() {
  followSet();
  return !undo_.empty();
}

bool EditHistory::canRedo() {
  followSet();
  return !redo_.empty();
}

EditHistory::Result EditHistory::undo() { return step(undo_, redo_); }
EditHistory::Result EditHistory::redo() { return step(redo_, undo_); }

// The state put back is swapped for the one it replaces, which the other
// stack keeps.
EditHistory::Result EditHistory::step(std::vector<State>& from, std::vector<State>& to) {
  if (pending_) end();
  followSet();
  if (from.empty()) return Result::Nothing;
  State target = std::move(from.back());
  from.pop_back();
  bytesKept_ -= target.bytes.size();
  if (target.scope == Scope::Level && model_.currentLevel() != target.level &&
      !(model_.commitLevel() && model_.goToLevel(target.level)))
    return Result::Failed;
  std::optional<State> current = capture(target.scope, model_.currentLevel());
  if (!current || !restore(target)) return Result::Failed;
  keep(to, std::move(*current));
  return Result::Done;
}

bool EditHistory::restore(const State& state) {
  if (state.scope == Scope::Set) {
    PuzzleSetFile& set = model_.puzzleSet();
    set.forget();
    return writeFileBytes(workingCopy_, state.bytes) && set.open(workingCopy_) &&
           model_.goToLevel(state.level);
  }
  LevelGrid& grid = model_.grid();
  if (!restoreLevel(state.bytes, grid)) return false;
  model_.setRobotStart(grid.start().x, grid.start().y);
  model_.setLevelDescription(grid.hasDescription(), grid.description());
  model_.refresh();
  return true;
}

}  // namespace trelux
