// The installer's real code on the real install package under Wine: its
// screens, the installation into a directory with spaces, the registry
// record, Play starting the installed game, the uninstall, and the starts
// that end with a message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/win32/installer_fixture.h"
#include "installer/win32/installer_program.h"
#include "installer/win32/installer_screens.h"
#include "installer/win32/installer_state.h"
#include "installer/win32/installer_window.h"
#include "installer/win32/start_menu.h"
#include "support/scratch_folder.h"
#include "support/win32/dialog_answerer.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;

const std::set<int> kNotInstalledScreen{kInstallButton, kQuitButton};
const std::set<int> kInstalledScreen{kPlayButton, kUninstallButton, kQuitButton};
const std::set<int> kDirectoryScreen{kDirectoryEdit, kInstallHereButton, kCancelButton};

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

DialogStep answer(const char* caption, int button) {
  DialogStep step;
  step.caption = caption;
  step.button = button;
  return step;
}

class InstallerTest : public InstallerFixture {};

TEST_F(InstallerTest, FirstStartShowsTheNotInstalledScreenInAFourHundredPixelWindow) {
  HWND window = installer().window;
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "Zorvik");
  EXPECT_EQ(windowText(window), "Trelux");
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 400);
  EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 200);
  EXPECT_EQ(controls(), kNotInstalledScreen);
  EXPECT_EQ(windowText(GetDlgItem(window, kInstallButton)), "Install");
}

TEST_F(InstallerTest, InstallsEveryFileOfTheGameFolderIntoADirectoryWithSpaces) {
  const std::string license = fileText(TRELUX_TEST_LICENSE);
  DialogAnswerer dialogs;
  DialogStep agree = answer("License Agreement", IDYES);
  agree.text = license.substr(0, license.find_last_not_of("\r\n") + 1);
  dialogs.expect(agree);
  dialogs.expectMessage("Success!", "\n              Installation complete!              \n");

  command(kInstallButton);
  EXPECT_EQ(controls(), kDirectoryScreen);
  // The package's default, %LOCALAPPDATA%\Programs\Trelux, as this user's folder.
  EXPECT_EQ(windowText(installer().window, kDirectoryEdit),
            std::string(std::getenv("LOCALAPPDATA")) + "\\Programs\\Trelux");
  SetDlgItemTextA(installer().window, kDirectoryEdit, installDirectory().c_str());
  command(kInstallHereButton);
  dialogs.verify();

  EXPECT_EQ(controls(), kInstalledScreen);
  EXPECT_EQ(recordedDirectory(), installDirectory() + "\\");
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(TRELUX_TEST_GAME_DIR)) {
    if (!entry.is_regular_file()) continue;
    const fs::path installed =
        fs::path(installDirectory()) / fs::relative(entry.path(), TRELUX_TEST_GAME_DIR);
    EXPECT_EQ(fileText(installed), fileText(entry.path())) << installed;
    ++files;
  }
  EXPECT_GE(files, 10);
}

TEST_F(InstallerTest, CancelReturnsToTheScreenOfTheInstalledState) {
  DialogAnswerer dialogs;
  dialogs.expect(answer("License Agreement", IDNO));
  command(kInstallButton);
  command(kInstallHereButton);
  dialogs.verify();
  EXPECT_EQ(controls(), kDirectoryScreen) << "No leaves the directory screen as it was";
  command(kCancelButton);
  EXPECT_EQ(controls(), kNotInstalledScreen);

  installInto(installDirectory());
  command(kInstallButton);
  command(kCancelButton);
  EXPECT_EQ(controls(), kInstalledScreen);
}

TEST_F(InstallerTest, SecondStartShowsTheInstalledScreen) {
  installInto(installDirectory());
  stop();
  start();
  EXPECT_EQ(controls(), kInstalledScreen);
}

constexpr const char* kGameClass = "_______treluX-c_las_s";

// The game's main menu: its window, visible, with the "New Game" button.
HWND gameMenu() {
  HWND game = FindWindowA(kGameClass, "Trelux");
  if (!game || !IsWindowVisible(game)) return nullptr;
  return FindWindowExA(game, nullptr, "button", "New Game") ? game : nullptr;
}

// Closes the game as its window's close box does (on the menu that ends it)
// and waits for its process; true when it ended.
bool closeGame(HWND game) {
  DWORD processId = 0;
  GetWindowThreadProcessId(game, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(game, WM_CLOSE, 0, 0);
  const bool ended = process && WaitForSingleObject(process, 30000) == WAIT_OBJECT_0;
  if (process) CloseHandle(process);
  return ended;
}

TEST_F(InstallerTest, PlayStartsTheInstalledGameAndEndsTheInstaller) {
  installInto(installDirectory());
  command(kPlayButton);
  EXPECT_FALSE(IsWindow(installer().window));
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

  HWND menu = nullptr;
  for (int tries = 0; tries < 300 && !(menu = gameMenu()); ++tries) Sleep(100);
  EXPECT_NE(menu, nullptr) << "the installed game shows no main menu";
  // Whatever did start must not outlive the test.
  HWND game = menu ? menu : FindWindowA(kGameClass, nullptr);
  if (game) {
    EXPECT_TRUE(closeGame(game)) << "the game did not end";
  }
}

// The files were found; only the program did not start. Closing would look
// as if the game had started.
TEST_F(InstallerTest, PlayWhoseProgramDoesNotStartSaysSoAndStays) {
  installInto(installDirectory());
  const std::string program = installDirectory() + "\\trelux.exe";
  fs::remove(program);
  DialogAnswerer dialogs;
  dialogs.expect(answer("Error", IDOK));
  command(kPlayButton);
  dialogs.verify();
  ASSERT_EQ(dialogs.seen().size(), 1u);
  EXPECT_THAT(dialogs.seen()[0].text,
              testing::StartsWith("Unable to start " + program + ".\nError code: "));
  EXPECT_TRUE(IsWindow(installer().window));
  EXPECT_EQ(controls(), kInstalledScreen);
}

TEST_F(InstallerTest, UninstallRemovesTheFilesAndTheRecordButNotAFileOfTheUsers) {
  installInto(installDirectory());
  const fs::path installed = installDirectory();
  std::ofstream(installed / "levels" / "training" / "notes.txt") << "my notes";
  DialogAnswerer dialogs;
  DialogStep confirm = answer("Confirm uninstall", IDYES);
  confirm.text = "Do you really want to uninstall this program?";
  dialogs.expect(confirm);
  dialogs.expectMessage("Success", "Uninstall successful.");
  command(kUninstallButton);
  dialogs.verify();

  EXPECT_EQ(controls(), kNotInstalledScreen);
  EXPECT_EQ(recordedDirectory(), "");
  EXPECT_FALSE(installer().installed);
  EXPECT_EQ(fileText(installed / "levels" / "training" / "notes.txt"), "my notes");
  EXPECT_FALSE(fs::exists(installed / "levels" / "training" / "levels.dat"));
  EXPECT_FALSE(fs::exists(installed / "levels" / "spectrum"));
  EXPECT_FALSE(fs::exists(installed / "trelux.exe"));
  EXPECT_TRUE(fs::is_directory(installed));
}

std::string entryValue(const char* name) {
  char value[MAX_PATH * 2] = {};
  DWORD size = sizeof value - 1;
  RegGetValueA(HKEY_CURRENT_USER, kUninstallEntry, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

TEST_F(InstallerTest, InstalledGameHasAShortcutAndAnEntryThatUninstallRemoves) {
  installInto(installDirectory());
  const std::string directory = installDirectory() + "\\";
  EXPECT_EQ(entryValue("DisplayName"), "Trelux");
  EXPECT_EQ(entryValue("Publisher"), "Marblewick");
  EXPECT_EQ(entryValue("InstallLocation"), directory);
  EXPECT_EQ(entryValue("UninstallString"), "\"" + directory + "uninstall.exe\" /uninstall");
  EXPECT_TRUE(fs::exists(directory + "uninstall.exe"));
  const std::string shortcut = startMenuShortcut("Trelux");
  EXPECT_TRUE(fs::exists(shortcut));

  DialogAnswerer dialogs;
  dialogs.expect(answer("Confirm uninstall", IDYES));
  dialogs.expect(answer("Success", IDOK));
  command(kUninstallButton);
  dialogs.verify();
  EXPECT_FALSE(fs::exists(shortcut));
  EXPECT_EQ(entryValue("DisplayName"), "");
  HKEY publisher = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Marblewick", 0, KEY_READ, &publisher), ERROR_SUCCESS);
  // The installation made "Program Files" and its child: both go.
  EXPECT_FALSE(fs::exists(fs::path(installDirectory()).parent_path()));
}

TEST_F(InstallerTest, UninstallAfterTheFolderWasDeletedDoesNotMakeItAgain) {
  installInto(installDirectory());
  fs::remove_all(installDirectory());
  DialogAnswerer dialogs;
  dialogs.expect(answer("Confirm uninstall", IDYES));
  dialogs.expectMessage("Success", "Uninstall successful.");
  command(kUninstallButton);
  dialogs.verify();
  EXPECT_FALSE(fs::exists(installDirectory()));
  EXPECT_FALSE(fs::exists(startMenuShortcut("Trelux")));
  EXPECT_EQ(recordedDirectory(), "");
  EXPECT_EQ(entryValue("DisplayName"), "");
}

TEST_F(InstallerTest, WithoutItsRecordPlayAndUninstallOnlyShowTheirError) {
  installInto(installDirectory());
  deleteRecord();
  const std::string noKey = "Couldn't open registry key Software\\Marblewick\\Trelux.\nError code: 2";
  DialogAnswerer dialogs;
  dialogs.expectMessage("Error", noKey);
  dialogs.expect(answer("Confirm uninstall", IDYES));
  dialogs.expectMessage("Error", noKey);
  command(kPlayButton);
  command(kUninstallButton);
  dialogs.verify();
  EXPECT_TRUE(IsWindow(installer().window));
  EXPECT_EQ(controls(), kInstalledScreen);
  EXPECT_TRUE(fs::exists(fs::path(installDirectory()) / "trelux.exe"));

  // A key without its value.
  HKEY key = nullptr;
  RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Marblewick\\Trelux", &key);
  RegCloseKey(key);
  dialogs.expectMessage("Error", "Unable to locate installed program files.");
  command(kPlayButton);
  dialogs.verify();
}

// Before the agreement: a relative folder would land in the package's own.
TEST_F(InstallerTest, RelativeDirectoryIsRefusedAndNothingIsWritten) {
  DialogAnswerer dialogs;
  dialogs.expect(answer("Error", IDOK));
  command(kInstallButton);
  SetDlgItemTextA(installer().window, kDirectoryEdit, "MyGame");
  command(kInstallHereButton);
  dialogs.verify();
  ASSERT_EQ(dialogs.seen().size(), 1u);
  EXPECT_THAT(dialogs.seen()[0].text, testing::HasSubstr("C:\\Games\\Trelux"));
  EXPECT_EQ(controls(), kDirectoryScreen);
  EXPECT_FALSE(fs::exists("MyGame"));
  EXPECT_EQ(recordedDirectory(), "");
}

TEST_F(InstallerTest, FailedInstallationShowsItsErrorAndTheNotInstalledScreen) {
  const std::string blocker = fs::current_path().string() + "\\blocker";
  std::ofstream(blocker) << "a file where a directory should be";
  DialogAnswerer dialogs;
  dialogs.expect(answer("License Agreement", IDYES));
  dialogs.expect(answer("Error", IDOK));
  command(kInstallButton);
  SetDlgItemTextA(installer().window, kDirectoryEdit, (blocker + "\\Trelux").c_str());
  command(kInstallHereButton);
  dialogs.verify();
  ASSERT_EQ(dialogs.seen().size(), 2u);
  const std::string failure =
      "An error has occurred during the install process.\nPlease reinstall this program.\n\n"
      "Error: SetCurrentDirectory(installdirectory)\nError Code: ";
  const std::string& text = dialogs.seen()[1].text;
  EXPECT_THAT(text, testing::StartsWith(failure));
  EXPECT_GT(std::atoi(text.c_str() + std::min(text.size(), failure.size())), 0) << "the system's code";
  EXPECT_EQ(controls(), kNotInstalledScreen);
  EXPECT_EQ(recordedDirectory(), "");
}

// --- Starts that end with a message --------------------------------------

// Counts the installer windows made while it lives.
class WindowCounter {
 public:
  WindowCounter() {
    count_ = 0;
    hook_ = SetWindowsHookExA(WH_CBT, hook, nullptr, GetCurrentThreadId());
  }
  ~WindowCounter() { UnhookWindowsHookEx(hook_); }
  int count() const { return count_; }

 private:
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      char className[32] = {};
      GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
      if (std::string(className) == kInstallerClass) ++count_;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int count_ = 0;
  HHOOK hook_;
};

int runWith(const char* package) {
  if (package) fs::copy_file(package, "INSTALL.DLL");
  return runInstaller(GetModuleHandleA(nullptr));
}

TEST(InstallerStart, WithoutThePackageItSaysSoAndEndsBeforeAnyWindow) {
  ScratchFolder folder;
  WindowCounter windows;
  DialogAnswerer dialogs;
  dialogs.expectMessage("Install Error",
                        "The installation program could not locate the install package.\nIf you "
                        "downloaded a compressed version of this program, please extract it before "
                        "running.");
  EXPECT_EQ(runWith(nullptr), 0);
  dialogs.verify();
  EXPECT_EQ(windows.count(), 0);
}

TEST(InstallerStart, PackageWithoutAStartupTextOrTheBackgroundNamesItAndFails) {
  ScratchFolder folder;
  WindowCounter windows;
  DialogAnswerer dialogs;
  dialogs.expectMessage("Install Error",
                        "The install package lacks its LICENSE text.\nPlease get a complete copy "
                        "of this program.");
  EXPECT_EQ(runWith(TRELUX_TEST_BROKEN_DIR "\\no_license.dll"), kIncompletePackageExitCode);
  fs::remove("INSTALL.DLL");
  dialogs.expectMessage("Install Error",
                        "The install package lacks its BACKGROUND picture.\nPlease get a complete "
                        "copy of this program.");
  EXPECT_EQ(runWith(TRELUX_TEST_BROKEN_DIR "\\no_background.dll"), kIncompletePackageExitCode);
  dialogs.verify();
  EXPECT_EQ(windows.count(), 0);
}

// The message box another process shows, or null.
struct ProcessBox {
  DWORD processId;
  HWND box;
};
BOOL CALLBACK findProcessBox(HWND window, LPARAM found) {
  auto* wanted = reinterpret_cast<ProcessBox*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner != wanted->processId || std::string(className) != "#32770") return TRUE;
  wanted->box = window;
  return FALSE;
}

// installer.exe itself: whoever started it must tell a package it could
// not show from a clean end.
TEST(InstallerStart, ProgramOnAnIncompletePackageEndsWithAFailureCode) {
  ScratchFolder folder;
  fs::copy_file(TRELUX_TEST_PACKAGE_DIR "\\installer.exe", "installer.exe");
  fs::copy_file(TRELUX_TEST_BROKEN_DIR "\\no_license.dll", "INSTALL.DLL");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  char commandLine[] = "installer.exe";
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  ProcessBox found{process.dwProcessId, nullptr};
  for (int tries = 0; tries < 300 && !found.box; ++tries) {
    if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
    EnumWindows(findProcessBox, reinterpret_cast<LPARAM>(&found));
  }
  EXPECT_NE(found.box, nullptr) << "no message box";
  if (found.box) {
    char caption[64] = {};
    SendMessageA(found.box, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
    EXPECT_STREQ(caption, "Install Error");
    PostMessageA(found.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_TRUE(ended);
  EXPECT_EQ(exitCode, static_cast<DWORD>(kIncompletePackageExitCode));
  EXPECT_NE(exitCode, 0u);
}

}  // namespace
}  // namespace trelux::test
