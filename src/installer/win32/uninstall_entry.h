// The game among the installed programs: an entry below
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall, per
// user like the installation itself, whose command removes exactly what was
// installed.
#pragma once

#include <cstdint>
#include <string>

namespace trelux {

struct UninstallEntry {
  std::string subkey;       // the entry's key name (QXSUBDIR)
  std::string name;         // PROGRAM
  std::string directory;    // with its trailing backslash
  std::string program;      // the installed program, for the icon
  std::string uninstaller;  // the uninstall program
  uint64_t bytes = 0;
};

// False when the registry refused it.
bool writeUninstallEntry(const UninstallEntry& entry);
void deleteUninstallEntry(const std::string& subkey);

}  // namespace trelux
