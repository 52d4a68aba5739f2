// What makes the installed game a program of the system beyond its files:
// the uninstall program with its list, the registry record, the entry among
// the installed programs and the Start-menu shortcut; and their removal.
#pragma once

#include <string>

#include "installer/created_paths.h"
#include "installer/installation.h"
#include "installer/uninstall_list.h"

namespace trelux {

// Runs as the installation's finish: the uninstall program and list are
// written through made, so a failure takes them away with the rest. Throws
// a SUPEREXCEPTION when they or the registry record cannot be written; the
// entry and the shortcut are conveniences, and their failure is not one.
void registerInstallation(const InstallRecord& record, CreatedPaths& made);

// The list an installation left in directory (with its trailing
// backslash); empty when there is none, as after an older installer.
UninstallList installedList(const std::string& directory);
// Removes what the list names, the shortcut, the uninstall entry and the
// registry record of subkey (with the Marblewick key when empty).
void removeInstallation(const UninstallList& list, const std::string& subkey);

}  // namespace trelux
