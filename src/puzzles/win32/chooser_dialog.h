// The "Choose Puzzle Set" dialog over the catalogue.
#pragma once

#include <windows.h>

#include <string>

namespace trelux {

// True when the user picked a set: levelFile is its folder + "levels.dat",
// and descriptorFile and folder are filled when asked for.
bool choosePuzzleSet(std::string& levelFile, HINSTANCE instance, HWND parent, bool includeLocked,
                     std::string* descriptorFile = nullptr, std::string* folder = nullptr);

}  // namespace trelux
