// Installing a package: every component's files written below the
// installation directory, then the compatibility files. The registry record
// and the messages are the Windows side's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "installer/created_paths.h"
#include "installer/install_source.h"

namespace trelux {

// The text of each compatibility file, as the Windows runtime's text mode
// writes it (CR LF line ends, none at the end).
extern const char* const kCompatibilityText;

// What an installation put on the disk, for its uninstall entry.
struct InstallRecord {
  std::string directory;             // as the registry records it, with its trailing backslash
  std::vector<std::string> files;    // every file written, joined to the directory
  std::vector<std::string> folders;  // component roots and created folders, parents first
  uint64_t bytes = 0;                // the files' sizes together
};

// Installs the package into directory and returns the directory as the
// registry records it (with its trailing backslash). finish, when given,
// runs once the files are written (the Windows side records the
// installation there, writing through made what it adds). Throws
// PackageError or SUPEREXCEPTION; a package that is not valid is refused
// before anything is written, and a failure later, in finish too, removes
// every file and folder the installation created before it is reported.
using InstallFinish = std::function<void(const InstallRecord& record, CreatedPaths& made)>;
std::string installPackage(InstallSource& source, const std::string& directory,
                           const InstallFinish& finish = {});

}  // namespace trelux
