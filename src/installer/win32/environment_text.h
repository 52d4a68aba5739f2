// Folder names with environment variables in them ("%LOCALAPPDATA%\Programs"):
// the package's default directory holds one, so that it names a folder of
// the user's own on any machine, and the player may type them too.
#pragma once

#include <string>

namespace trelux {

// text with each %NAME% replaced by the variable's value (ANSI code page);
// names that are not set stay as written.
std::string expandEnvironment(const std::string& text);

}  // namespace trelux
