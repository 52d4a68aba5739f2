// The play screen's aids: undo (Ctrl+Z, Backspace) and redo (Ctrl+Y), the
// moves and the level's best on the panel, the win's note with a new best,
// and hints (F2) from a search on a thread of its own. A second F2 or a move
// cancels a search still running; a hint shows on the panel and as an arrow
// on the robot until the board changes, and while the player follows it the
// next F2 answers at once from its solution.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "gfx/win32/play_panel.h"
#include "solver/hint.h"
#include "world/win32/hint_runner.h"

namespace trelux {

class GameView;
class PlayEffects;
class PlayModel;
class PlaySession;

// Posted when the search for the level's shortest solution ends.
inline constexpr UINT kParFoundMessage = WM_APP + 0x141;

inline constexpr WPARAM kUndoKey = VK_BACK;
inline constexpr WPARAM kHintKey = VK_F2;

class PlayAids : public PlayPanelSource {
 public:
  PlayAids(PlayModel& model, GameView& view, PlaySession& session, PlayEffects& effects,
           uint64_t hintStates = kHintStates);
  ~PlayAids() override;
  PlayAids(const PlayAids&) = delete;
  PlayAids& operator=(const PlayAids&) = delete;

  // Backspace and F2; false for every other key.
  bool handleKey(WPARAM key);
  void undo();
  void redo();
  void askHint();
  // The search's message (kHintFoundMessage).
  void hintFound(WPARAM number);
  // After a key of play: movesBefore were the moves before it; won when it
  // won the level.
  void afterPlayKey(PlayKey key, int32_t movesBefore, bool won);
  // The level starts from the beginning: the next level, a skip, a restart.
  // The search for its shortest solution starts too, beside the game; the
  // win's note names it once known, without waiting for it.
  void startedAfresh();
  // The par search's message (kParFoundMessage).
  void parFound(WPARAM number);
  bool isFindingPar() const { return parRunner_.isSearching(); }
  std::optional<int32_t> par() const { return par_; }

  PlayPanel playPanel() override;
  const std::string& note() const { return note_; }
  std::optional<PlayKey> hint() const { return hint_; }
  bool isSearching() const { return runner_.isSearching(); }

 private:
  void showHint(const Hint& hint);
  // The board changed under a hint: it and any search for one go.
  void forgetHint();
  void show(std::string note, std::optional<PlayKey> hint = std::nullopt);
  // Searches the shortest solution from the position now.
  void findPar();
  void showWin();

  PlayModel& model_;
  GameView& view_;
  PlaySession& session_;
  PlayEffects& effects_;
  HintRunner runner_;
  HintRunner parRunner_;
  std::optional<int32_t> par_;
  bool won_ = false;  // the note is the win's
  HintTrail trail_;
  std::string note_;
  std::optional<PlayKey> hint_;
};

}  // namespace trelux
