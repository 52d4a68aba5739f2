#include "installer/package_contents.h"

#include "installer/install_failure.h"
#include "installer/package_reader.h"

namespace trelux {
namespace {

PackageFile readPackageFile(const PackageModule& module, uint32_t index, FileData data) {
  PackageFile file{readText(module, indexedName("FILE", index)), {}};
  requireContainedName(file.name);
  if (data == FileData::Read) {
    const uint32_t size = readNumber(module, indexedName("SIZE", index));
    file.data = readBytes(module, indexedName("DATA", index), size);
  }
  return file;
}

PackageComponent readComponent(InstallSource& source, uint32_t index, FileData data) {
  const std::string fileName = readText(source.package(), indexedName("DIR", index));
  requireContainedName(fileName);
  PackageComponent component;
  component.module = source.loadComponent(fileName);
  if (!component.module) throw SUPEREXCEPTION{"currentinst=LoadLibrary(ptr)", source.lastError()};
  const PackageModule& module = *component.module;
  requirePackageMark(module, kNotAComponent);
  const std::string root = readText(module, "ROOT");
  if (root.empty() || root.front() != '#') {
    requireContainedName(root);
    component.root = root;
  }
  const uint32_t count = readNumber(module, "NUMFILES");
  for (uint32_t j = 0; j < count; ++j) component.files.push_back(readPackageFile(module, j, data));
  return component;
}

}  // namespace

PackageContents readPackageContents(InstallSource& source, FileData data) {
  const PackageModule& package = source.package();
  requirePackageMark(package, kNotAPackage);
  PackageContents contents;
  const uint32_t count = readNumber(package, "NUMDIRECTORIES");
  for (uint32_t i = 0; i < count; ++i) contents.components.push_back(readComponent(source, i, data));
  if (hasResource(package, "COMPTFILES")) {
    const uint32_t files = readNumber(package, "COMPTFILES");
    for (uint32_t k = 0; k < files; ++k) {
      contents.compatibilityFiles.push_back(readText(package, indexedName("SECN", k)));
      requireContainedName(contents.compatibilityFiles.back());
    }
  }
  return contents;
}

}  // namespace trelux
