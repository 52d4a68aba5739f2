// Uninstalling a package: the files every component names are deleted from
// the installation directory, then the components' own directories (which
// stay when something else is in them) and the compatibility files. The
// registry record is the Windows side's.
#pragma once

#include <string>

#include "installer/install_source.h"

namespace trelux {

// Throws PackageError or SUPEREXCEPTION. Deletions that fail never stop it;
// a package that is not valid is refused before anything is deleted. A
// directory that is no longer there is left so: nothing is deleted.
void uninstallPackage(InstallSource& source, const std::string& directory);

}  // namespace trelux
