// What the installer window's buttons do: install (after the directory and
// the agreement), play, uninstall (after a question) and quit.
#pragma once

namespace trelux {

void onInstallerCommand(int id);

// The installation of the directory in installer().installationDirectory:
// the files, the registry record, the message, and the next screen.
void install();
// Starts the installed program and ends the installer.
void play();
void uninstall();

}  // namespace trelux
