#include "installer/win32/installer_commands.h"

#include "base/files.h"
#include "base/text.h"
#include "installer/install_directory.h"
#include "installer/install_failure.h"
#include "installer/installation.h"
#include "installer/package_contents.h"
#include "installer/uninstallation.h"
#include "installer/win32/environment_text.h"
#include "installer/win32/installed_program.h"
#include "installer/win32/installer_messages.h"
#include "installer/win32/installer_screens.h"
#include "installer/win32/installer_state.h"
#include "installer/win32/package_library.h"
#include "installer/win32/registry_record.h"
#include "installer/win32/start_menu.h"

namespace trelux {
namespace {

// WinExec answers 32 or more when the program started.
constexpr UINT kWinExecStarted = 32;

// The edit field's text, at most 259 characters, with its environment
// variables expanded and without the blanks around it.
std::string typedDirectory() {
  char text[MAX_PATH] = {};
  GetDlgItemTextA(installer().window, kDirectoryEdit, text, sizeof text);
  return trimBlanks(expandEnvironment(text));
}

// The message refusing directory, if any. A package that cannot be read
// gives no lengths here: the installation itself then says what is wrong.
std::optional<std::string> refusalOf(const std::string& directory) {
  LibrarySource source(installer().package);
  InstalledNameLengths names;
  try {
    names = longestInstalledNames(readPackageContents(source, FileData::Skip));
  } catch (const PackageError&) {
  } catch (const SUPEREXCEPTION&) {
  }
  return directoryRefusal(directory, names);
}

// Refused before the agreement is asked: nothing is written, and the field
// stays, selected, for the player to type again.
bool refuseDirectory(const std::string& directory) {
  const std::optional<std::string> refusal = refusalOf(directory);
  if (!refusal) return false;
  Installer& state = installer();
  MessageBoxA(state.window, refusal->c_str(), kErrorCaption, MB_ICONERROR);
  HWND field = GetDlgItem(state.window, kDirectoryEdit);
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 0, -1);
  return true;
}

void installHere() {
  Installer& state = installer();
  const std::string directory = typedDirectory();
  if (refuseDirectory(directory)) return;
  const int answer = MessageBoxA(state.window, state.texts.license.c_str(), kLicenseCaption,
                                 MB_ICONQUESTION | MB_YESNO);
  if (answer != IDYES) return;
  state.installationDirectory = directory;
  showScreen(ScreenInstalling);
  install();
}

void askToUninstall() {
  if (MessageBoxA(installer().window, kConfirmUninstallMessage, kConfirmUninstallCaption,
                  MB_ICONQUESTION | MB_YESNO) == IDYES)
    uninstall();
}

}  // namespace

void onInstallerCommand(int id) {
  Installer& state = installer();
  switch (id) {
    case kInstallButton: showScreen(ScreenChooseDirectory); break;
    case kInstallHereButton: installHere(); break;
    case kCancelButton: showScreen(state.installed ? ScreenInstalled : ScreenNotInstalled); break;
    case kPlayButton: play(); break;
    case kQuitButton: DestroyWindow(state.window); break;
    case kUninstallButton: askToUninstall(); break;
  }
}

void install() {
  Installer& state = installer();
  LibrarySource source(state.package);
  const std::optional<std::string> failure = installFailure([&] {
    state.installationDirectory =
        installPackage(source, state.installationDirectory, registerInstallation);
  });
  if (failure) {
    MessageBoxA(state.window, failure->c_str(), kErrorCaption, MB_ICONERROR);
    showScreen(ScreenNotInstalled);
    return;
  }
  MessageBoxA(state.window, kInstallCompleteMessage, kInstallCompleteCaption, MB_OK);
  state.installed = true;
  showScreen(ScreenInstalled);
}

void play() {
  Installer& state = installer();
  const std::optional<std::string> directory =
      readInstallationDirectory(state.window, state.texts.registryKey);
  if (!directory) return;
  changeCurrentFolder(*directory);
  const std::string program = *directory + state.texts.execute;
  // The whole path quoted: installation directories have spaces in them.
  const UINT started = WinExec(("\"" + program + "\"").c_str(), SW_SHOW);
  if (started < kWinExecStarted) {
    // Closing the window then would look as if the game had started.
    changeCurrentFolder(state.sourceDirectory);
    MessageBoxA(state.window, notStartedMessage(program, started).c_str(), kErrorCaption,
                MB_ICONERROR);
    return;
  }
  DestroyWindow(state.window);
}

void uninstall() {
  Installer& state = installer();
  const std::optional<std::string> directory =
      readInstallationDirectory(state.window, state.texts.registryKey);
  if (!directory) return;
  state.installationDirectory = *directory;
  LibrarySource source(state.package);
  const std::optional<std::string> failure = uninstallFailure([&] {
    uninstallPackage(source, state.installationDirectory);
    UninstallList list = installedList(state.installationDirectory);
    // With the folder deleted, its list went too; the shortcut is still ours.
    if (list.shortcut.empty()) list.shortcut = startMenuShortcut(state.texts.program);
    removeInstallation(list, state.texts.subkey);
  });
  if (failure) {
    MessageBoxA(state.window, failure->c_str(), kErrorCaption, MB_ICONERROR);
    return;
  }
  MessageBoxA(state.window, kUninstalledMessage, kUninstalledCaption, MB_ICONINFORMATION);
  state.installed = false;
  showScreen(ScreenNotInstalled);
}

}  // namespace trelux
