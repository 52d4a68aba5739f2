#include "world/play_session.h"

#include <utility>

#include "base/text.h"
#include "world/play_effects.h"
#include "world/play_model.h"

namespace trelux {

void PlaySession::followLevel() {
  if (!history_.isEmpty() && historyLevel_ == model_.currentLevel()) return;
  history_.start(capturePlayPosition(model_));
  historyLevel_ = model_.currentLevel();
  bestRead_ = false;
}

bool PlaySession::handleKey(PlayKey key, PlayEffects& effects) {
  if (!model_.isRunning()) return false;
  followLevel();
  const bool startsLevel = std::exchange(skipTurnDue_, false) && key == PlayKey::Right;
  const bool won = handlePlayKey(model_, key, effects);
  PlayPosition after = capturePlayPosition(model_);
  if (startsLevel) {
    history_.start(std::move(after));
  } else if (!after.sameBoard(history_.current())) {
    after.moves = history_.current().moves + 1;
    history_.record(std::move(after));
  }
  if (!won) return false;
  // The level after the one won, replacing what was stored: replaying an
  // early level lowers the progress again.
  model_.recordProgress(static_cast<uint8_t>(model_.currentLevel() + 1));
  const BestMoves::Outcome outcome = bests_.record(identity(), moves());
  lastWin_ = {moves(), outcome.previous, outcome.newBest};
  if (outcome.newBest) {
    best_ = moves();
    bestRead_ = true;
  }
  return true;
}

bool PlaySession::canUndo() const {
  return model_.isRunning() && historyLevel_ == model_.currentLevel() && history_.canUndo();
}

bool PlaySession::canRedo() const {
  return model_.isRunning() && historyLevel_ == model_.currentLevel() && history_.canRedo();
}

// Light changes only when objects move: then the whole board is redrawn,
// otherwise the robot's old cell and the robot.
bool PlaySession::moveTo(const PlayPosition& position, PlayEffects& effects) {
  const PlayPosition before = capturePlayPosition(model_);
  if (!restorePlayPosition(model_, position)) return false;
  if (before.objects != position.objects) {
    effects.paint();
  } else {
    effects.redrawCell(before.robot.x, before.robot.y);
    effects.redrawRobot();
  }
  return true;
}

bool PlaySession::undo(PlayEffects& effects) {
  if (!canUndo()) return false;
  const PlayPosition& previous = history_.undo();
  if (moveTo(previous, effects)) return true;
  history_.redo();
  return false;
}

bool PlaySession::redo(PlayEffects& effects) {
  if (!canRedo()) return false;
  const PlayPosition& next = history_.redo();
  if (moveTo(next, effects)) return true;
  history_.undo();
  return false;
}

int32_t PlaySession::moves() const {
  if (history_.isEmpty() || historyLevel_ != model_.currentLevel()) return 0;
  return history_.current().moves;
}

LevelIdentity PlaySession::identity() const {
  return {model_.puzzleSet().path(), model_.currentLevel(), model_.grid().levelBytes().value_or(std::string())};
}

std::optional<int32_t> PlaySession::best() {
  followLevel();
  if (!bestRead_) {
    best_ = bests_.best(identity());
    bestRead_ = true;
  }
  return best_;
}

PlaySession::Advance PlaySession::advance() {
  const bool skipped = std::exchange(skipping_, false);
  if (model_.puzzleSet().isLastLevel()) return Advance::SetCompleted;
  if (!model_.goToLevel(model_.currentLevel() + 1)) return Advance::LoadFailed;
  model_.startRunning();
  history_ = PlayHistory();
  followLevel();
  skipTurnDue_ = skipped;
  return Advance::NextLevelStarted;
}

bool PlaySession::goTo(int32_t level) {
  model_.stopRunning();
  skipping_ = skipTurnDue_ = false;
  if (!model_.goToLevel(level)) return false;
  model_.startRunning();
  history_ = PlayHistory();
  followLevel();
  return true;
}

bool PlaySession::canRestart() const { return model_.isRunning() && !model_.isLevelComplete(); }

void PlaySession::restart() {
  followLevel();
  skipTurnDue_ = false;
  model_.stopRunning();
  // A level that cannot be read again stays as it was played.
  model_.goToLevel(model_.currentLevel());
  model_.startRunning();
  PlayPosition start = capturePlayPosition(model_);
  if (!start.sameBoard(history_.current()) || history_.current().moves != 0) history_.record(std::move(start));
}

bool PlaySession::skipNeedsCode(int32_t level) const {
  if (!model_.hasCompletionCode() || codeAccepted_) return false;
  return level > model_.savedProgress();
}

bool PlaySession::enterCode(const std::string& entered) {
  const std::string cut = entered.substr(0, kEnteredCodeLength);
  if (toLowerAscii(cut) != toLowerAscii(model_.completionCode())) return false;
  codeAccepted_ = true;
  return true;
}

void PlaySession::stopForSkip() {
  model_.stopRunning();
  skipping_ = true;
}

}  // namespace trelux
