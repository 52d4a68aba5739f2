// What goes into the install package made from a game folder: INSTALL.DLL
// with the installer's texts and the list of components, and one component
// library per directory of the folder holding that directory's files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trelux::package {

// The texts the installer shows and uses; the registry key is made from the
// subkey, so that the key recorded is the one the uninstall deletes.
struct PackageTexts {
  std::string program;    // the installer window's caption
  std::string directory;  // the default installation directory
  std::string subkey;     // below "Software\Marblewick\"
  std::string execute;    // the program Play starts
  std::string license;
};

inline constexpr const char* kRegistryParent = "Software\\Marblewick\\";
inline constexpr const char* kPackageFileName = "INSTALL.DLL";

struct PlannedResource {
  std::string name;
  std::string bytes;           // a number or a text, as stored
  std::filesystem::path file;  // or, when set, the file whose content it is
  std::optional<uint32_t> number;  // the number the bytes hold, if one
};

struct PlannedModule {
  std::string fileName;  // "INSTALL.DLL", "COMP0.DLL", ...
  std::vector<PlannedResource> resources;
};

struct PackagePlan {
  // The package's RCDATA; its BACKGROUND bitmap is added by the writer.
  PlannedModule package;
  std::vector<PlannedModule> components;
};

// One component per directory of gameDir, the folder itself first (ROOT "#")
// and every parent before its children; files in name order.
PackagePlan planPackage(const std::filesystem::path& gameDir, const PackageTexts& texts);

}  // namespace trelux::package
