#include "installer/win32/package_library.h"

namespace trelux {

LibraryModule::~LibraryModule() {
  if (owned_) FreeLibrary(module_);
}

std::optional<std::string_view> LibraryModule::resource(const std::string& name) const {
  HRSRC found = FindResourceA(module_, name.c_str(), RT_RCDATA);
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module_, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = SizeofResource(module_, found);
  if (!bytes) return size == 0 ? std::optional<std::string_view>(std::string_view()) : std::nullopt;
  return std::string_view(static_cast<const char*>(bytes), size);
}

std::unique_ptr<PackageModule> LibrarySource::loadComponent(const std::string& fileName) {
  HMODULE module = LoadLibraryA(fileName.c_str());
  if (!module) return nullptr;
  return std::make_unique<LibraryModule>(module, true);
}

}  // namespace trelux
