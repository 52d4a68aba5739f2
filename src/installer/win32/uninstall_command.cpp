#include "installer/win32/uninstall_command.h"

#include <windows.h>

#include "base/files.h"
#include "base/text.h"
#include "installer/uninstall_list.h"
#include "installer/win32/installed_program.h"
#include "installer/win32/installer_messages.h"

namespace trelux {
namespace {

constexpr const char* kSwitch = "/uninstall";
constexpr DWORD kParentWait = 10000;

std::string ownPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return length > 0 && length < sizeof path ? path : "";
}

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

// What follows the switch: the quoted installation folder and the process
// to wait for, given only to the copy that does the work.
struct Arguments {
  std::string folder;
  DWORD parent = 0;
};

Arguments parse(const std::string& arguments) {
  Arguments parsed;
  std::string rest = trimBlanks(std::string_view(arguments).substr(std::string(kSwitch).size()));
  if (rest.empty() || rest.front() != '"') return parsed;
  const size_t close = rest.find('"', 1);
  if (close == std::string::npos) return parsed;
  parsed.folder = rest.substr(1, close - 1);
  parsed.parent = static_cast<DWORD>(parseLeadingInt(rest.substr(close + 1)));
  return parsed;
}

// A running program cannot delete itself: a copy in the temporary folder
// does the work once this one has ended.
int handOver(const std::string& folder) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string copy =
      std::string(temp) + "trelux-uninstall-" + std::to_string(GetCurrentProcessId()) + ".exe";
  if (!copyFileBytes(ownPath(), copy)) return 1;
  // Without its last backslash, which would escape the closing quote for
  // whoever reads the line as C programs do.
  std::string command = "\"" + copy + "\" " + kSwitch + " \"" +
                        folder.substr(0, folder.size() - 1) + "\" " +
                        std::to_string(GetCurrentProcessId());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp,
                      &startup, &process))
    return 1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

int uninstallFrom(const Arguments& arguments) {
  if (HANDLE parent = OpenProcess(SYNCHRONIZE, FALSE, arguments.parent)) {
    WaitForSingleObject(parent, kParentWait);
    CloseHandle(parent);
  }
  if (MessageBoxA(nullptr, kConfirmUninstallMessage, kConfirmUninstallCaption,
                  MB_ICONQUESTION | MB_YESNO) != IDYES)
    return 0;
  const UninstallList list = installedList(arguments.folder + "\\");
  if (list.subkey.empty()) {
    MessageBoxA(nullptr, kNoProgramFilesMessage, kErrorCaption, MB_ICONERROR);
    return 1;
  }
  removeInstallation(list, list.subkey);
  MessageBoxA(nullptr, kUninstalledMessage, kUninstalledCaption, MB_ICONINFORMATION);
  // This copy goes at the next start where the system allows it.
  MoveFileExA(ownPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  return 0;
}

}  // namespace

bool isUninstallCommand(const std::string& arguments) {
  const size_t length = std::string_view(kSwitch).size();
  return equalsIgnoreAsciiCase(std::string_view(arguments).substr(0, length), kSwitch);
}

int runUninstallCommand(const std::string& arguments) {
  const Arguments parsed = parse(arguments);
  if (parsed.folder.empty()) return handOver(folderOf(ownPath()));
  return uninstallFrom(parsed);
}

}  // namespace trelux
