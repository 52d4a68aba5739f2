// The list an installation leaves beside the game, with a copy of the
// installer as its uninstall program: what to remove once the install
// package is no longer at hand (the downloaded folder deleted, say), so that
// the entry among the installed programs can still take the game away, and
// take exactly what was installed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelux {

inline constexpr const char* kUninstallListName = "uninstall.dat";
inline constexpr const char* kUninstallProgramName = "uninstall.exe";

struct UninstallList {
  std::string subkey;                // below "Software\Marblewick\" and the system's Uninstall key
  std::string shortcut;              // the Start-menu shortcut; empty when none was made
  std::vector<std::string> files;    // Windows paths
  std::vector<std::string> folders;  // parents first
};

// One line per entry ("file C:\Games\Trelux\trelux.exe"), CR LF ends.
std::string uninstallListText(const UninstallList& list);
// Lines it does not know are skipped.
UninstallList parseUninstallList(std::string_view text);

// Removes the files and the shortcut, then each folder that is empty by
// then, deepest first; what cannot be removed stays, without complaint.
void removeListed(const UninstallList& list);

}  // namespace trelux
