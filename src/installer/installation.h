// Installing a package: every component's files written below the
// installation directory, then the compatibility files. The registry record
// and the messages are the Windows side's.
#pragma once

#include <string>

#include "installer/install_source.h"

namespace trelux {

// The text of each compatibility file, as the Windows runtime's text mode
// writes it (CR LF line ends, none at the end).
extern const char* const kCompatibilityText;

// Installs the package into directory and returns the directory as the
// registry records it (with its trailing backslash). Throws PackageError or
// SUPEREXCEPTION; a package that is not valid is refused before anything is
// written, and files written before a failure stay.
std::string installPackage(InstallSource& source, const std::string& directory);

}  // namespace trelux
