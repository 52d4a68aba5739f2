// The record of an installation: a key below HKEY_CURRENT_USER whose value
// "installed" holds the installation directory with its trailing backslash.
// The key's existence means "installed".
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace trelux {

bool isInstalled(const std::string& key);
// Creates or opens the key and sets its value; throws a SUPEREXCEPTION when
// the registry refuses, so that no installation is reported without its record.
void recordInstallation(const std::string& key, const std::string& directory);
// The recorded directory; nullopt after an error box (owned by owner) has
// said why there is none.
std::optional<std::string> readInstallationDirectory(HWND owner, const std::string& key);
// Deletes subkey below "Software\Marblewick\", then "Software\Marblewick"
// itself when nothing else is in it; failures are ignored.
void deleteInstallationRecord(const std::string& subkey);

}  // namespace trelux
