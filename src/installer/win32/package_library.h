// The install package as loaded libraries: resources read in place from
// INSTALL.DLL and from each component library while it is loaded.
#pragma once

#include <windows.h>

#include "installer/install_source.h"

namespace trelux {

class LibraryModule : public PackageModule {
 public:
  // An owned module is freed with the object.
  LibraryModule(HMODULE module, bool owned) : module_(module), owned_(owned) {}
  ~LibraryModule() override;
  LibraryModule(const LibraryModule&) = delete;
  LibraryModule& operator=(const LibraryModule&) = delete;

  std::optional<std::string_view> resource(const std::string& name) const override;

 private:
  HMODULE module_;
  bool owned_;
};

class LibrarySource : public InstallSource {
 public:
  explicit LibrarySource(HMODULE package) : package_(package, false) {}

  const PackageModule& package() const override { return package_; }
  // By file name, through the system's library search: the installer's own
  // directory, then the working directory, where the package lies.
  std::unique_ptr<PackageModule> loadComponent(const std::string& fileName) override;
  uint32_t lastError() const override { return GetLastError(); }

 private:
  LibraryModule package_;
};

}  // namespace trelux
