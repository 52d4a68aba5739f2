// Writes a package plan as resource scripts, one per library: INSTALL.rc,
// COMP0.rc, ... beside each other in one folder. The build compiles each
// into a resource-only library of the same name (cmake/LinkPackage.cmake).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "package_plan.h"

namespace trelux::package {

// bytes as the quoted strings of an RCDATA block: printable ASCII as it is,
// a backslash doubled, everything else (quotes too) as an octal escape,
// split into lines of a few dozen bytes.
std::string rcStrings(std::string_view bytes);
// The resource script of one library; the package's gets the background.
std::string moduleScript(const PlannedModule& module, const std::filesystem::path& background);

// Writes every script into outDir, removing scripts of an earlier run that
// the plan no longer has. False, with a message on err, on failure.
bool writePackageScripts(const PackagePlan& plan, const std::filesystem::path& background,
                         const std::filesystem::path& outDir, std::ostream& err);

}  // namespace trelux::package
