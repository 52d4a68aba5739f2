// The shell driven through its real windows: the main menu, deferred screen
// switching, closing the window, the error path back to the menu, the
// options dialog and the start-up messages.
#include <gtest/gtest.h>

#include <functional>

#include "app/startup_files.h"
#include "app/win32/program.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "audio/volumes.h"
#include "audio/win32/audio_device.h"
#include "gfx/win32/bitmap_holder.h"
#include "puzzles/catalogue.h"
#include "resources/win32/resource_ids.h"
#include "support/scratch_folder.h"
#include "support/win32/dialog_answerer.h"
#include "support/win32/game_fixture.h"
#include "world/puzzle_model.h"

namespace trelux::test {
namespace {

const char* const kSmallLevel =
    "# # # # # # #\n"
    "# >r . Lk . Swr #\n"
    "# . . @ . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

RECT childRect(int id) {
  RECT rect{};
  HWND child = GetDlgItem(mainWindow, id);
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

DialogStep chooserStep(int button, int line = -1) {
  DialogStep step;
  step.caption = "Choose Puzzle Set";
  if (line >= 0) step.listSelection = std::make_pair(IDC_PUZZLE_LIST, line);
  step.button = button;
  return step;
}

class ShellTest : public GameFixture {
 protected:
  // An unlocked set whose level file is no level file.
  void addBrokenSet() {
    CreateDirectoryA("levels\\broken", nullptr);
    writeFile("levels/broken/levels.dat", "not a level file at all");
    PuzzleSetEntry entry{".\\levels\\broken\\", "Broken", ".\\levels\\broken.trelux", true};
    ASSERT_TRUE(writeDescriptor(entry));
  }
};

TEST_F(ShellTest, MainMenuFillsTheBackdropWithFiveCentredButtons) {
  BitmapHolder backdrop;
  ASSERT_TRUE(backdrop.load(resourceLibrary, "colors.bmp"));
  const SIZE client = clientSize(mainWindow);
  EXPECT_EQ(client.cx, backdrop.width());
  EXPECT_EQ(client.cy, backdrop.height());
  EXPECT_TRUE(IsWindowVisible(mainWindow));

  const int rowHeight = backdrop.height() / 5;
  const int rows[] = {IDC_NEW_GAME, IDC_GET_PUZZLES, IDC_LEVEL_EDITOR, IDC_OPTIONS, IDC_QUIT};
  const char* const captions[] = {"New Game", "Get Puzzles", "Level Editor", "Options", "Quit"};
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(captions[row]);
    const RECT rect = childRect(rows[row]);
    EXPECT_EQ(rect.left, (backdrop.width() - 150) >> 1);
    EXPECT_EQ(rect.top, ((rowHeight - 35) >> 1) + row * rowHeight);
    EXPECT_EQ(rect.right - rect.left, 150);
    EXPECT_EQ(rect.bottom - rect.top, 35);
    EXPECT_EQ(windowText(GetDlgItem(mainWindow, rows[row])), captions[row]);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(mainWindow, rows[row])));
  }
}

TEST_F(ShellTest, ScreenSwitchWaitsUntilTheQueueIsDrained) {
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDCANCEL));
  // The handler only records the wish; the menu is still current after it.
  SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_NEW_GAME, BN_CLICKED), 0);
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_EQ(requestedScreen(), ScreenPlay);
  EXPECT_EQ(dialogs.pendingSteps(), 1u);
  pump();
  dialogs.verify();
}

TEST_F(ShellTest, CancellingTheChooserRebuildsTheMenuWithoutAMessage) {
  HWND oldButton = GetDlgItem(mainWindow, IDC_NEW_GAME);
  addSet("Alpha", {kSmallLevel});
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDCANCEL));
  command(IDC_NEW_GAME);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_EQ(requestedScreen(), ScreenNone);
  HWND newButton = GetDlgItem(mainWindow, IDC_NEW_GAME);
  EXPECT_NE(newButton, nullptr);
  EXPECT_FALSE(IsWindow(oldButton)) << "the old menu's buttons are gone";
}

TEST_F(ShellTest, ChooserListsLockedSetsForPlayAndOkWithoutSelectionCancels) {
  addSet("Alpha", {kSmallLevel});
  addSet("Locked One", {kSmallLevel}, true);
  DialogAnswerer dialogs;
  DialogStep step = chooserStep(IDOK);
  step.listSelection = std::make_pair(IDC_PUZZLE_LIST, -1);  // the player clears the choice
  int lines = 0;
  bool noteShown = true;
  step.inspect = [&](HWND dialog) {
    lines = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_GETCOUNT, 0, 0));
    noteShown = GetWindowLongA(GetDlgItem(dialog, IDC_PUZZLE_NONE), GWL_STYLE) & WS_VISIBLE;
  };
  dialogs.expect(step);
  command(IDC_NEW_GAME);
  dialogs.verify();
  EXPECT_EQ(lines, 2);
  EXPECT_FALSE(noteShown);
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(ShellTest, EmptyLevelsFolderGivesAnEmptyChooserThatSaysSo) {
  DialogAnswerer dialogs;
  DialogStep step = chooserStep(IDOK);
  int lines = -1;
  bool noteShown = false;
  step.inspect = [&](HWND dialog) {
    lines = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_GETCOUNT, 0, 0));
    noteShown = GetWindowLongA(GetDlgItem(dialog, IDC_PUZZLE_NONE), GWL_STYLE) & WS_VISIBLE;
  };
  dialogs.expect(step);
  command(IDC_NEW_GAME);
  dialogs.verify();
  EXPECT_EQ(lines, 0);
  EXPECT_TRUE(noteShown);
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

// --- The main menu by keyboard ---------------------------------------------

int focusedId() { return GetDlgCtrlID(GetFocus()); }

TEST_F(ShellTest, MenuFocusStartsOnNewGameAndTabAndArrowsMoveItRound) {
  EXPECT_EQ(focusedId(), IDC_NEW_GAME);
  press(VK_TAB);
  EXPECT_EQ(focusedId(), IDC_GET_PUZZLES);
  press(VK_DOWN);
  press(VK_RIGHT);
  EXPECT_EQ(focusedId(), IDC_OPTIONS);
  press(VK_LEFT);
  EXPECT_EQ(focusedId(), IDC_LEVEL_EDITOR);
  for (int i = 0; i < 3; ++i) press(VK_UP);
  EXPECT_EQ(focusedId(), IDC_QUIT) << "the focus goes round the ends";
  press(VK_DOWN);
  EXPECT_EQ(focusedId(), IDC_NEW_GAME);
}


TEST_F(ShellTest, ChosenSetStartsThePlayScreenAtItsFirstLevel) {
  addSet("Alpha", {kSmallLevel, kSmallLevel});
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDOK, 0));
  command(IDC_NEW_GAME);
  dialogs.verify();
  ASSERT_EQ(currentScreen(), ScreenPlay);
  ASSERT_NE(currentModel(), nullptr);
  EXPECT_EQ(currentModel()->currentLevel(), 0);
  EXPECT_TRUE(currentModel()->isRunning());
}

TEST_F(ShellTest, CorruptSetFileShowsTheErrorAndReturnsToTheMenu) {
  addBrokenSet();
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDOK, 0));
  dialogs.expectMessage("Error!",
                        "Trelux couldn't process the level file for this puzzle set.  It may be "
                        "corrupt or invalid.");
  command(IDC_NEW_GAME);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_NE(GetDlgItem(mainWindow, IDC_QUIT), nullptr);
}

TEST_F(ShellTest, MissingTilesetIsReportedAndLeadsBackToTheMenu) {
  addSet("Alpha", {kSmallLevel});
  // A resource library without pictures: the test program's own module.
  HMODULE library = resourceLibrary;
  resourceLibrary = GetModuleHandleA(nullptr);
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDOK, 0));
  dialogs.expectMessage("Error!",
                        "An error occurred trying to load the tileset.\nIf the problem persists, "
                        "reinstall Trelux.");
  SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_NEW_GAME, BN_CLICKED), 0);
  pump();
  resourceLibrary = library;
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(ShellTest, EditorReportsALevelFileItCannotRead) {
  addBrokenSet();
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDOK, 0));
  dialogs.expectMessage("Error!", "Trelux couldn't locate the level file for this puzzle set.");
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(ShellTest, ClosingTheWindowDuringPlayReturnsToTheMenu) {
  addSet("Alpha", {kSmallLevel});
  DialogAnswerer dialogs;
  dialogs.expect(chooserStep(IDOK, 0));
  command(IDC_NEW_GAME);
  ASSERT_EQ(currentScreen(), ScreenPlay);
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(mainWindow));
  pump();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
  EXPECT_TRUE(IsWindow(mainWindow));
  dialogs.verify();
}

TEST_F(ShellTest, ClosingTheWindowOnTheMenuEndsTheProgram) {
  SendMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(mainWindow));
}

TEST_F(ShellTest, QuitDestroysTheWindow) {
  command(IDC_QUIT);
  EXPECT_FALSE(IsWindow(mainWindow));
  EXPECT_EQ(currentScreen(), ScreenQuit);
}

TEST_F(ShellTest, EditorWithoutAnUnlockedSetAsksForANewOneAndCancelLeadsBack) {
  addSet("Locked One", {kSmallLevel}, true);
  DialogAnswerer dialogs;
  DialogStep newSet;
  newSet.caption = "New Puzzle Set";
  newSet.button = IDCANCEL;
  dialogs.expect(newSet);
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(ShellTest, EditorShowsTheChosenUnlockedSet) {
  addSet("Alpha", {kSmallLevel});
  addSet("Locked One", {kSmallLevel}, true);
  DialogAnswerer dialogs;
  DialogStep step = chooserStep(IDOK, 0);
  int lines = 0;
  step.inspect = [&](HWND dialog) {
    lines = static_cast<int>(SendDlgItemMessageA(dialog, IDC_PUZZLE_LIST, LB_GETCOUNT, 0, 0));
  };
  dialogs.expect(step);
  command(IDC_LEVEL_EDITOR);
  dialogs.verify();
  EXPECT_EQ(lines, 1) << "locked sets are not offered for editing";
  EXPECT_EQ(currentScreen(), ScreenEditor);
  EXPECT_EQ(clientSize(mainWindow).cy, 280);
}

// --- Options -------------------------------------------------------------

struct OptionsRun {
  int soundPosition = -1;
  int musicPosition = -1;
};

DialogStep optionsStep(int button, OptionsRun& run, std::function<void(HWND)> act = {}) {
  DialogStep step;
  step.caption = "Options";
  step.button = button;
  step.inspect = [&run, act](HWND dialog) {
    run.soundPosition = static_cast<int>(SendDlgItemMessageA(dialog, IDC_SOUND_SCROLL, SBM_GETPOS, 0, 0));
    run.musicPosition = static_cast<int>(SendDlgItemMessageA(dialog, IDC_MUSIC_SCROLL, SBM_GETPOS, 0, 0));
    if (act) act(dialog);
  };
  return step;
}

void scroll(HWND dialog, int id, int request, int position = 0) {
  SendMessageA(dialog, WM_HSCROLL, MAKEWPARAM(request, position),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class OptionsTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    setSoundVolume(40);
    setMusicVolume(98);
  }
};

TEST_F(OptionsTest, ShowsTheVolumesAndCancelKeepsThem) {
  OptionsRun run;
  DialogAnswerer dialogs;
  dialogs.expect(optionsStep(IDCANCEL, run, [](HWND dialog) {
    scroll(dialog, IDC_SOUND_SCROLL, SB_PAGERIGHT);
  }));
  command(IDC_OPTIONS);
  dialogs.verify();
  EXPECT_EQ(run.soundPosition, 40);
  EXPECT_EQ(run.musicPosition, 98);
  EXPECT_EQ(soundVolume(), 40);
  EXPECT_EQ(musicVolume(), 98);
  EXPECT_EQ(currentScreen(), ScreenMainMenu);
}

TEST_F(OptionsTest, ScrollStepsStayInRangeAndOkStoresThem) {
  OptionsRun run;
  DialogAnswerer dialogs;
  dialogs.expect(optionsStep(IDOK, run, [](HWND dialog) {
    scroll(dialog, IDC_SOUND_SCROLL, SB_LINERIGHT);   // 43
    scroll(dialog, IDC_SOUND_SCROLL, SB_PAGELEFT);    // 28
    scroll(dialog, IDC_SOUND_SCROLL, SB_LINELEFT);    // 25
    scroll(dialog, IDC_SOUND_SCROLL, SB_ENDSCROLL);   // no change
    scroll(dialog, IDC_MUSIC_SCROLL, SB_LINERIGHT);   // 101, kept at 100
    scroll(dialog, IDC_MUSIC_SCROLL, SB_PAGERIGHT);
  }));
  command(IDC_OPTIONS);
  dialogs.verify();
  EXPECT_EQ(soundVolume(), 25);
  EXPECT_EQ(musicVolume(), 100);
}

// A step that lands exactly on -1 is a step like any other: the bar reaches 0.
TEST_F(OptionsTest, StepsBelowZeroStopAtZero) {
  setSoundVolume(2);
  setMusicVolume(14);
  OptionsRun run;
  DialogAnswerer dialogs;
  dialogs.expect(optionsStep(IDOK, run, [](HWND dialog) {
    scroll(dialog, IDC_SOUND_SCROLL, SB_LINELEFT);
    scroll(dialog, IDC_MUSIC_SCROLL, SB_PAGELEFT);
  }));
  command(IDC_OPTIONS);
  dialogs.verify();
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 0);
}

TEST_F(OptionsTest, ThumbTrackingSetsThePositionAndZeroIsAVolume) {
  OptionsRun run;
  DialogAnswerer dialogs;
  dialogs.expect(optionsStep(IDOK, run, [](HWND dialog) {
    scroll(dialog, IDC_SOUND_SCROLL, SB_THUMBTRACK, 0);
    scroll(dialog, IDC_MUSIC_SCROLL, SB_THUMBTRACK, 77);
    scroll(dialog, IDC_MUSIC_SCROLL, SB_PAGELEFT);
  }));
  command(IDC_OPTIONS);
  dialogs.verify();
  EXPECT_EQ(soundVolume(), 0);
  EXPECT_EQ(musicVolume(), 62);
}

TEST_F(OptionsTest, EnterAndSpacePressTheFocusedButtonAndItKeepsTheFocus) {
  press(VK_UP);
  press(VK_UP);  // Options
  DialogAnswerer dialogs;
  OptionsRun run;
  dialogs.expect(optionsStep(IDCANCEL, run));
  press(VK_RETURN);
  EXPECT_EQ(focusedId(), IDC_OPTIONS) << "back on its button after the dialog";
  dialogs.expect(optionsStep(IDCANCEL, run));
  press(VK_SPACE);
  dialogs.verify();
  EXPECT_EQ(focusedId(), IDC_OPTIONS);
  press(VK_DOWN);
  press(VK_RETURN);
  EXPECT_FALSE(IsWindow(mainWindow)) << "Quit by keyboard";
}

// --- Start-up --------------------------------------------------------------

TEST(StartupMessages, MissingStartupScriptIsReportedInABoxTitledTrelux) {
  ScratchFolder folder;
  writeFile("trelux.ini", "[settings]\nsound = 10\nmusic = 20\n");
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", kMissingFilesMessage);
  EXPECT_FALSE(checkStartupFiles());
  dialogs.verify();
}

TEST(StartupMessages, SettingsProblemsHaveTheirOwnTexts) {
  ScratchFolder folder;
  writeFile("startup.dat", "STP\n");
  writeFile("trelux.ini", "[settings]\nsound = 101\nmusic = 20\n");
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", kMalformedSettingsMessage);
  EXPECT_FALSE(checkStartupFiles());
  DeleteFileA("trelux.ini");
  dialogs.expectMessage("Trelux", kUnparsableSettingsMessage);
  EXPECT_FALSE(checkStartupFiles());
  dialogs.verify();
}

TEST(StartupMessages, GoodFilesStartSilently) {
  ScratchFolder folder;
  writeFile("startup.dat", "rem checks\nfil trelux.ini\nstp\n");
  writeFile("trelux.ini", "[Settings]\nSound = 7\nmusic = 9\n");
  DialogAnswerer dialogs;
  EXPECT_TRUE(checkStartupFiles());
  dialogs.verify();
  EXPECT_EQ(soundVolume(), 7);
  EXPECT_EQ(musicVolume(), 9);
}

TEST(StartupMessages, MissingResourceLibraryIsReportedAndStopsTheStart) {
  ScratchFolder folder;
  programInstance = GetModuleHandleA(nullptr);
  HWND window = CreateWindowExA(0, "static", "Trelux", 0, 0, 0, 0, 0, nullptr, nullptr,
                                programInstance, nullptr);
  mainWindow = window;
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", kMissingFilesMessage);
  EXPECT_FALSE(finishStartup());
  dialogs.verify();
  EXPECT_EQ(resourceLibrary, nullptr);
  releaseAudioDevice();
  DestroyWindow(window);
  mainWindow = nullptr;
}

}  // namespace
}  // namespace trelux::test
