#include "solver/hint.h"

#include <algorithm>
#include <sstream>

#include "solver/search_guard.h"
#include "world/level_codec.h"
#include "world/level_grid.h"

namespace trelux {

namespace {

PlayKey playKeyOf(char letter) {
  switch (letter) {
    case 'U': return PlayKey::Up;
    case 'D': return PlayKey::Down;
    case 'L': return PlayKey::Left;
    case 'R': return PlayKey::Right;
    default: return PlayKey::Other;
  }
}

HintAnswer answerOf(const SolveResult& result) {
  switch (result.outcome) {
    case SolveOutcome::Solved: return result.startsWon ? HintAnswer::AlreadyWon : HintAnswer::Key;
    case SolveOutcome::NoSolution: return HintAnswer::CannotBeWon;
    case SolveOutcome::LimitReached: return HintAnswer::LimitReached;
    case SolveOutcome::Cancelled: return HintAnswer::Cancelled;
    case SolveOutcome::Unsupported: return HintAnswer::Unsupported;
    case SolveOutcome::Failed: return HintAnswer::Failed;
  }
  return HintAnswer::Unsupported;
}

}  // namespace

HintPosition capturePosition(const LevelGrid& grid, Position robot, Direction direction) {
  std::ostringstream content;
  writeLevelContent(content, grid);
  return {content.str(), robot, direction};
}

Hint findHint(const HintPosition& position, const SolveLimits& limits) {
  Hint hint;
  const SolveResult result = guardedSearch([&] {
    // Made and ended on this thread, as the search's own copy is.
    LevelGrid grid;
    std::istringstream content(position.level);
    if (!grid.read(content)) {
      SolveResult unreadable;
      unreadable.outcome = SolveOutcome::Unsupported;
      return unreadable;
    }
    return solveFrom(grid, position.robot, position.direction, limits);
  });
  hint.answer = answerOf(result);
  hint.states = result.states;
  hint.reason = result.reason;
  if (hint.answer == HintAnswer::Key) {
    hint.key = playKeyOf(result.keys.front());
    hint.keysToWin = static_cast<uint32_t>(result.keys.size());
    hint.solution = result.keys;
  }
  return hint;
}

void HintTrail::start(const Hint& hint) {
  keys_ = hint.answer == HintAnswer::Key ? hint.solution : std::string();
  std::reverse(keys_.begin(), keys_.end());
}

void HintTrail::keyPressed(PlayKey key, bool changedBoard) {
  if (!changedBoard || keys_.empty()) return;
  if (key == playKeyOf(keys_.back())) {
    keys_.pop_back();
  } else {
    keys_.clear();
  }
}

PlayKey HintTrail::next() const { return keys_.empty() ? PlayKey::Other : playKeyOf(keys_.back()); }

}  // namespace trelux
