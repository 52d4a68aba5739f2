// The Windows side of the path layer (base/host_path.h): the only place
// where the core's ANSI code page paths meet the wide file API. Built into
// the core library of the Windows build alone.
#include "base/host_path.h"

#include <windows.h>

namespace trelux {

std::filesystem::path hostFsPath(std::string_view windowsPath) {
  if (windowsPath.empty()) return {};
  const int size = static_cast<int>(windowsPath.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, windowsPath.data(), size, wide.data(), length);
  return std::filesystem::path(wide);
}

// A character the code page lacks becomes the code page's default one: the
// name then opens nothing, as with every narrow Windows program.
std::string ansiName(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace trelux
