// What the play screen's aids decide: undo and redo, the panel's note (the
// win's, with a new best and the shortest solution once known, or a hint's)
// and F2's hints from a search beside the game. A second F2 or a move
// cancels a search still running; a hint stays until the board changes, and
// while the player follows it the next F2 answers at once from its
// solution. A second search looks for the level's shortest solution from
// its start, for the win's note. The screen draws the panel and brings each
// search's end back to the thread that plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "solver/hint.h"
#include "solver/hint_runner.h"
#include "world/play_rules.h"

namespace trelux {

class PlayEffects;
class PlayModel;
class PlaySession;

class AidsScreen {
 public:
  virtual ~AidsScreen() = default;
  // The note or the hinted key changed.
  virtual void redrawPanel() = 0;
  // A search ended; called on the search's thread. The screen hands number
  // to hintFound or parFound on the thread that plays.
  virtual void hintSearchEnded(uint32_t number) = 0;
  virtual void parSearchEnded(uint32_t number) = 0;
};

class AidsSession {
 public:
  AidsSession(PlayModel& model, PlaySession& session, PlayEffects& effects, AidsScreen& screen,
              uint64_t hintStates = kHintStates);

  void undo();
  void redo();
  // F2.
  void askHint();
  void hintFound(uint32_t number);
  // After a key of play: movesBefore were the moves before it; won when it
  // won the level.
  void afterPlayKey(PlayKey key, int32_t movesBefore, bool won);
  // The level starts from the beginning: the next level, a skip, a restart.
  // The search for its shortest solution starts too, beside the game; the
  // win's note names it once known, without waiting for it.
  void startedAfresh();
  void parFound(uint32_t number);

  bool isFindingPar() const { return parRunner_.isSearching(); }
  std::optional<int32_t> par() const { return par_; }
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
  HintPosition positionNow() const;

  PlayModel& model_;
  PlaySession& session_;
  PlayEffects& effects_;
  AidsScreen& screen_;
  std::optional<int32_t> par_;
  bool won_ = false;  // the note is the win's
  HintTrail trail_;
  std::string note_;
  std::optional<PlayKey> hint_;
  // Last: their threads, which tell the screen, end before anything above.
  HintRunner runner_;
  HintRunner parRunner_;
};

}  // namespace trelux
