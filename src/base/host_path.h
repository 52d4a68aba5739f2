// The game names its files with Windows paths (".\levels\x.trelux",
// ".\Levels\abc\levels.dat"), also inside the descriptors it stores, and
// these are bytes in the ANSI code page. Every file operation hands such a
// path to the system through this layer, and only through it.
//
// hostPath: on Windows the path as written. On a case-sensitive host
// backslashes become slashes and each component that does not exist as
// written is matched against its folder ignoring ASCII case, so ".\Levels\"
// and ".\levels\" name the same folder.
//
// hostFsPath: what a file operation opens. On Windows the ANSI bytes are
// widened once with the code page the system itself uses for them; a
// std::filesystem::path made from the narrow string would read them as
// Latin-1 while the C runtime's narrow calls use the code page, and every
// name outside ASCII would then mean two different files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trelux {

std::string hostPath(std::string_view windowsPath);
std::filesystem::path hostFsPath(std::string_view windowsPath);
// A name the system handed back (a folder's entry, the current folder) as
// ANSI code page bytes, the way the game names its files.
std::string ansiName(const std::filesystem::path& path);

}  // namespace trelux
