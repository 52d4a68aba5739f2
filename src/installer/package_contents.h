// An install package read whole before anything is written or deleted:
// every component loaded and checked for its mark, every name it gives
// checked to be relative. A package that fails here has touched nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "installer/install_source.h"

namespace trelux {

struct PackageComponent {
  std::unique_ptr<PackageModule> module;
  // The subdirectory of the installation directory that receives the files;
  // empty for the installation directory itself (a ROOT starting with "#").
  std::string root;
  std::vector<std::string> files;  // FILE10000, FILE10001, ...
};

struct PackageContents {
  std::vector<PackageComponent> components;
  std::vector<std::string> compatibilityFiles;  // none without COMPTFILES
};

// Throws PackageError or SUPEREXCEPTION (a component that cannot be loaded).
PackageContents readPackageContents(InstallSource& source);

}  // namespace trelux
