#include "installer/package_reader.h"

#include <algorithm>

#include "installer/install_failure.h"

namespace trelux {
namespace {

constexpr uint32_t kFirstIndex = 10000;

std::string_view requireResource(const PackageModule& module, const std::string& name) {
  const std::optional<std::string_view> bytes = module.resource(name);
  if (!bytes) throw PackageError{name};
  return *bytes;
}

// Windows drops trailing dots and blanks from a name's parts, so ". ." and
// "..." may climb as ".." does.
bool climbs(std::string_view part) {
  const size_t dots = static_cast<size_t>(std::count(part.begin(), part.end(), '.'));
  return dots >= 2 && part.find_first_not_of(". ") == std::string_view::npos;
}

}  // namespace

std::string indexedName(std::string_view prefix, uint32_t index) {
  return std::string(prefix) + std::to_string(kFirstIndex + index);
}

bool hasResource(const PackageModule& module, const std::string& name) {
  return module.resource(name).has_value();
}

uint32_t readNumber(const PackageModule& module, const std::string& name) {
  const std::string_view bytes = requireResource(module, name);
  if (bytes.size() < 4) throw PackageError{name};
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[i]);
  return value;
}

std::string readText(const PackageModule& module, const std::string& name) {
  const std::string_view bytes = requireResource(module, name);
  return std::string(bytes.substr(0, bytes.find('\0')));
}

std::string_view readBytes(const PackageModule& module, const std::string& name, uint32_t size) {
  const std::string_view bytes = requireResource(module, name);
  if (bytes.size() < size) throw PackageError{name};
  return bytes.substr(0, size);
}

void requirePackageMark(const PackageModule& module, const char* failure) {
  if (readNumber(module, "QXINSTALLHEAD") != kPackageMark) throw PackageError{failure};
}

bool isContainedName(std::string_view name) {
  if (name.empty() || name.front() == '\\' || name.front() == '/') return false;
  if (name.find(':') != std::string_view::npos) return false;  // a drive, or a file's stream
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = name.size();
    if (climbs(name.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

void requireContainedName(const std::string& name) {
  if (!isContainedName(name))
    throw PackageError{"The install package is not valid: the name \"" + name +
                       "\" is not relative to its folder."};
}

}  // namespace trelux
