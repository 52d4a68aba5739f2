#include "download/win32/temp_file.h"

#include <windows.h>

#include "base/files.h"

namespace trelux {

TempFile::TempFile() {
  char folder[MAX_PATH + 1] = {};
  char name[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length > MAX_PATH) return;
  if (GetTempFileNameA(folder, kTempFilePrefix, 0, name) == 0) return;
  path_ = name;
}

TempFile::~TempFile() {
  if (!path_.empty()) removeFile(path_);
}

}  // namespace trelux
