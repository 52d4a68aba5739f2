// The play screen through its real window: keys through the message loop
// and its accelerators, the "Next Level" button, the end of a set, restart,
// skipping with and without the completion code, help and the description
// window, the keyboard from the menu on, and the zap's pause.
#include <gtest/gtest.h>

#include "app/startup_files.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "audio/win32/audio_device.h"
#include "audio/win32/sound_manager.h"
#include "gfx/win32/bitmap_holder.h"
#include "gfx/win32/game_view.h"
#include "puzzles/puzzle_set_file.h"
#include "resources/win32/resource_ids.h"
#include "support/level_files.h"
#include "support/scratch_folder.h"
#include "support/win32/dialog_answerer.h"
#include "support/win32/game_fixture.h"
#include "world/play_model.h"
#include "world/win32/play_controller.h"
#include "world/win32/view_effects.h"

namespace trelux::test {
namespace {

// Stepping forward (Up) walks into the beam: zapped.
const char* const kBeamAhead =
    "# # # # # # #\n"
    "# . . . . . #\n"
    "# >r . . . . #\n"
    "# . . @ . Sng #\n"
    "# # # # # # #\n";

// The sensor is lit from the start; any key finds the level won.
const char* const kLitAtStart =
    "# # # # #\n"
    "# >g Swg . #\n"
    "# . @ . #\n"
    "# # # # #\n";

class PlayTest : public GameFixture {
 protected:
  PlayModel& model() { return *static_cast<PlayModel*>(currentModel()); }
  PlayController& controller() { return *dynamic_cast<PlayController*>(currentController()); }
  HWND nextLevelButton() { return GetDlgItem(mainWindow, IDC_NEXT_LEVEL_BUTTON); }
  uint8_t storedProgress(const std::string& name) {
    PuzzleSetFile set;
    EXPECT_TRUE(set.open(".\\levels\\" + folderOf(name) + "\\levels.dat"));
    return set.progress();
  }
  void win() {
    key(VK_DOWN);
    ASSERT_NE(nextLevelButton(), nullptr) << "the level should be won";
  }
};

TEST_F(PlayTest, WinningOffersNextLevelStopsPlayAndStoresProgress) {
  addSet("Set", {kPullToWin, kBeamAhead}, false, "", 9);
  startPlaying();
  key(VK_DOWN);
  HWND button = nextLevelButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(windowText(button), "Next Level");
  RECT rect{};
  GetWindowRect(button, &rect);
  MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 7 * 25 + 57);
  EXPECT_EQ(rect.top, 125);
  EXPECT_EQ(rect.right - rect.left, 150);
  EXPECT_EQ(rect.bottom - rect.top, 30);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, 18) << "the font of the menu's buttons";
  EXPECT_FALSE(model().isRunning());
  EXPECT_EQ(storedProgress("Set"), 1) << "progress is replaced, not raised";

  const Position before = model().robotPosition();
  key(VK_UP);
  EXPECT_EQ(model().robotPosition().y, before.y) << "keys wait for the next level";
}

TEST_F(PlayTest, NextLevelStartsTheFollowingLevel) {
  addSet("Set", {kPullToWin, kBeamAhead});
  startPlaying();
  win();
  command(IDC_NEXT_LEVEL_BUTTON);
  EXPECT_EQ(model().currentLevel(), 1);
  EXPECT_TRUE(model().isRunning());
  EXPECT_EQ(nextLevelButton(), nullptr);
  EXPECT_EQ(controller().nextLevelButton(), nullptr);
}

TEST_F(PlayTest, AnyKeyRunsTheCompletionTest) {
  addSet("Set", {kLitAtStart});
  startPlaying();
  EXPECT_EQ(nextLevelButton(), nullptr);
  const Position before = model().robotPosition();
  key('A');
  EXPECT_NE(nextLevelButton(), nullptr);
  EXPECT_EQ(model().robotPosition().x, before.x);
}

TEST_F(PlayTest, SteppingIntoABeamIsTakenBackWithAZap) {
  addSet("Set", {kBeamAhead});
  startPlaying();
  key(VK_UP);
  EXPECT_EQ(model().robotPosition().x, 3);
  EXPECT_EQ(model().robotPosition().y, 3);
  EXPECT_TRUE(model().isRunning());
  ASSERT_TRUE(isAudioOpen())
      << "no sound device; scripts/wine-prefix.sh gives the tests a silent one (HOME=wine-home)";
  const Sound* zap = findSound("zap.wav");
  ASSERT_NE(zap, nullptr);
  EXPECT_TRUE(zap->loaded);
}

TEST_F(PlayTest, LastLevelOfAProtectedSetShowsTheCodeThenTheMenu) {
  addSet("Set", {kPullToWin}, true, "Prism42");
  startPlaying();
  win();
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Congratulations!\nYou have completed the puzzle set!");
  dialogs.expectMessage("Trelux", "Puzzle Set Completion Code: Prism42");
  command(IDC_NEXT_LEVEL_BUTTON);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(PlayTest, LastLevelOfAnOpenSetOnlyCongratulates) {
  addSet("Set", {kPullToWin});
  startPlaying();
  win();
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Congratulations!\nYou have completed the puzzle set!");
  command(IDC_NEXT_LEVEL_BUTTON);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(PlayTest, UnreadableNextLevelIsReportedAndLeadsToTheMenu) {
  addSet("Set", {kPullToWin, kBeamAhead});
  // Give the second record a width of zero.
  const std::string path = "levels/" + folderOf("Set") + "/levels.dat";
  std::string bytes = readFile(path);
  const size_t second = kHeaderSize + 1 + kLevelCapacity;
  ASSERT_EQ(static_cast<uint8_t>(bytes[second]), kLiveMarker);
  bytes[second + 2] = 0;
  writeFile(path, bytes);
  startPlaying();
  win();
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux",
                        "Trelux can't load the next level.  The puzzle set may be corrupted.");
  command(IDC_NEXT_LEVEL_BUTTON);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

// --- The keyboard ---------------------------------------------------------------

TEST_F(PlayTest, KeyboardAllTheWayFromTheMenuToTheNextLevel) {
  addSet("Set", {kPullToWin, kBeamAhead});
  DialogAnswerer dialogs;
  DialogStep chooser;
  chooser.caption = "Choose Puzzle Set";
  chooser.keys = {VK_RETURN};
  dialogs.expect(chooser);
  press(VK_RETURN);  // New Game
  dialogs.verify();
  ASSERT_EQ(currentScreen(), ScreenPlay);
  press(VK_DOWN);
  ASSERT_NE(nextLevelButton(), nullptr);
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 0) << "the arrows wait for the next level";
  press(VK_RETURN);
  EXPECT_EQ(model().currentLevel(), 1);
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 3);
}

TEST_F(PlayTest, SpacePressesNextLevelButNotTheKeyHeldSinceTheWin) {
  addSet("Set", {kLitAtStart, kBeamAhead});
  startPlaying();
  auto space = [](LPARAM flags) {
    PostMessageA(mainWindow, WM_KEYDOWN, VK_SPACE, flags);
  };
  space(1);
  pump();
  ASSERT_NE(nextLevelButton(), nullptr) << "the key that wins does not press the button";
  space(1 | (1 << 30));  // held down: a repeat
  pump();
  EXPECT_EQ(model().currentLevel(), 0);
  space(1);
  pump();
  EXPECT_EQ(model().currentLevel(), 1);
  EXPECT_EQ(nextLevelButton(), nullptr);
}

TEST_F(PlayTest, KeysReachTheBoardAfterTheHelpAndTheRestartQuestion) {
  addSet("Set", {kPullToWin});
  startPlaying();
  DialogAnswerer dialogs;
  DialogStep help;
  help.caption = "Trelux Help";
  help.keys = {VK_SPACE};  // presses the focused button: OK, not "Secret!"
  dialogs.expect(help);
  key(VK_F1);
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 3);
  dialogs.expectMessage("Trelux", "Do you really want to restart the level?", IDNO);
  key('R', true);
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 2);
  dialogs.verify();
}

// --- The zap's pause ------------------------------------------------------------

TEST_F(PlayTest, ZapPauseDrawsButLeavesKeysQueued) {
  addSet("Set", {kBeamAhead});
  startPlaying();
  InvalidateRect(mainWindow, nullptr, FALSE);
  PostMessageA(mainWindow, WM_KEYDOWN, VK_LEFT, 1);
  ViewEffects effects(*dynamic_cast<GameView*>(currentView()));
  const DWORD start = GetTickCount();
  effects.pause(200);
  EXPECT_GE(GetTickCount() - start, 200u);
  EXPECT_FALSE(GetUpdateRect(mainWindow, nullptr, FALSE)) << "painted during the pause";
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, mainWindow, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
}

// --- Restart ----------------------------------------------------------------

TEST_F(PlayTest, RestartAsksAndNoLeavesTheLevelAsItIs) {
  addSet("Set", {kPullToWin});
  startPlaying();
  key(VK_LEFT);
  key(VK_UP);  // to (2, 2), facing west
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Do you really want to restart the level?", IDNO);
  key('R', true);
  dialogs.verify();
  EXPECT_EQ(model().robotPosition().x, 2);
  EXPECT_EQ(model().robotDirection(), 3);
}

TEST_F(PlayTest, RestartYesStartsTheLevelAgain) {
  addSet("Set", {kPullToWin});
  startPlaying();
  key(VK_LEFT);
  key(VK_UP);
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Do you really want to restart the level?", IDYES);
  key('R', true);
  dialogs.verify();
  EXPECT_EQ(model().robotPosition().x, 3);
  EXPECT_EQ(model().robotPosition().y, 2);
  EXPECT_EQ(model().robotDirection(), 0);
  EXPECT_TRUE(model().isRunning());
}

TEST_F(PlayTest, RestartOnAWonLevelDoesNothing) {
  addSet("Set", {kPullToWin, kPullToWin});
  startPlaying();
  win();
  DialogAnswerer dialogs;  // no question may appear
  key('R', true);
  dialogs.verify();
  EXPECT_NE(nextLevelButton(), nullptr);
}

// --- Skipping ---------------------------------------------------------------

TEST_F(PlayTest, OpenSetSkipsFromAnUnsolvedLevelAndTheKeyTurnsTheNewRobot) {
  addSet("Set", {kPullToWin, kBeamAhead});
  startPlaying();
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 1);
  EXPECT_EQ(model().robotDirection(), 1) << "Right arrow after the skip turns the new robot";
  EXPECT_EQ(storedProgress("Set"), 0) << "skipping stores no progress";
}

TEST_F(PlayTest, SkippingFromTheLastLevelEndsTheSet) {
  addSet("Set", {kPullToWin});
  startPlaying();
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Congratulations!\nYou have completed the puzzle set!");
  key(VK_RIGHT, true);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(PlayTest, ControlLeftOnlyTurnsTheRobot) {
  addSet("Set", {kPullToWin, kBeamAhead});
  startPlaying();
  key(VK_LEFT, true);
  EXPECT_EQ(model().currentLevel(), 0);
  EXPECT_EQ(model().robotDirection(), 3);
}

class ProtectedSkipTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    addSet("Guarded", {kBeamAhead, kBeamAhead, kBeamAhead, kBeamAhead, kBeamAhead}, false,
           "Prism42", 3);
    startPlaying();
  }
  DialogStep codeStep(const std::string& code, int button = IDOK) {
    DialogStep step;
    step.caption = "Enter Completion Code";
    step.edits = {{IDC_SKIP_CODE_EDIT, code}};
    step.button = button;
    return step;
  }
};

TEST_F(ProtectedSkipTest, LevelsUpToTheStoredProgressSkipWithoutACode) {
  DialogAnswerer dialogs;
  key(VK_RIGHT, true);
  key(VK_RIGHT, true);
  key(VK_RIGHT, true);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 3);
}

TEST_F(ProtectedSkipTest, WrongOrCancelledCodeKeepsTheLevelAndTurnsTheRobot) {
  for (int i = 0; i < 3; ++i) key(VK_RIGHT, true);
  ASSERT_EQ(model().currentLevel(), 3);
  const int direction = model().robotDirection();
  DialogAnswerer dialogs;
  dialogs.expect(codeStep("wrong"));
  dialogs.expectMessage("Trelux", "Incorrect code.");
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 3);
  EXPECT_EQ(model().robotDirection(), (direction + 1) % 4);
  dialogs.expect(codeStep("Prism42", IDCANCEL));
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 3);
  EXPECT_EQ(model().robotDirection(), (direction + 2) % 4);
  dialogs.verify();
  EXPECT_FALSE(controller().codeAccepted());
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), (direction + 1) % 4) << "the board has the keys again";
}

// The box's width came from its text alone, which cut "Trelux" short.
TEST_F(ProtectedSkipTest, IncorrectCodeBoxShowsItsWholeTitleAndTheGamesIcon) {
  for (int i = 0; i < 3; ++i) key(VK_RIGHT, true);
  DialogAnswerer dialogs;
  dialogs.expect(codeStep("wrong"));
  DialogStep box;
  box.caption = "Trelux";
  box.text = "Incorrect code.";
  box.inspect = [](HWND window) {
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0) << "the game's icon";
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE title{};
    GetTextExtentPoint32A(dc, "Trelux", 6, &title);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    DeleteObject(font);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_GE(rect.right - rect.left,
              title.cx + GetSystemMetrics(SM_CXSMICON) + 4 * GetSystemMetrics(SM_CXSIZE));
  };
  dialogs.expect(box);
  key(VK_RIGHT, true);
  dialogs.verify();
}

TEST_F(ProtectedSkipTest, CodeInAnyLetterCaseIsAcceptedOnceForTheScreen) {
  for (int i = 0; i < 3; ++i) key(VK_RIGHT, true);
  DialogAnswerer dialogs;
  dialogs.expect(codeStep("pRISM42"));
  key(VK_RIGHT, true);
  EXPECT_EQ(model().currentLevel(), 4);
  EXPECT_TRUE(controller().codeAccepted());
  dialogs.expectMessage("Trelux", "Congratulations!\nYou have completed the puzzle set!");
  dialogs.expectMessage("Trelux", "Puzzle Set Completion Code: Prism42");
  key(VK_RIGHT, true);  // no code asked again
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(ProtectedSkipTest, LongInputIsCutToNineteenCharacters) {
  for (int i = 0; i < 3; ++i) key(VK_RIGHT, true);
  DialogAnswerer dialogs;
  dialogs.expect(codeStep("Prism42" + std::string(30, 'x')));
  dialogs.expectMessage("Trelux", "Incorrect code.");
  key(VK_RIGHT, true);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 3);
}

// --- Help -------------------------------------------------------------------

TEST_F(PlayTest, HelpShowsPicturesAndItsSecretsAndClosesOnlyWithOk) {
  addSet("Set", {kPullToWin});
  startPlaying();
  DialogAnswerer dialogs;
  DialogStep help;
  help.caption = "Trelux Help";
  help.button = IDC_SECRET;
  int pictures = 0;
  bool stillOpenAfterEscape = false;
  help.inspect = [&](HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0) ++pictures;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    stillOpenAfterEscape = IsWindow(dialog);
  };
  dialogs.expect(help);
  dialogs.expectMessage("Trelux",
                        "You found the secret button!  Good job!\nIf you enjoy Trelux, try "
                        "building your own version!  Here are some prices, if you're "
                        "interested!");
  for (int i = 0; i < 5; ++i) {
    DialogStep secret;
    secret.caption = "Trelux";
    dialogs.expect(secret);
  }
  dialogs.expectMessage("Trelux",
                        "Thanks for clicking the secret button, and I hope you enjoyed this tour "
                        "of optics expenses!\nNow, back to Trelux!");
  DialogStep close;
  close.caption = "Trelux Help";
  close.onReturn = true;
  dialogs.expect(close);
  key(VK_F1);
  dialogs.verify();
  EXPECT_EQ(pictures, 6);
  EXPECT_TRUE(stillOpenAfterEscape);
  const char* const headings[] = {"Lasers:", "Lenses:", "Mirrors", "Sensors:", "T-Mirrors:"};
  ASSERT_EQ(dialogs.seen().size(), 8u);  // the help, then the seven secrets
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(dialogs.seen()[2 + i].text.rfind(headings[i], 0), 0u) << dialogs.seen()[2 + i].text;
  EXPECT_TRUE(model().isRunning()) << "help changes nothing in the game";
}

// --- The window and the description window ----------------------------------

TEST_F(PlayTest, WindowFitsTheLevelAndThePanel) {
  const std::string fiveByFive = "# # # # #\n# @ . . #\n# . . Swr #\n# . . . #\n# # # # #\n";
  std::string tall = "# # # # #\n# @ . Swr #\n";
  for (int row = 0; row < 17; ++row) tall += "# . . . #\n";
  tall += "# # # # #\n";
  addSet("Set", {fiveByFive, tall});
  startPlaying();
  BitmapHolder panel;
  ASSERT_TRUE(panel.load(resourceLibrary, "colors.bmp"));
  EXPECT_EQ(clientSize(mainWindow).cx, 125 + panel.width());
  EXPECT_EQ(clientSize(mainWindow).cy, 280) << "at least 280 pixels high";
  key(VK_RIGHT, true);
  EXPECT_EQ(clientSize(mainWindow).cy, 500);
}

BOOL CALLBACK findConsole(HWND window, LPARAM result) {
  if (windowText(window) == "Console" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

HWND consoleOf(HWND owner) {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findConsole, reinterpret_cast<LPARAM>(&found));
  if (found) {
    EXPECT_EQ(GetWindow(found, GW_OWNER), owner);
  }
  return found;
}

TEST_F(PlayTest, DescriptionWindowComesWithEachDescribedLevel) {
  addSet("Set", {kBeamAhead, kBeamAhead, kBeamAhead});
  describeLevel("Set", 1, "Push the mirror into the beam.");
  describeLevel("Set", 2, "Another hint.");
  startPlaying();
  EXPECT_EQ(consoleOf(mainWindow), nullptr);
  key(VK_RIGHT, true);
  HWND console = consoleOf(mainWindow);
  ASSERT_NE(console, nullptr);
  EXPECT_EQ(clientSize(console).cx, 400);
  EXPECT_EQ(clientSize(console).cy, 200);
  RECT main{}, own{}, overlap{};
  GetWindowRect(mainWindow, &main);
  GetWindowRect(console, &own);
  EXPECT_FALSE(IntersectRect(&overlap, &main, &own)) << "beside the board and the panel";
  EXPECT_TRUE(own.left >= 0 && own.top >= 0 && own.right <= GetSystemMetrics(SM_CXSCREEN) &&
              own.bottom <= GetSystemMetrics(SM_CYSCREEN))
      << "on the screen";
  EXPECT_EQ(GetFocus(), mainWindow) << "keys still reach the board";

  SendMessageA(console, WM_CLOSE, 0, 0);  // the user closes it
  pump();
  EXPECT_EQ(consoleOf(mainWindow), nullptr);
  EXPECT_TRUE(model().isRunning());
  key(VK_RIGHT, true);
  EXPECT_NE(consoleOf(mainWindow), nullptr);
}

TEST_F(PlayTest, DescriptionWindowOpensWhereThePlayerPutIt) {
  addSet("Set", {kBeamAhead, kBeamAhead});
  for (int level = 0; level < 2; ++level) describeLevel("Set", level, "Read me.");
  startPlaying();
  SetWindowPos(consoleOf(mainWindow), nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PostMessageA(consoleOf(mainWindow), WM_KEYDOWN, VK_RETURN, 1);  // read, closed
  pump();
  ASSERT_EQ(consoleOf(mainWindow), nullptr);
  key(VK_RIGHT, true);
  ASSERT_NE(consoleOf(mainWindow), nullptr);
  RECT own{};
  GetWindowRect(consoleOf(mainWindow), &own);
  EXPECT_EQ(own.left, 20);
  EXPECT_EQ(own.top, 30);
  EXPECT_EQ(setting(kConsoleXKey) + "," + setting(kConsoleYKey), "20,30") << "for trelux.ini";
}

TEST_F(PlayTest, DescriptionWindowPassesPlayKeysOnClosesAloneAndDShowsItAgain) {
  addSet("Set", {kBeamAhead});
  describeLevel("Set", 0, "Mind the beam.");
  startPlaying();
  HWND console = consoleOf(mainWindow);
  ASSERT_NE(console, nullptr);
  SetActiveWindow(console);  // as a click on it does
  pump();
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 3) << "the keys of play reach the board";
  ASSERT_EQ(GetFocus(), console);
  PostMessageA(console, WM_SYSKEYDOWN, VK_F4, (KF_ALTDOWN << 16) | 1);  // Alt+F4
  pump();
  ASSERT_EQ(consoleOf(mainWindow), nullptr);
  EXPECT_EQ(currentScreen(), ScreenPlay) << "only the description closed";

  press(kShowDescriptionKey);
  ASSERT_NE(consoleOf(mainWindow), nullptr);
  press(VK_LEFT);
  EXPECT_EQ(model().robotDirection(), 2) << "the keyboard stays with the board";
  SetActiveWindow(consoleOf(mainWindow));
  pump();
  press(VK_ESCAPE);
  EXPECT_EQ(consoleOf(mainWindow), nullptr);
  EXPECT_EQ(GetFocus(), mainWindow);
}

TEST_F(PlayTest, LevelSwitchKeepsTheWindowWhereFittingPutsIt) {
  addSet("Set", {kBeamAhead, kBeamAhead, kBeamAhead});
  startPlaying();
  ShowWindow(mainWindow, SW_HIDE);  // laid out afresh by fitting its client area
  key(VK_RIGHT, true);
  RECT fitted{}, switched{};
  GetWindowRect(mainWindow, &fitted);
  key(VK_RIGHT, true);  // the window on screen is moved in one step
  GetWindowRect(mainWindow, &switched);
  EXPECT_EQ(switched.left, fitted.left);
  EXPECT_EQ(switched.top, fitted.top);
}

// Hiding and showing a window again makes the window system unmap and map
// it, which takes a round trip to the window manager, and seconds without
// one: a new level only moves and sizes the windows.
struct HideWatch {
  HideWatch() {
    hidden.clear();
    hook = SetWindowsHookExA(WH_CALLWNDPROC, record, nullptr, GetCurrentThreadId());
  }
  ~HideWatch() { UnhookWindowsHookEx(hook); }
  static LRESULT CALLBACK record(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW))
      hidden.push_back(call->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::vector<HWND> hidden;
  HHOOK hook;
};

TEST_F(PlayTest, LevelSwitchesHideNeitherTheWindowNorTheDescription) {
  addSet("Set", {kPullToWin, kBeamAhead});
  for (int level = 0; level < 2; ++level) describeLevel("Set", level, "Read me.");
  startPlaying();
  HWND console = consoleOf(mainWindow);
  HideWatch watch;
  win();
  press(VK_RETURN);
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Do you really want to restart the level?", IDYES);
  key('R', true);
  dialogs.verify();
  EXPECT_EQ(model().currentLevel(), 1);
  EXPECT_EQ(consoleOf(mainWindow), console) << "the same description window, moved";
  for (HWND window : HideWatch::hidden) {
    EXPECT_NE(window, mainWindow);
    EXPECT_NE(window, console);
  }
}

}  // namespace
}  // namespace trelux::test
