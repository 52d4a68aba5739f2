// File operations of the core, all taking the game's Windows-style paths
// (mapped through hostPath). Each reports failure as false or nullopt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelux {

std::optional<std::string> readFileBytes(const std::string& path);
// A file the game reads as text: the Windows runtime's text mode ends the
// file at the first Ctrl-Z (0x1A), so its bytes end there too. CR LF pairs
// are left for the readers, which trim every line.
std::optional<std::string> readTextFile(const std::string& path);
// Creates or truncates the file and writes the bytes.
bool writeFileBytes(const std::string& path, std::string_view bytes);
bool canOpenForReading(const std::string& path);
// Copies a whole file; an existing target is overwritten.
bool copyFileBytes(const std::string& from, const std::string& to);
// Writes target through a temporary file beside it, so that target is either
// left as it was or replaced completely, never half written.
bool replaceFileContents(const std::string& target, std::string_view bytes);
// The same with the bytes of another file.
bool replaceFileWithCopy(const std::string& from, const std::string& target);
bool removeFile(const std::string& path);
bool createFolder(const std::string& path);
bool removeFolder(const std::string& path);

// Creates an empty file with a name not used yet in folder, made of the whole
// prefix, four hexadecimal digits and ".tmp", and returns its path: folder +
// name. Empty when nothing could be made.
std::string createUniqueFile(const std::string& folder, std::string_view prefix);

}  // namespace trelux
