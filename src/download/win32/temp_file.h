// A file in the system's temporary folder for one transfer, deleted when
// the transfer's work is over, whatever happened.
#pragma once

#include <string>

namespace trelux {

class TempFile {
 public:
  TempFile();
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  // Empty when the folder has no room for one; opening it then fails.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The prefix of the downloader's temporary files ("trx1A2B.tmp").
inline constexpr const char* kTempFilePrefix = "trx";

}  // namespace trelux
