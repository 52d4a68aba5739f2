// Reading the resources of an install package and its components: 32-bit
// little-endian numbers, zero-terminated texts and file contents, by name.
// Indexed names count from 10000 ("DIR10000" is component 0). A resource
// that is missing fails with its name as the bare text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "installer/install_source.h"

namespace trelux {

// QXINSTALLHEAD of a package or component holds this number.
inline constexpr uint32_t kPackageMark = 137;
inline constexpr const char* kNotAPackage =
    "INSTALL.DLL is loaded, but not a valid install package.";
inline constexpr const char* kNotAComponent = "This is not a valid install package component.";

// "DIR" and 0 give "DIR10000".
std::string indexedName(std::string_view prefix, uint32_t index);

bool hasResource(const PackageModule& module, const std::string& name);
uint32_t readNumber(const PackageModule& module, const std::string& name);
// The text up to its terminating zero.
std::string readText(const PackageModule& module, const std::string& name);
// The first size bytes of the resource; a shorter resource is a damaged
// package, not a reason to read past its end.
std::string_view readBytes(const PackageModule& module, const std::string& name, uint32_t size);

// Fails with kNotAPackage or kNotAComponent unless QXINSTALLHEAD is 137.
void requirePackageMark(const PackageModule& module, const char* failure);

// Names in a package are relative and stay inside the folder they are read
// against: no drive, no leading backslash, no ".." among their parts.
bool isContainedName(std::string_view name);
// Fails with a package-validity message naming the name unless it is.
void requireContainedName(const std::string& name);

}  // namespace trelux
