// The installer program from start to end: the package and its texts, the
// background, the window on its first screen, the message loop, and the
// release of it all.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

// A package that lacks a start-up text or the background cannot be shown:
// the installer says what is missing and ends with this code. Without any
// package it ends with 0.
inline constexpr int kIncompletePackageExitCode = 1;
// The message queue could not be read.
inline constexpr int kMessageLoopFailedExitCode = 2;

int runInstaller(HINSTANCE instance);

// Start-up up to the first screen. False when the installer must end
// (after its message), with the exit code in exitCode.
bool startInstaller(HINSTANCE instance, int& exitCode);
// Handles messages until WM_QUIT and answers its code, or
// kMessageLoopFailedExitCode when the queue cannot be read.
int runInstallerLoop();
// Frees the package, the background and the font; unregisters the class.
void shutDownInstaller();

// The message for a package without resource name ("LICENSE", "BACKGROUND").
std::string incompletePackageMessage(const std::string& name, bool picture);

}  // namespace trelux
