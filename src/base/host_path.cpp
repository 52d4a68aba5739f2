#include "base/host_path.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace trelux {

#ifdef _WIN32

std::string hostPath(std::string_view windowsPath) { return std::string(windowsPath); }

// hostFsPath and ansiName convert between code pages: base/win32/ansi_paths.cpp.

#else

namespace fs = std::filesystem;

namespace {

// The entry of folder whose name equals name ignoring ASCII case, or name
// itself when there is none (a file about to be created keeps its spelling).
std::string matchComponent(const std::string& folder, const std::string& name) {
  std::error_code ec;
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  if (fs::exists(dir / name, ec)) return name;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (equalsIgnoreAsciiCase(entry, name)) return entry;
  }
  return name;
}

}  // namespace

std::string hostPath(std::string_view windowsPath) {
  std::string result;
  size_t pos = 0;
  if (!windowsPath.empty() && (windowsPath[0] == '\\' || windowsPath[0] == '/')) {
    result = "/";
    pos = 1;
  }
  while (pos <= windowsPath.size()) {
    size_t next = windowsPath.find_first_of("\\/", pos);
    if (next == std::string_view::npos) next = windowsPath.size();
    std::string component(windowsPath.substr(pos, next - pos));
    if (!component.empty() && component != "." && component != "..") {
      component = matchComponent(result, component);
    }
    result += component;
    if (next < windowsPath.size()) result += '/';
    pos = next + 1;
  }
  return result;
}

std::filesystem::path hostFsPath(std::string_view windowsPath) {
  return std::filesystem::path(hostPath(windowsPath));
}

std::string ansiName(const std::filesystem::path& path) { return path.string(); }

#endif

}  // namespace trelux
