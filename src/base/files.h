// File operations of the whole program, all taking the game's Windows-style
// paths in the ANSI code page (handed to the system through hostFsPath).
// Each reports failure as false, nullopt or an empty result.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelux {

std::optional<std::string> readFileBytes(const std::string& path);
// A file the game reads as text: the Windows runtime's text mode ends the
// file at the first Ctrl-Z (0x1A), so its bytes end there too. CR LF pairs
// are left for the readers, which trim every line.
std::optional<std::string> readTextFile(const std::string& path);
// Creates or truncates the file and writes the bytes.
bool writeFileBytes(const std::string& path, std::string_view bytes);
bool canOpenForReading(const std::string& path);
// Anything at all under that name, a file or a folder, even one that
// cannot be opened.
bool pathExists(const std::string& path);
bool isFolder(const std::string& path);
// Copies a whole file; an existing target is overwritten.
bool copyFileBytes(const std::string& from, const std::string& to);
// Writes target through a temporary file beside it, so that target is either
// left as it was or replaced completely, never half written.
bool replaceFileContents(const std::string& target, std::string_view bytes);
// The same with the bytes of another file.
bool replaceFileWithCopy(const std::string& from, const std::string& target);
// Renames from to to, replacing a file there.
bool renameFile(const std::string& from, const std::string& to);
bool removeFile(const std::string& path);
bool createFolder(const std::string& path);
// Creates the folder and every missing folder above it; why it failed goes
// to reason when one is given.
bool createFolders(const std::string& path, std::string* reason = nullptr);
bool removeFolder(const std::string& path);
// The names of a folder's entries (no "." or ".."); empty when it cannot be read.
std::vector<std::string> folderEntries(const std::string& folder);
bool changeCurrentFolder(const std::string& path);
// Whether the current folder could be changed to path; it stays as it was.
bool canEnterFolder(const std::string& path);

// Creates an empty file with a name not used yet in folder, made of the whole
// prefix, four hexadecimal digits and ".tmp", and returns its path: folder +
// name. Empty when nothing could be made.
std::string createUniqueFile(const std::string& folder, std::string_view prefix);

}  // namespace trelux
