#include "installer/win32/registry_record.h"

#include "installer/install_failure.h"
#include "installer/win32/installer_messages.h"

namespace trelux {
namespace {

constexpr const char* kValueName = "installed";
constexpr const char* kRecordParent = "Software\\Marblewick\\";
// The value as read: the installation directory, at most 259 characters.
constexpr DWORD kDirectoryBuffer = 260;

}  // namespace

bool isInstalled(const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
    return false;
  RegCloseKey(opened);
  return true;
}

void recordInstallation(const std::string& key, const std::string& directory) {
  HKEY created = nullptr;
  LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) throw SUPEREXCEPTION{"RegCreateKeyEx(REGKEY)", static_cast<uint32_t>(status)};
  // Stored with its terminating zero.
  status = RegSetValueExA(created, kValueName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(directory.c_str()),
                          static_cast<DWORD>(directory.size() + 1));
  RegCloseKey(created);
  if (status != ERROR_SUCCESS) throw SUPEREXCEPTION{"RegSetValueEx(installed)", static_cast<uint32_t>(status)};
}

std::optional<std::string> readInstallationDirectory(HWND owner, const std::string& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ALL_ACCESS, &opened);
  if (status != ERROR_SUCCESS) {
    // The registry answers with its code rather than setting the last error.
    const std::string text = "Couldn't open registry key " + key + ".\nError code: " + std::to_string(status);
    MessageBoxA(owner, text.c_str(), kErrorCaption, MB_ICONERROR);
    return std::nullopt;
  }
  char buffer[kDirectoryBuffer] = {};
  DWORD size = sizeof buffer - 1;  // room for a zero the value may lack
  DWORD type = 0;
  const LONG read = RegQueryValueExA(opened, kValueName, nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(opened);
  if (read != ERROR_SUCCESS || type != REG_SZ) {
    MessageBoxA(owner, kNoProgramFilesMessage, kErrorCaption, MB_ICONERROR);
    return std::nullopt;
  }
  return std::string(buffer);
}

void deleteInstallationRecord(const std::string& subkey) {
  // Opened, not created: an uninstall leaves no key it did not find.
  HKEY parent = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRecordParent, 0, KEY_ALL_ACCESS, &parent) != ERROR_SUCCESS)
    return;
  RegDeleteKeyA(parent, subkey.c_str());
  DWORD subkeys = 1;
  DWORD values = 1;
  const bool empty = RegQueryInfoKeyA(parent, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                      &values, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                     subkeys == 0 && values == 0;
  RegCloseKey(parent);
  // The publisher's key holds nothing of anyone's now.
  if (empty) RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marblewick");
}

}  // namespace trelux
