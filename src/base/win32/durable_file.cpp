#include "base/durable_file.h"

#include <windows.h>

#include <algorithm>

namespace trelux {

namespace {

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

// CREATE_NEW checks and creates in one step. No sharing while it is written,
// so a game starting meanwhile cannot take it for a stale file and delete it.
NewFile writeNewFile(const std::filesystem::path& file, std::string_view bytes) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::NameTaken
                                                                      : NewFile::Failed;
  }
  const bool written = writeAll(handle, bytes) && FlushFileBuffers(handle);
  const DWORD error = GetLastError();
  const bool closed = CloseHandle(handle);
  if (written && closed) return NewFile::Written;
  DeleteFileW(file.c_str());
  if (!written) SetLastError(error);  // the caller may report the write's own code
  return NewFile::Failed;
}

bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace trelux
