#include "world/aids_session.h"

#include <utility>

#include "world/play_model.h"
#include "world/play_notes.h"
#include "world/play_session.h"

namespace trelux {

AidsSession::AidsSession(PlayModel& model, PlaySession& session, PlayEffects& effects,
                         AidsScreen& screen, uint64_t hintStates)
    : model_(model),
      session_(session),
      effects_(effects),
      screen_(screen),
      runner_([&screen](uint32_t number) { screen.hintSearchEnded(number); }, hintStates),
      parRunner_([&screen](uint32_t number) { screen.parSearchEnded(number); }, hintStates) {}

void AidsSession::undo() {
  if (!session_.undo(effects_)) return;
  trail_.clear();
  forgetHint();
}

void AidsSession::redo() {
  if (!session_.redo(effects_)) return;
  trail_.clear();
  forgetHint();
}

void AidsSession::askHint() {
  if (!model_.isRunning()) return;
  if (runner_.isSearching()) {  // a second F2 stops it
    runner_.cancel();
    show("");
    return;
  }
  if (trail_.isOn()) {
    Hint next;
    next.answer = HintAnswer::Key;
    next.key = trail_.next();
    next.keysToWin = trail_.keysToWin();
    showHint(next);
    return;
  }
  runner_.start(positionNow());
  show("Looking for a hint...");
}

void AidsSession::hintFound(uint32_t number) {
  const std::optional<Hint> found = runner_.take(number);
  if (!found || !model_.isRunning()) return;
  trail_.start(*found);
  showHint(*found);
}

void AidsSession::afterPlayKey(PlayKey key, int32_t movesBefore, bool won) {
  const bool moved = session_.moves() != movesBefore;
  trail_.keyPressed(key, moved);
  // A Right that leaves the level at its start is the turn that follows a
  // skip: the level starts from there.
  const bool startTurned = key == PlayKey::Right && model_.isRunning() && movesBefore == 0 &&
                           !session_.canUndo();
  if (startTurned && !won) findPar();
  if (won) {
    runner_.cancel();
    won_ = true;
    showWin();
  } else if (moved) {
    forgetHint();
  }
}

void AidsSession::startedAfresh() {
  runner_.cancel();
  trail_.clear();
  note_.clear();
  hint_.reset();
  findPar();
}

void AidsSession::findPar() {
  par_.reset();
  won_ = false;
  if (!model_.isRunning()) return;
  parRunner_.start(positionNow());
}

void AidsSession::parFound(uint32_t number) {
  const std::optional<Hint> found = parRunner_.take(number);
  if (!found) return;
  if (found->answer == HintAnswer::Key) par_ = static_cast<int32_t>(found->keysToWin);
  if (found->answer == HintAnswer::AlreadyWon) par_ = 0;
  if (won_ && par_) showWin();
}

void AidsSession::showWin() {
  const PlaySession::Win& win = session_.lastWin();
  show(winNote(win.moves, win.previousBest, win.newBest, par_));
}

void AidsSession::showHint(const Hint& hint) {
  show(hintNote(hint), hint.answer == HintAnswer::Key ? std::optional(hint.key) : std::nullopt);
}

void AidsSession::forgetHint() {
  runner_.cancel();
  show("");
}

void AidsSession::show(std::string note, std::optional<PlayKey> hint) {
  note_ = std::move(note);
  hint_ = hint;
  screen_.redrawPanel();
}

HintPosition AidsSession::positionNow() const {
  return capturePosition(model_.grid(), model_.robotPosition(), model_.robotDirection());
}

}  // namespace trelux
