// An install package read whole before anything is written or deleted:
// every component loaded and checked for its mark, every name it gives
// checked to be relative, and for an installation every file's content
// checked to hold its size. A package that fails here has touched nothing.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "installer/install_source.h"

namespace trelux {

struct PackageFile {
  std::string name;       // FILE10000, ...: relative to the component's root
  std::string_view data;  // the first SIZE bytes of DATA, read in place; empty when not read
};

struct PackageComponent {
  std::unique_ptr<PackageModule> module;
  // The subdirectory of the installation directory that receives the files;
  // empty for the installation directory itself (a ROOT starting with "#").
  std::string root;
  std::vector<PackageFile> files;
};

struct PackageContents {
  std::vector<PackageComponent> components;
  std::vector<std::string> compatibilityFiles;  // none without COMPTFILES
};

// An uninstall needs only the names: a package whose contents were damaged
// after the installation can still take its files away.
enum class FileData { Read, Skip };

// Throws PackageError or SUPEREXCEPTION (a component that cannot be loaded).
PackageContents readPackageContents(InstallSource& source, FileData data);

}  // namespace trelux
