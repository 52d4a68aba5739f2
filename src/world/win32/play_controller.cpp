#include "world/win32/play_controller.h"

#include "base/text.h"
#include "gfx/win32/game_view.h"
#include "resources/win32/resource_ids.h"
#include "world/win32/play_dialogs.h"
#include "world/play_model.h"
#include "world/play_rules.h"

namespace trelux {
namespace {

constexpr DWORD kNextLevelButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr int kNextLevelButtonXOffset = 57;
constexpr int kNextLevelButtonY = 125;
constexpr int kNextLevelButtonWidth = 150;
constexpr int kNextLevelButtonHeight = 30;
constexpr const char* kCaption = "Trelux";

PlayKey playKeyOf(WPARAM key) {
  switch (key) {
    case VK_UP: return PlayKey::Up;
    case VK_DOWN: return PlayKey::Down;
    case VK_LEFT: return PlayKey::Left;
    case VK_RIGHT: return PlayKey::Right;
    case VK_SPACE: return PlayKey::Space;
    default: return PlayKey::Other;
  }
}

}  // namespace

PlayController::PlayController(PlayModel& model, GameView& view)
    : model_(model), view_(view), effects_(view) {}

PlayController::~PlayController() {
  if (IsWindow(nextLevelButton_)) DestroyWindow(nextLevelButton_);
}

LRESULT PlayController::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) onKey(wParam);
  if (message == WM_COMMAND) onCommand(window, LOWORD(wParam));
  return DefWindowProcA(window, message, wParam, lParam);
}

void PlayController::onKey(WPARAM key) {
  if (handlePlayKey(model_, playKeyOf(key), effects_)) showNextLevelButton();
}

void PlayController::onCommand(HWND window, int id) {
  switch (id) {
    case IDC_NEXT_LEVEL_BUTTON: goToNextLevel(); break;
    case IDC_RESTART_LEVEL: restartLevel(); break;
    case IDC_SHOW_HELP: showHelpDialog(view_.instance(), view_.window()); break;
    case IDC_SKIP_LEVEL: skipLevel(window); break;
    default: break;
  }
}

void PlayController::showNextLevelButton() {
  nextLevelButton_ = CreateWindowExA(
      0, "button", "Next Level", kNextLevelButtonStyle,
      model_.gridWidth() * kTileSize + kNextLevelButtonXOffset, kNextLevelButtonY,
      kNextLevelButtonWidth, kNextLevelButtonHeight, view_.window(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_NEXT_LEVEL_BUTTON)), view_.instance(),
      nullptr);
  model_.stopRunning();
  model_.recordProgress(static_cast<uint8_t>(model_.currentLevel() + 1));
}

void PlayController::goToNextLevel() {
  if (model_.puzzleSet().isLastLevel()) {
    view_.showMessage("Congratulations!\nYou have completed the puzzle set!", kCaption);
    if (model_.hasCompletionCode()) {
      const std::string text = "Puzzle Set Completion Code: " + model_.completionCode();
      view_.showMessage(text.c_str(), kCaption);
    }
    requestScreen(ScreenMainMenu);
  } else if (!model_.goToLevel(model_.currentLevel() + 1)) {
    view_.showMessage("Trelux can't load the next level.  The puzzle set may be corrupted.",
                      kCaption);
    requestScreen(ScreenMainMenu);
  } else {
    model_.startRunning();
    view_.layout();  // the window follows the new level's size
    view_.paint();
  }
  if (IsWindow(nextLevelButton_)) DestroyWindow(nextLevelButton_);
  nextLevelButton_ = nullptr;
}

void PlayController::restartLevel() {
  if (model_.isLevelComplete() || !model_.isRunning()) return;
  const int answer = MessageBoxA(view_.window(), "Do you really want to restart the level?",
                                 kCaption, MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  model_.stopRunning();
  model_.goToLevel(model_.currentLevel());
  model_.startRunning();
  view_.layout();
  view_.paint();
}

void PlayController::skipLevel(HWND window) {
  if (!askSkipTo(model_.currentLevel() + 1)) return;
  model_.stopRunning();
  // Sent, not posted: the next level is up before the key message that
  // follows the accelerator arrives.
  SendMessageA(window, WM_COMMAND, IDC_NEXT_LEVEL_BUTTON, 0);
}

bool PlayController::askSkipTo(int32_t level) {
  if (!model_.hasCompletionCode() || codeAccepted_) return true;
  if (level <= model_.savedProgress()) return true;
  const std::optional<std::string> entered = askCompletionCode(view_.instance(), view_.window());
  if (!entered) return false;
  if (toLowerAscii(*entered) == toLowerAscii(model_.completionCode())) {
    codeAccepted_ = true;
    return true;
  }
  view_.showMessage("Incorrect code.", kCaption);
  return false;
}

}  // namespace trelux
