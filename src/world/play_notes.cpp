#include "world/play_notes.h"

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

std::string bestNote(int32_t moves, std::optional<int32_t> previousBest, bool newBest) {
  const std::string solved = "Solved in " + counted(moves, "move", "moves");
  if (!newBest) return solved + ".\nYour best is " + std::to_string(previousBest.value_or(0)) + ".";
  if (!previousBest) return solved + ":\na new best!";
  return solved + ":\na new best! (It was " + std::to_string(*previousBest) + ".)";
}

}  // namespace

std::string winNote(int32_t moves, std::optional<int32_t> previousBest, bool newBest,
                    std::optional<int32_t> par) {
  const std::string note = bestNote(moves, previousBest, newBest);
  if (!par) return note;
  return note + "\nShortest: " + counted(*par, "move", "moves") + ".";
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

}  // namespace trelux
