#include "installer/win32/environment_text.h"

#include <windows.h>

#include <vector>

namespace trelux {

std::string expandEnvironment(const std::string& text) {
  // The first call answers the size needed, the terminating zero included.
  const DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (size == 0) return text;
  std::vector<char> expanded(size);
  if (ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size) == 0) return text;
  return expanded.data();
}

}  // namespace trelux
