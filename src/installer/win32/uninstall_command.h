// The uninstall command of the entry among the installed programs:
// "<installation>\uninstall.exe /uninstall", the installer's own program
// copied beside the game. It needs no install package: the list beside it
// names what to remove.
#pragma once

#include <string>

namespace trelux {

// The command line asks for the uninstall.
bool isUninstallCommand(const std::string& arguments);
// Runs it and answers the exit code.
int runUninstallCommand(const std::string& arguments);

}  // namespace trelux
