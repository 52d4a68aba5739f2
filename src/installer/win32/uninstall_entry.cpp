#include "installer/win32/uninstall_entry.h"

#include <windows.h>

namespace trelux {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr const char* kPublisher = "Marblewick";

bool setText(HKEY key, const char* name, const std::string& value) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool setNumber(HKEY key, const char* name, DWORD value) {
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

}  // namespace

bool writeUninstallEntry(const UninstallEntry& entry) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, (kUninstallKey + entry.subkey).c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  // The size is counted in kilobytes.
  const DWORD kilobytes = static_cast<DWORD>((entry.bytes + 1023) / 1024);
  const bool written =
      setText(key, "DisplayName", entry.name) && setText(key, "Publisher", kPublisher) &&
      setText(key, "DisplayIcon", entry.program) &&
      setText(key, "DisplayVersion", TRELUX_VERSION) && setNumber(key, "EstimatedSize", kilobytes) &&
      setText(key, "InstallLocation", entry.directory) &&
      setText(key, "UninstallString", "\"" + entry.uninstaller + "\" /uninstall") &&
      setNumber(key, "NoModify", 1) && setNumber(key, "NoRepair", 1);
  RegCloseKey(key);
  return written;
}

void deleteUninstallEntry(const std::string& subkey) {
  RegDeleteKeyA(HKEY_CURRENT_USER, (kUninstallKey + subkey).c_str());
}

}  // namespace trelux
