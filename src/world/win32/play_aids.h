// The play screen's aids on the window (their rules: world/aids_session.h):
// Backspace and F2, the searches' ends posted to the main window as
// messages and taken there, and the moves, the best, the note and the
// hinted arrow handed to the game view whenever it draws.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "gfx/win32/play_panel.h"
#include "solver/hint_runner.h"
#include "world/aids_session.h"

namespace trelux {

class GameView;
class PlayEffects;
class PlayModel;
class PlaySession;

// Posted to the main window when a hint's search ends; wParam names it.
inline constexpr UINT kHintFoundMessage = WM_APP + 0x140;
// Posted when the search for the level's shortest solution ends.
inline constexpr UINT kParFoundMessage = WM_APP + 0x141;

inline constexpr WPARAM kUndoKey = VK_BACK;
inline constexpr WPARAM kHintKey = VK_F2;

class PlayAids : public PlayPanelSource, private AidsScreen {
 public:
  PlayAids(PlayModel& model, GameView& view, PlaySession& session, PlayEffects& effects,
           uint64_t hintStates = kHintStates);
  ~PlayAids() override;
  PlayAids(const PlayAids&) = delete;
  PlayAids& operator=(const PlayAids&) = delete;

  // Backspace and F2; false for every other key.
  bool handleKey(WPARAM key);
  void undo() { aids_.undo(); }
  void redo() { aids_.redo(); }
  // The searches' messages.
  void hintFound(WPARAM number) { aids_.hintFound(static_cast<uint32_t>(number)); }
  void parFound(WPARAM number) { aids_.parFound(static_cast<uint32_t>(number)); }
  void afterPlayKey(PlayKey key, int32_t movesBefore, bool won) {
    aids_.afterPlayKey(key, movesBefore, won);
  }
  void startedAfresh() { aids_.startedAfresh(); }

  bool isFindingPar() const { return aids_.isFindingPar(); }
  const std::string& note() const { return aids_.note(); }
  std::optional<PlayKey> hint() const { return aids_.hint(); }
  bool isSearching() const { return aids_.isSearching(); }

  PlayPanel playPanel() override;

 private:
  void redrawPanel() override;
  // On the search's thread: the answer is taken on the window's.
  void hintSearchEnded(uint32_t number) override;
  void parSearchEnded(uint32_t number) override;

  GameView& view_;
  HWND window_;
  PlaySession& session_;
  AidsSession aids_;  // last: its searches post to window_ until they end
};

}  // namespace trelux
