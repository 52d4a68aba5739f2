#include "package_plan.h"

#include <algorithm>

#include "installer/package_reader.h"

namespace trelux::package {
namespace {

namespace fs = std::filesystem;

std::string numberBytes(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

void addNumber(PlannedModule& module, std::string name, uint32_t value) {
  module.resources.push_back({std::move(name), numberBytes(value), {}, value});
}

void addText(PlannedModule& module, std::string name, const std::string& text) {
  module.resources.push_back({std::move(name), text + '\0', {}, std::nullopt});
}

// The folder's directories relative to it, "" for itself. Sorted as
// strings, a parent comes before everything below it.
std::vector<fs::path> directoriesOf(const fs::path& gameDir) {
  std::vector<fs::path> directories{fs::path()};
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(gameDir)) {
    if (entry.is_directory()) directories.push_back(fs::relative(entry.path(), gameDir));
  }
  std::sort(directories.begin(), directories.end(),
            [](const fs::path& a, const fs::path& b) { return a.generic_string() < b.generic_string(); });
  return directories;
}

std::string windowsName(const fs::path& relative) {
  std::string name = relative.generic_string();
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

PlannedModule planComponent(const fs::path& gameDir, const fs::path& directory, size_t index) {
  PlannedModule component{"COMP" + std::to_string(index) + ".DLL", {}};
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(gameDir / directory)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  addNumber(component, "QXINSTALLHEAD", kPackageMark);
  addText(component, "ROOT", directory.empty() ? "#" : windowsName(directory));
  addNumber(component, "NUMFILES", static_cast<uint32_t>(files.size()));
  for (uint32_t j = 0; j < files.size(); ++j) {
    addText(component, indexedName("FILE", j), files[j].filename().string());
    addNumber(component, indexedName("SIZE", j), static_cast<uint32_t>(fs::file_size(files[j])));
    component.resources.push_back({indexedName("DATA", j), {}, files[j], std::nullopt});
  }
  return component;
}

}  // namespace

PackagePlan planPackage(const fs::path& gameDir, const PackageTexts& texts) {
  PackagePlan plan;
  const std::vector<fs::path> directories = directoriesOf(gameDir);
  for (size_t i = 0; i < directories.size(); ++i)
    plan.components.push_back(planComponent(gameDir, directories[i], i));

  PlannedModule& package = plan.package;
  package.fileName = kPackageFileName;
  addNumber(package, "QXINSTALLHEAD", kPackageMark);
  addText(package, "PROGRAM", texts.program);
  addText(package, "DEFDIR", texts.directory);
  addText(package, "REGKEY", kRegistryParent + texts.subkey);
  addText(package, "EXECUTE", texts.execute);
  addText(package, "QXSUBDIR", texts.subkey);
  addText(package, "LICENSE", texts.license);
  addNumber(package, "NUMDIRECTORIES", static_cast<uint32_t>(plan.components.size()));
  for (uint32_t i = 0; i < plan.components.size(); ++i)
    addText(package, indexedName("DIR", i), plan.components[i].fileName);
  return plan;
}

}  // namespace trelux::package
