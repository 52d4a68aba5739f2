// Where the installer's data come from. The install package (INSTALL.DLL)
// and the component libraries it names are resource-only libraries, and every
// datum in them is a resource found by name: the Windows side reads loaded
// modules, the tests read packages held in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace trelux {

class PackageModule {
 public:
  virtual ~PackageModule() = default;
  // The bytes of the RCDATA resource `name`, nullopt when there is none.
  virtual std::optional<std::string_view> resource(const std::string& name) const = 0;
};

class InstallSource {
 public:
  virtual ~InstallSource() = default;
  virtual const PackageModule& package() const = 0;
  // Loads the component library fileName from beside the package; null when
  // it cannot be loaded (lastError then says why).
  virtual std::unique_ptr<PackageModule> loadComponent(const std::string& fileName) = 0;
  // The system's code for the operation that failed last.
  virtual uint32_t lastError() const = 0;
};

}  // namespace trelux
