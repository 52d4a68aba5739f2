#include "world/win32/play_aids.h"

#include <utility>

#include "gfx/win32/game_view.h"
#include "world/play_model.h"
#include "world/play_notes.h"
#include "world/play_session.h"

namespace trelux {
PlayAids::PlayAids(PlayModel& model, GameView& view, PlaySession& session, PlayEffects& effects,
                   uint64_t hintStates)
    : model_(model),
      view_(view),
      session_(session),
      effects_(effects),
      runner_(view.window(), hintStates),
      parRunner_(view.window(), hintStates, kParFoundMessage) {
  view_.setPlayPanel(this);
}

PlayAids::~PlayAids() { view_.setPlayPanel(nullptr); }

bool PlayAids::handleKey(WPARAM key) {
  if (key == kUndoKey) {
    undo();
  } else if (key == kHintKey) {
    askHint();
  } else {
    return false;
  }
  return true;
}

void PlayAids::undo() {
  if (!session_.undo(effects_)) return;
  trail_.clear();
  forgetHint();
}

void PlayAids::redo() {
  if (!session_.redo(effects_)) return;
  trail_.clear();
  forgetHint();
}

void PlayAids::askHint() {
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
  runner_.start(capturePosition(model_.grid(), model_.robotPosition(), model_.robotDirection()));
  show("Looking for a hint...");
}

void PlayAids::hintFound(WPARAM number) {
  const std::optional<Hint> found = runner_.take(number);
  if (!found || !model_.isRunning()) return;
  trail_.start(*found);
  showHint(*found);
}

void PlayAids::afterPlayKey(PlayKey key, int32_t movesBefore, bool won) {
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

void PlayAids::startedAfresh() {
  runner_.cancel();
  trail_.clear();
  note_.clear();
  hint_.reset();
  findPar();
}

void PlayAids::findPar() {
  par_.reset();
  won_ = false;
  if (!model_.isRunning()) return;
  parRunner_.start(
      capturePosition(model_.grid(), model_.robotPosition(), model_.robotDirection()));
}

void PlayAids::parFound(WPARAM number) {
  const std::optional<Hint> found = parRunner_.take(number);
  if (!found) return;
  if (found->answer == HintAnswer::Key) par_ = static_cast<int32_t>(found->keysToWin);
  if (found->answer == HintAnswer::AlreadyWon) par_ = 0;
  if (won_ && par_) showWin();
}

void PlayAids::showWin() {
  const PlaySession::Win& win = session_.lastWin();
  show(winNote(win.moves, win.previousBest, win.newBest, par_));
}

PlayPanel PlayAids::playPanel() { return {session_.moves(), session_.best(), note_, hint_}; }

void PlayAids::showHint(const Hint& hint) {
  show(hintNote(hint), hint.answer == HintAnswer::Key ? std::optional(hint.key) : std::nullopt);
}

void PlayAids::forgetHint() {
  runner_.cancel();
  show("");
}

void PlayAids::show(std::string note, std::optional<PlayKey> hint) {
  note_ = std::move(note);
  hint_ = hint;
  view_.redrawPlayPanel();
}

}  // namespace trelux
