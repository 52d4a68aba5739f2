// Trying a level out from the editor: test play of the level as it stands
// (F5), and Solve (F6), whose solution test play can show.
#include <string>
#include <utility>

#include "app/win32/shell.h"
#include "editor/editor_model.h"
#include "editor/editor_solve.h"
#include "editor/test_play.h"
#include "editor/win32/editor_controller.h"
#include "editor/win32/solve_dialog.h"
#include "gfx/win32/game_view.h"
#include "world/win32/play_keys.h"

namespace trelux {
namespace {

constexpr const char* kTestPlayTitle = "Trelux - Test Play";
constexpr UINT kPlaybackStepMs = 300;

}  // namespace

// The board shows the test play's own model; the edited level waits
// untouched, and the panel keeps its level number.
void EditorController::startTestPlay(std::string solution) {
  if (!testPlay_.start(model_.levelSnapshot())) return;
  view_.showModel(testPlay_.model(), model_.currentLevel());
  SetWindowTextA(view_.window(), kTestPlayTitle);
  SetFocus(view_.window());
  view_.paint();
  if (solution.empty()) return;
  testPlay_.queueKeys(std::move(solution));
  SetTimer(view_.window(), kPlaybackTimer, kPlaybackStepMs, nullptr);
}

void EditorController::endTestPlay() {
  KillTimer(view_.window(), kPlaybackTimer);
  view_.showModel(model_);
  testPlay_.stop();
  showTitle();
  view_.paint();
}

// Esc leaves like F5; while a solution plays back, the keys wait.
void EditorController::onTestPlayKey(WPARAM key) {
  if (key == VK_ESCAPE) {
    endTestPlay();
    return;
  }
  if (!testPlay_.isPlayingBack()) playKey(playKeyOf(key));
}

void EditorController::playBackStep() {
  const std::optional<PlayKey> key = testPlay_.nextQueuedKey();
  if (!key) {
    KillTimer(view_.window(), kPlaybackTimer);
    return;
  }
  playKey(*key);
}

void EditorController::playKey(PlayKey key) {
  if (!testPlay_.key(key, effects_)) return;
  KillTimer(view_.window(), kPlaybackTimer);
  view_.showMessage(wonReport(testPlay_.keysUsed()).c_str(), kProgramTitle);
  endTestPlay();
}

void EditorController::solve() {
  const std::optional<SolveResult> result =
      runSolveDialog(view_.instance(), view_.window(), model_.levelSnapshot());
  if (!result) return;
  const std::string report = solveReport(*result);
  if (result->outcome != SolveOutcome::Solved) {
    view_.showMessage(report.c_str(), kProgramTitle);
    return;
  }
  if (showSolution(view_.instance(), view_.window(), report + ".", result->keys))
    startTestPlay(result->keys);
}

}  // namespace trelux
