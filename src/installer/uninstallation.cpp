#include "installer/uninstallation.h"

#include "base/files.h"
#include "installer/install_target.h"
#include "installer/package_contents.h"

namespace trelux {

void uninstallPackage(InstallSource& source, const std::string& directory) {
  const PackageContents contents = readPackageContents(source, FileData::Skip);
  // A folder deleted since holds nothing to remove, and making it again
  // would leave behind what the player had thrown away.
  if (!isFolder(directory)) return;
  const std::string base = targetBase(source, directory);
  // Children before parents: a parent's directory is empty of them by its
  // turn, so no empty directories of the package are left behind.
  for (auto it = contents.components.rbegin(); it != contents.components.rend(); ++it) {
    const std::string target = joinPath(base, it->root);
    for (const PackageFile& file : it->files) removeFile(joinPath(target, file.name));
    if (!it->root.empty()) removeFolder(target);
  }
  for (const std::string& name : contents.compatibilityFiles) removeFile(joinPath(base, name));
}

}  // namespace trelux
