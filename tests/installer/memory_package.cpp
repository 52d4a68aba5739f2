#include "installer/memory_package.h"

#include <cerrno>

#include "installer/package_reader.h"

namespace trelux::test {
namespace {

// A component as a library loaded from it: a view of the stored resources.
class LoadedModule : public PackageModule {
 public:
  explicit LoadedModule(const MemoryModule& module) : module_(module) {}
  std::optional<std::string_view> resource(const std::string& name) const override {
    return module_.resource(name);
  }

 private:
  const MemoryModule& module_;
};

}  // namespace

void MemoryModule::setNumber(const std::string& name, uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  resources_[name] = bytes;
}

void MemoryModule::setText(const std::string& name, const std::string& text) {
  resources_[name] = text + '\0';
}

void MemoryModule::setBytes(const std::string& name, std::string bytes) {
  resources_[name] = std::move(bytes);
}

std::optional<std::string_view> MemoryModule::resource(const std::string& name) const {
  const auto it = resources_.find(name);
  if (it == resources_.end()) return std::nullopt;
  return std::string_view(it->second);
}

MemoryPackage::MemoryPackage() {
  package_.setNumber("QXINSTALLHEAD", kPackageMark);
  package_.setNumber("NUMDIRECTORIES", 0);
}

MemoryModule& MemoryPackage::addComponent(const std::string& fileName, const std::string& root,
                                          const std::vector<MemoryFile>& files) {
  MemoryModule& module = components_[fileName];
  module.setNumber("QXINSTALLHEAD", kPackageMark);
  module.setText("ROOT", root);
  module.setNumber("NUMFILES", static_cast<uint32_t>(files.size()));
  for (uint32_t j = 0; j < files.size(); ++j) {
    module.setText(indexedName("FILE", j), files[j].name);
    module.setNumber(indexedName("SIZE", j), static_cast<uint32_t>(files[j].bytes.size()));
    module.setBytes(indexedName("DATA", j), files[j].bytes);
  }
  package_.setText(indexedName("DIR", count_), fileName);
  package_.setNumber("NUMDIRECTORIES", ++count_);
  return module;
}

void MemoryPackage::setCompatibilityFiles(const std::vector<std::string>& names) {
  package_.setNumber("COMPTFILES", static_cast<uint32_t>(names.size()));
  for (uint32_t k = 0; k < names.size(); ++k) package_.setText(indexedName("SECN", k), names[k]);
}

std::unique_ptr<PackageModule> MemoryPackage::loadComponent(const std::string& fileName) {
  loaded_.push_back(fileName);
  const auto it = components_.find(fileName);
  if (it == components_.end()) {
    errno = ENOENT;
    return nullptr;
  }
  return std::make_unique<LoadedModule>(it->second);
}

uint32_t MemoryPackage::lastError() const { return static_cast<uint32_t>(errno); }

}  // namespace trelux::test
