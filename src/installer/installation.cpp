#include "installer/installation.h"

#include "base/files.h"
#include "installer/install_failure.h"
#include "installer/install_target.h"
#include "installer/package_contents.h"

namespace trelux {

const char* const kCompatibilityText =
    "; This file exists for compatibility reasons.  Modify its contents at your own risks\r\n"
    "\r\n[WinVer]\r\nv=Win98,WinXP";

namespace {

void writeComponent(InstallSource& source, const PackageComponent& component,
                    const std::string& base) {
  const std::string target = joinPath(base, component.root);
  if (!component.root.empty()) createFolder(target);
  for (const PackageFile& file : component.files) {
    if (!writeFileBytes(joinPath(target, file.name), file.data))
      throw SUPEREXCEPTION{"f=fopen(ptr,\"wb\")", source.lastError()};
  }
}

}  // namespace

std::string installPackage(InstallSource& source, const std::string& directory) {
  const std::string recorded = withTrailingBackslash(directory);
  const PackageContents contents = readPackageContents(source, FileData::Read);
  createDirectoriesAlong(recorded);
  const std::string base = targetBase(source, recorded);
  // Components come parents first, so each root's parent exists by its turn.
  for (const PackageComponent& component : contents.components)
    writeComponent(source, component, base);
  // In the installation directory, where the uninstall looks for them.
  for (const std::string& name : contents.compatibilityFiles) {
    if (!writeFileBytes(joinPath(base, name), kCompatibilityText))
      throw SUPEREXCEPTION{"f=fopen(ptr,\"w\")", source.lastError()};
  }
  return recorded;
}

}  // namespace trelux
