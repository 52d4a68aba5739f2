// The game names its files with Windows paths (".\levels\x.trelux",
// ".\Levels\abc\levels.dat"), also inside the descriptors it stores. This
// helper turns such a path into one the host can open. On Windows it is the
// path as written. On a case-sensitive host backslashes become slashes and
// each component that does not exist as written is matched against its folder
// ignoring ASCII case, so ".\Levels\" and ".\levels\" name the same folder.
#pragma once

#include <string>
#include <string_view>

namespace trelux {

std::string hostPath(std::string_view windowsPath);

}  // namespace trelux
