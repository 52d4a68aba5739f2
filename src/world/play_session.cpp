#include "world/play_session.h"

#include "base/text.h"
#include "world/play_model.h"

namespace trelux {

bool PlaySession::handleKey(PlayKey key, PlayEffects& effects) {
  if (!handlePlayKey(model_, key, effects)) return false;
  // The level after the one won, replacing what was stored: replaying an
  // early level lowers the progress again.
  model_.recordProgress(static_cast<uint8_t>(model_.currentLevel() + 1));
  return true;
}

PlaySession::Advance PlaySession::advance() {
  if (model_.puzzleSet().isLastLevel()) return Advance::SetCompleted;
  if (!model_.goToLevel(model_.currentLevel() + 1)) return Advance::LoadFailed;
  model_.startRunning();
  return Advance::NextLevelStarted;
}

bool PlaySession::canRestart() const { return model_.isRunning() && !model_.isLevelComplete(); }

void PlaySession::restart() {
  model_.stopRunning();
  // A level that cannot be read again stays as the reader left it.
  model_.goToLevel(model_.currentLevel());
  model_.startRunning();
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

void PlaySession::stopForSkip() { model_.stopRunning(); }

}  // namespace trelux
