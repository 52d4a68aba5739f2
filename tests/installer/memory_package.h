// An install package held in memory, for the installer's algorithms: the
// package's resources and its components' by library name, with builders
// that make a valid package and leave every resource open to change.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "installer/install_source.h"

namespace trelux::test {

class MemoryModule : public PackageModule {
 public:
  void setNumber(const std::string& name, uint32_t value);
  // Stored with its terminating zero.
  void setText(const std::string& name, const std::string& text);
  void setBytes(const std::string& name, std::string bytes);
  void remove(const std::string& name) { resources_.erase(name); }
  std::optional<std::string_view> resource(const std::string& name) const override;

 private:
  std::map<std::string, std::string> resources_;
};

struct MemoryFile {
  std::string name;
  std::string bytes;
};

class MemoryPackage : public InstallSource {
 public:
  // A valid package without components.
  MemoryPackage();

  // Appends component fileName with its root and files.
  MemoryModule& addComponent(const std::string& fileName, const std::string& root,
                             const std::vector<MemoryFile>& files);
  MemoryModule& header() { return package_; }
  // The component library fileName, made empty when there is none yet.
  MemoryModule& component(const std::string& fileName) { return components_[fileName]; }
  void setCompatibilityFiles(const std::vector<std::string>& names);

  const PackageModule& package() const override { return package_; }
  std::unique_ptr<PackageModule> loadComponent(const std::string& fileName) override;
  uint32_t lastError() const override;
  const std::vector<std::string>& loaded() const { return loaded_; }

 private:
  MemoryModule package_;
  std::map<std::string, MemoryModule> components_;
  std::vector<std::string> loaded_;
  uint32_t count_ = 0;
};

}  // namespace trelux::test
