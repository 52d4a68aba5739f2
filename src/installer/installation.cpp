#include "installer/installation.h"

#include "installer/created_paths.h"
#include "installer/install_failure.h"
#include "installer/install_target.h"
#include "installer/package_contents.h"

namespace trelux {

const char* const kCompatibilityText =
    "; This file exists for compatibility reasons.  Modify its contents at your own risks\r\n"
    "\r\n[WinVer]\r\nv=Win98,WinXP";

namespace {

constexpr const char* kRolledBack = "Everything this installation had written was removed.";

std::string folderOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(0, separator);
}

std::string makeTargetBase(InstallSource& source, CreatedPaths& made, const std::string& recorded) {
  const uint32_t failure = made.createFoldersAlong(recorded);
  try {
    return targetBase(source, recorded);
  } catch (SUPEREXCEPTION& error) {
    if (failure) error.code = failure;
    error.detail = unwritableFolderText(withoutTrailingSeparators(recorded), error.code);
    throw;
  }
}

// Parents before children, each once.
void addFolder(InstallRecord& record, const std::string& path) {
  const std::string folder = withoutTrailingSeparators(path);
  for (const std::string& known : record.folders)
    if (known == folder) return;
  record.folders.push_back(folder);
}

void writeFile(CreatedPaths& made, InstallRecord& record, const std::string& path,
               std::string_view bytes, const char* step) {
  if (!made.writeFile(path, bytes))
    throw SUPEREXCEPTION{step, made.lastError(), unwritableFolderText(folderOf(path), made.lastError())};
  record.files.push_back(path);
  record.bytes += bytes.size();
}

void writeComponent(CreatedPaths& made, InstallRecord& record, const PackageComponent& component,
                    const std::string& base) {
  const std::string target = joinPath(base, component.root);
  if (!component.root.empty()) {
    made.createFolder(target);
    addFolder(record, target);
  }
  for (const PackageFile& file : component.files)
    writeFile(made, record, joinPath(target, file.name), file.data, "f=fopen(ptr,\"wb\")");
}

InstallRecord writePackage(InstallSource& source, CreatedPaths& made,
                           const PackageContents& contents, const std::string& recorded) {
  InstallRecord record{recorded, {}, {}, 0};
  const std::string base = makeTargetBase(source, made, recorded);
  for (const std::string& folder : made.createdFolders()) addFolder(record, folder);
  // Components come parents first, so each root's parent exists by its turn.
  for (const PackageComponent& component : contents.components)
    writeComponent(made, record, component, base);
  // In the installation directory, where the uninstall looks for them.
  for (const std::string& name : contents.compatibilityFiles)
    writeFile(made, record, joinPath(base, name), kCompatibilityText, "f=fopen(ptr,\"w\")");
  return record;
}

}  // namespace

std::string installPackage(InstallSource& source, const std::string& directory,
                           const InstallFinish& finish) {
  const std::string recorded = withTrailingBackslash(directory);
  const PackageContents contents = readPackageContents(source, FileData::Read);
  CreatedPaths made(source);
  // A failure anywhere, the record included, leaves nothing behind that
  // nothing could remove.
  try {
    const InstallRecord record = writePackage(source, made, contents, recorded);
    if (finish) finish(record, made);
  } catch (SUPEREXCEPTION& error) {
    made.rollBack();
    error.detail += (error.detail.empty() ? "" : "\n") + std::string(kRolledBack);
    throw;
  } catch (...) {
    made.rollBack();
    throw;
  }
  return recorded;
}

}  // namespace trelux
