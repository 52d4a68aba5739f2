// The two steps of a safe save that the standard library cannot take: a
// file created only when its name is free, in one step with the check, and
// written to the disk before it is closed; and a rename over the old file.
// A save writes a temporary file with the first and moves it over its
// target with the second, so that a power cut leaves the old file or the
// new one whole. Paths come from hostFsPath.
#pragma once

#include <filesystem>
#include <string_view>

namespace trelux {

// A file created but not written whole is removed again before Failed.
enum class NewFile { Written, NameTaken, Failed };

NewFile writeNewFile(const std::filesystem::path& file, std::string_view bytes);
bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace trelux
