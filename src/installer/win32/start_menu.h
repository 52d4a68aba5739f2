// The Start-menu shortcut of the installed game, in the user's own Programs
// folder (the installation is per user).
#pragma once

#include <string>

namespace trelux {

// "<the user's Start menu>\Programs\<name>.lnk"; empty when the system
// names no such folder.
std::string startMenuShortcut(const std::string& name);
// A shortcut at link that starts program in directory; false when it could
// not be made.
bool createShortcut(const std::string& link, const std::string& program, const std::string& directory);

}  // namespace trelux
