#include "installer/win32/installer_program.h"

#include "installer/install_failure.h"
#include "installer/package_reader.h"
#include "installer/win32/installer_messages.h"
#include "installer/win32/installer_screens.h"
#include "installer/win32/installer_state.h"
#include "installer/win32/installer_window.h"
#include "installer/win32/package_library.h"
#include "installer/win32/registry_record.h"

namespace trelux {
namespace {

constexpr const char* kPackageFile = "INSTALL.DLL";
constexpr const char* kBackgroundName = "BACKGROUND";
constexpr int kFontHeight = 18;
// Faces tried in order, as the game's menu buttons choose theirs.
const char* const kFontFaces[] = {"Courier New", "Courier", "Monospace", "Fixedsys"};

void showStartError(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), kInstallErrorCaption, MB_ICONERROR);
}

// The six texts; a missing one ends the start with its name.
bool readTexts(InstallerTexts& texts) {
  const LibraryModule package(installer().package, false);
  struct Wanted {
    const char* name;
    std::string* text;
  };
  const Wanted wanted[] = {{"PROGRAM", &texts.program},   {"DEFDIR", &texts.directory},
                           {"REGKEY", &texts.registryKey}, {"EXECUTE", &texts.execute},
                           {"QXSUBDIR", &texts.subkey},    {"LICENSE", &texts.license}};
  for (const Wanted& text : wanted) {
    if (!hasResource(package, text.name)) {
      showStartError(incompletePackageMessage(text.name, false));
      return false;
    }
    *text.text = readText(package, text.name);
  }
  return true;
}

bool loadBackground() {
  Installer& state = installer();
  state.background = LoadBitmapA(state.package, kBackgroundName);
  if (!state.background) {
    showStartError(incompletePackageMessage(kBackgroundName, true));
    return false;
  }
  state.backgroundDc = CreateCompatibleDC(nullptr);
  state.previousBitmap = SelectObject(state.backgroundDc, state.background);
  return true;
}

void createFont() {
  Installer& state = installer();
  for (const char* face : kFontFaces) {
    state.font = CreateFontA(kFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, face);
    if (state.font) return;
  }
}

std::string currentDirectory() {
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof directory, directory);
  return directory;
}

}  // namespace

std::string incompletePackageMessage(const std::string& name, bool picture) {
  return "The install package lacks its " + name + (picture ? " picture" : " text") +
         ".\nPlease get a complete copy of this program.";
}

bool startInstaller(HINSTANCE instance, int& exitCode) {
  Installer& state = installer();
  state = Installer{};
  state.instance = instance;
  exitCode = 0;
  state.package = LoadLibraryA(kPackageFile);
  if (!state.package) {
    showStartError(kMissingPackageMessage);
    return false;
  }
  exitCode = kIncompletePackageExitCode;
  if (!readTexts(state.texts) || !loadBackground()) {
    shutDownInstaller();
    return false;
  }
  exitCode = 0;
  state.installed = isInstalled(state.texts.registryKey);
  createFont();
  if (!registerInstallerClass() || !(state.window = createInstallerWindow())) {
    shutDownInstaller();
    return false;
  }
  state.sourceDirectory = currentDirectory();
  showScreen(state.installed ? ScreenInstalled : ScreenNotInstalled);
  return true;
}

// Waits for each message: polling the queue would keep a processor busy
// for as long as the window is open.
int runInstallerLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    // The queue could not be read; message holds nothing to answer with,
    // and asking again would only fail again.
    if (got == -1) return kMessageLoopFailedExitCode;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void shutDownInstaller() {
  Installer& state = installer();
  if (state.window && IsWindow(state.window)) DestroyWindow(state.window);
  unregisterInstallerClass();
  if (state.package) FreeLibrary(state.package);
  if (state.backgroundDc) {
    SelectObject(state.backgroundDc, state.previousBitmap);
    DeleteDC(state.backgroundDc);
  }
  if (state.background) DeleteObject(state.background);
  if (state.font) DeleteObject(state.font);
  state = Installer{};
}

int runInstaller(HINSTANCE instance) {
  int exitCode = 0;
  if (!startInstaller(instance, exitCode)) return exitCode;
  exitCode = runInstallerLoop();
  shutDownInstaller();
  return exitCode;
}

}  // namespace trelux
