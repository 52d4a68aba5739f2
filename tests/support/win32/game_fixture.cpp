#include "support/win32/game_fixture.h"

#include <cctype>

#include "app/startup_files.h"
#include "app/win32/program.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "app/win32/window_classes.h"
#include "audio/win32/sound_manager.h"
#include "puzzles/catalogue.h"
#include "puzzles/puzzle_set_file.h"
#include "resources/win32/resource_ids.h"
#include "support/level_files.h"
#include "support/win32/dialog_answerer.h"
#include "world/level_grid.h"

namespace trelux::test {
namespace {

bool classesRegistered = false;

}  // namespace

void GameFixture::startPlaying() {
  DialogAnswerer dialogs;
  DialogStep chooser;
  chooser.caption = "Choose Puzzle Set";
  chooser.listSelection = std::make_pair(IDC_PUZZLE_LIST, 0);
  dialogs.expect(chooser);
  command(IDC_NEW_GAME);
  dialogs.verify();
  ASSERT_EQ(currentScreen(), ScreenPlay);
}

void GameFixture::SetUp() {
  folder_ = std::make_unique<ScratchFolder>();
  // What an earlier test's player chose does not follow into this one.
  for (const char* key : {kLastSetKey, kConsoleXKey, kConsoleYKey}) changeSetting(key, "");
  ASSERT_TRUE(CopyFileA(TRELUX_TEST_GAME_DIR "\\trelux.dll", "trelux.dll", FALSE))
      << "the resource library is built into " TRELUX_TEST_GAME_DIR;
  CreateDirectoryA("levels", nullptr);
  programInstance = GetModuleHandleA(nullptr);
  if (!classesRegistered) {
    ASSERT_TRUE(registerWindowClasses());
  }
  classesRegistered = true;
  mainWindow = createMainWindow();
  ASSERT_NE(mainWindow, nullptr);
  requestScreen(ScreenMainMenu);
  ASSERT_TRUE(finishStartup());
  accelerators_ = LoadAcceleratorsA(programInstance, "accel");
  ASSERT_NE(accelerators_, nullptr);
  pump();
}

void GameFixture::TearDown() {
  // Quit as the menu's button does; the loop's shut-down follows.
  requestScreen(ScreenQuit);
  applyScreenRequest();
  int exitCode = 0;
  drainMessages(accelerators_, exitCode);
  shutDown(accelerators_);
  mainWindow = nullptr;
  folder_.reset();
}

void GameFixture::pump() {
  int exitCode = 0;
  for (int round = 0; round < 20; ++round) {
    if (!drainMessages(accelerators_, exitCode)) return;
    const ScreenId wanted = requestedScreen();
    if (wanted == ScreenNone || wanted == currentScreen()) return;
    applyScreenRequest();
  }
}

void GameFixture::command(int id) {
  SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  pump();
}

void GameFixture::key(WORD virtualKey, bool control) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  const BYTE previous = state[VK_CONTROL];
  if (control) state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  PostMessageA(mainWindow, WM_KEYDOWN, virtualKey, 1);
  int exitCode = 0;
  drainMessages(accelerators_, exitCode);
  state[VK_CONTROL] = previous;
  SetKeyboardState(state);
  pump();
}

void GameFixture::press(WORD virtualKey) {
  HWND focus = GetFocus();
  ASSERT_NE(focus, nullptr) << "no window has the keyboard";
  PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
  PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
  pump();
}

std::string GameFixture::folderOf(const std::string& name) {
  std::string base;
  for (char c : name) base += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return base;
}

void GameFixture::addSet(const std::string& name, const std::vector<std::string>& levels,
                         bool locked, const std::string& code, uint8_t progress) {
  const std::string folder = folderOf(name);
  CreateDirectoryA(("levels\\" + folder).c_str(), nullptr);
  const std::string levelFile = ".\\levels\\" + folder + "\\levels.dat";
  writeSetFile(levelFile, levels);
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(levelFile));
  if (!code.empty()) {
    ASSERT_TRUE(set.setCompletionCode(true, code));
  }
  if (progress != 0) {
    ASSERT_TRUE(set.setProgress(progress));
  }
  set.close();
  PuzzleSetEntry entry{".\\levels\\" + folder + "\\", name,
                       ".\\levels\\" + folder + ".trelux", !locked};
  ASSERT_TRUE(writeDescriptor(entry));
}

void GameFixture::describeLevel(const std::string& name, int index,
                                const std::string& description) {
  PuzzleSetFile set;
  ASSERT_TRUE(set.open(".\\levels\\" + folderOf(name) + "\\levels.dat"));
  LevelGrid grid;
  ASSERT_TRUE(set.seekLevel(index));
  ASSERT_TRUE(set.readLevel(grid));
  grid.setDescription(true, description);
  ASSERT_TRUE(set.seekLevel(index));
  ASSERT_TRUE(set.writeLevel(grid));
}

SIZE clientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return SIZE{rect.right, rect.bottom};
}

}  // namespace trelux::test
