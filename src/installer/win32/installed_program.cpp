#include "installer/win32/installed_program.h"

#include <windows.h>

#include <optional>

#include "base/files.h"
#include "installer/install_failure.h"
#include "installer/win32/installer_state.h"
#include "installer/win32/registry_record.h"
#include "installer/win32/start_menu.h"
#include "installer/win32/uninstall_entry.h"

namespace trelux {
namespace {

constexpr const char* kWriteStep = "f=fopen(ptr,\"wb\")";

void writeOrFail(CreatedPaths& made, const std::string& directory, const std::string& path,
                 std::string_view bytes) {
  if (!made.writeFile(path, bytes))
    throw SUPEREXCEPTION{kWriteStep, made.lastError(),
                         unwritableFolderText(directory, made.lastError())};
}

// This very program serves as the uninstall program: the package it was
// started from may be gone by the time the player uninstalls.
std::string ownProgram() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::optional<std::string> bytes;
  if (length > 0 && length < sizeof path) bytes = readFileBytes(path);
  if (!bytes) throw SUPEREXCEPTION{"GetModuleFileName", GetLastError()};
  return *bytes;
}

}  // namespace

void registerInstallation(const InstallRecord& record, CreatedPaths& made) {
  const Installer& state = installer();
  const std::string& directory = record.directory;
  const std::string uninstaller = directory + kUninstallProgramName;
  const std::string listFile = directory + kUninstallListName;
  UninstallList list{state.texts.subkey, startMenuShortcut(state.texts.program), record.files,
                     record.folders};
  list.files.push_back(uninstaller);
  list.files.push_back(listFile);
  const std::string program = ownProgram();
  writeOrFail(made, directory, uninstaller, program);
  const std::string text = uninstallListText(list);
  writeOrFail(made, directory, listFile, text);
  recordInstallation(state.texts.registryKey, directory);

  const std::string game = directory + state.texts.execute;
  writeUninstallEntry({state.texts.subkey, state.texts.program, directory, game, uninstaller,
                       record.bytes + program.size() + text.size()});
  if (!list.shortcut.empty()) createShortcut(list.shortcut, game, directory);
}

UninstallList installedList(const std::string& directory) {
  const std::optional<std::string> text = readFileBytes(directory + kUninstallListName);
  return text ? parseUninstallList(*text) : UninstallList{};
}

void removeInstallation(const UninstallList& list, const std::string& subkey) {
  removeListed(list);
  deleteUninstallEntry(subkey);
  deleteInstallationRecord(subkey);
}

}  // namespace trelux
