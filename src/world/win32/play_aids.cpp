#include "world/win32/play_aids.h"

#include <utility>

#include "gfx/win32/game_view.h"
#include "world/play_model.h"
#include "world/play_session.h"

namespace trelux {
namespace {

const char* keyName(PlayKey key) {
  switch (key) {
    case PlayKey::Up: return "Up Arrow";
    case PlayKey::Down: return "Down Arrow";
    case PlayKey::Left: return "Left Arrow";
    case PlayKey::Right: return "Right Arrow";
    default: return "";
  }
}

std::string counted(int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string winNote(int32_t moves, std::optional<int32_t> previousBest, bool newBest) {
  const std::string solved = "Solved in " + counted(moves, "move", "moves");
  if (!newBest) return solved + ".\nYour best is " + std::to_string(previousBest.value_or(0)) + ".";
  if (!previousBest) return solved + ":\na new best!";
  return solved + ":\na new best! (It was " + std::to_string(*previousBest) + ".)";
}

std::string hintNote(const Hint& hint) {
  switch (hint.answer) {
    case HintAnswer::Key:
      return std::string("Hint: ") + keyName(hint.key) + "\nThe win is " +
             counted(hint.keysToWin, "key", "keys") + " away.";
    case HintAnswer::AlreadyWon: return "Every sensor is lit.";
    case HintAnswer::CannotBeWon:
      if (!hint.reason.empty()) return "This level can't be won:\n" + hint.reason + ".";
      return "This position can't be won.\nCtrl+Z undoes a move, Ctrl+R restarts.";
    case HintAnswer::LimitReached: return "No hint: too many positions to search from here.";
    case HintAnswer::Unsupported: return "No hint: this level has too many objects to search.";
    case HintAnswer::Failed: return "No hint: the search ran into a problem.";
    case HintAnswer::Cancelled: break;
  }
  return {};
}

PlayAids::PlayAids(PlayModel& model, GameView& view, PlaySession& session, PlayEffects& effects,
                   uint64_t hintStates)
    : model_(model),
      view_(view),
      session_(session),
      effects_(effects),
      runner_(view.window(), hintStates) {
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
  if (won) {
    runner_.cancel();
    const PlaySession::Win& win = session_.lastWin();
    show(winNote(win.moves, win.previousBest, win.newBest));
  } else if (moved) {
    forgetHint();
  }
}

void PlayAids::startedAfresh() {
  runner_.cancel();
  trail_.clear();
  note_.clear();
  hint_.reset();
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
