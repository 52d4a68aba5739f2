#include "world/win32/play_controller.h"

#include "app/win32/button_font.h"
#include "app/win32/shell.h"
#include "gfx/win32/game_view.h"
#include "puzzles/set_record.h"
#include "resources/win32/resource_ids.h"
#include "world/play_model.h"
#include "world/play_rules.h"
#include "world/win32/play_dialogs.h"
#include "world/win32/play_keys.h"

namespace trelux {
namespace {

constexpr DWORD kNextLevelButtonStyle = WS_CHILD | WS_VISIBLE;
constexpr int kNextLevelButtonXOffset = 57;
constexpr int kNextLevelButtonY = 125;
constexpr int kNextLevelButtonWidth = 150;
constexpr int kNextLevelButtonHeight = 30;
// Set in a key message when the key was already down: a repeat.
constexpr LPARAM kKeyWasDown = 1 << 30;

}  // namespace

PlayController::PlayController(PlayModel& model, GameView& view)
    : model_(model), view_(view), effects_(view), session_(model),
      aids_(model, view, session_, effects_), buttonFont_(createButtonFont()) {}

PlayController::~PlayController() {
  destroyNextLevelButton();
  if (buttonFont_) DeleteObject(buttonFont_);
}

LRESULT PlayController::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) onKey(wParam, lParam);
  if (message == WM_COMMAND) onCommand(window, LOWORD(wParam));
  if (message == kHintFoundMessage) aids_.hintFound(wParam);
  if (message == kParFoundMessage) aids_.parFound(wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

void PlayController::onKey(WPARAM key, LPARAM flags) {
  // "Next Level" waits for the keyboard as for a click; a key held down
  // since it won the level does not press it.
  const bool pressesButton = key == VK_RETURN || key == VK_SPACE;
  if (nextLevelButton_ && pressesButton && !(flags & kKeyWasDown)) {
    goToNextLevel();
    return;
  }
  if (key == kShowDescriptionKey) view_.showDescription();
  aids_.handleKey(key);
  playKey(key);
}

void PlayController::playKey(WPARAM key) {
  const int32_t movesBefore = session_.moves();
  const bool won = session_.handleKey(playKeyOf(key), effects_);
  aids_.afterPlayKey(playKeyOf(key), movesBefore, won);
  if (won) showNextLevelButton();
}

void PlayController::onCommand(HWND window, int id) {
  switch (id) {
    case IDC_NEXT_LEVEL_BUTTON: goToNextLevel(); break;
    case IDC_RESTART_LEVEL: restartLevel(); break;
    case IDC_SHOW_HELP: showHelpDialog(view_.instance(), view_.window()); break;
    case IDC_SKIP_LEVEL: skipLevel(window); break;
    case IDC_UNDO_MOVE: aids_.undo(); break;
    case IDC_REDO_MOVE: aids_.redo(); break;
    case IDC_GO_TO_LEVEL: chooseLevel(); break;
    default: break;
  }
}

void PlayController::levelStarted() { aids_.startedAfresh(); }

void PlayController::showNextLevelButton() {
  nextLevelButton_ = CreateWindowExA(
      0, "button", "Next Level", kNextLevelButtonStyle,
      model_.gridWidth() * kTileSize + kNextLevelButtonXOffset, kNextLevelButtonY,
      kNextLevelButtonWidth, kNextLevelButtonHeight, view_.window(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_NEXT_LEVEL_BUTTON)), view_.instance(),
      nullptr);
  SendMessageA(nextLevelButton_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_), TRUE);
  // Drawn as the default button, since Enter presses it; the keyboard stays
  // with the window, where the arrow keys do nothing until it is pressed.
  SendMessageA(nextLevelButton_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  view_.setPanelButton(nextLevelButton_,
                       {kNextLevelButtonXOffset, kNextLevelButtonY,
                        kNextLevelButtonXOffset + kNextLevelButtonWidth,
                        kNextLevelButtonY + kNextLevelButtonHeight});
}

void PlayController::goToNextLevel() {
  switch (session_.advance()) {
    case PlaySession::Advance::SetCompleted: showSetCompleted(); break;
    case PlaySession::Advance::LoadFailed: showLoadFailed(); break;
    case PlaySession::Advance::NextLevelStarted: showNewLevel(); break;
  }
  destroyNextLevelButton();
}

void PlayController::showNewLevel() {
  // Gone before the window changes, so that it never shows over the new
  // board. The boxes that end a set show over the won board, button and
  // all: a won board is not drawn again.
  destroyNextLevelButton();
  aids_.startedAfresh();
  view_.layout();  // the window follows the new level's size
  view_.paint();
}

void PlayController::showLoadFailed() {
  view_.showMessage("Trelux can't load the next level.  The puzzle set may be corrupted.",
                    kProgramTitle);
  requestScreen(ScreenMainMenu);
}

void PlayController::chooseLevel() {
  const std::optional<SetRecord> record = readSetRecord(model_.puzzleSet().path());
  if (!record) return;
  const int32_t playing = model_.currentLevel();
  const std::optional<int32_t> chosen = askLevel(
      view_.instance(), view_.window(), levelChoices(*record, playing), playing);
  if (!chosen) return;
  // Every level listed was reached, so none needs the completion code.
  if (session_.goTo(*chosen))
    showNewLevel();
  else
    showLoadFailed();
}

void PlayController::destroyNextLevelButton() {
  if (nextLevelButton_) view_.setPanelButton(nullptr, {});
  if (IsWindow(nextLevelButton_)) DestroyWindow(nextLevelButton_);
  nextLevelButton_ = nullptr;
}

void PlayController::showSetCompleted() {
  view_.showMessage("Congratulations!\nYou have completed the puzzle set!", kProgramTitle);
  if (model_.hasCompletionCode()) {
    const std::string text = "Puzzle Set Completion Code: " + model_.completionCode();
    view_.showMessage(text.c_str(), kProgramTitle);
  }
  requestScreen(ScreenMainMenu);
}

void PlayController::restartLevel() {
  if (!session_.canRestart()) return;
  const int answer = MessageBoxA(view_.window(), "Do you really want to restart the level?",
                                 kProgramTitle, MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  session_.restart();
  aids_.startedAfresh();
  view_.layout();
  view_.paint();
}

void PlayController::skipLevel(HWND window) {
  if (!askSkipTo(model_.currentLevel() + 1)) return;
  session_.stopForSkip();
  // Sent, not posted: the next level is up before the key message that
  // follows the accelerator arrives.
  SendMessageA(window, WM_COMMAND, IDC_NEXT_LEVEL_BUTTON, 0);
}

bool PlayController::askSkipTo(int32_t level) {
  if (!session_.skipNeedsCode(level)) return true;
  const std::optional<std::string> entered = askCompletionCode(view_.instance(), view_.window());
  if (!entered) return false;
  if (session_.enterCode(*entered)) return true;
  view_.showMessage("Incorrect code.", kProgramTitle);
  return false;
}

}  // namespace trelux
