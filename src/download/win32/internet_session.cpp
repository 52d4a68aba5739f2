#include "download/win32/internet_session.h"

#include <fstream>
#include <optional>

#include "base/host_path.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "download/win32/progress_window.h"

namespace trelux {

namespace {

constexpr DWORD kPieceSize = 256;
constexpr DWORD_PTR kContext = 1024;

class UrlHandle {
 public:
  explicit UrlHandle(HINTERNET handle) : handle_(handle) {}
  ~UrlHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  UrlHandle(const UrlHandle&) = delete;
  UrlHandle& operator=(const UrlHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

// A number the response's headers give; false when it has none.
bool headerNumber(HINTERNET url, DWORD query, DWORD& value) {
  DWORD size = sizeof value;
  return HttpQueryInfoA(url, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr) != FALSE;
}

[[noreturn]] void downloadFailed(const std::string& detail) {
  throw InternetError{detail, kDownloadFailedMessage};
}

}  // namespace

void InternetSession::connect(const PuzzleServer& server, ProgressWindow& progress) {
  progress.setText(connectingText(server.host));
  handle_ = InternetOpenA("Trelux Downloader", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (!handle_) throw InternetError{"InternetOpen failed", connectionMessage(server.host)};
}

TransferResult InternetSession::transfer(const std::string& url, const std::string& file,
                                         ProgressWindow& progress, uint64_t limit) {
  const std::string where = url + " to " + file;
  progress.setText(kQueryingText);
  UrlHandle request(handle_ ? InternetOpenUrlA(handle_, url.c_str(), nullptr, 0,
                                               INTERNET_FLAG_DONT_CACHE, kContext)
                            : nullptr);
  if (!request.get()) downloadFailed("InternetOpenUrl failed downloading " + where);
  DWORD status = 0;
  if (!headerNumber(request.get(), HTTP_QUERY_STATUS_CODE, status) || status != HTTP_STATUS_OK) {
    downloadFailed("HTTP status " + std::to_string(status) + " downloading " + where);
  }
  DWORD length = 0;
  std::optional<uint64_t> announced;
  if (headerNumber(request.get(), HTTP_QUERY_CONTENT_LENGTH, length)) announced = length;

  std::ofstream out(hostFsPath(file), std::ios::binary | std::ios::trunc);
  if (file.empty() || !out) {
    throw InternetError{"Couldn't open the local file " + file + " for writing.",
                        kLocalFileMessage};
  }
  TransferCount count(announced, limit);
  char piece[kPieceSize];
  for (;;) {
    progress.setText(count.progressText());
    DWORD read = 0;
    if (!InternetReadFile(request.get(), piece, kPieceSize, &read)) {
      downloadFailed("InternetReadFile error downloading " + where);
    }
    if (read == 0) break;
    out.write(piece, read);
    if (!count.add(read)) break;
  }
  out.close();
  if (!out) throw InternetError{"Couldn't write the local file " + file + ".", kLocalFileMessage};
  return count.result();
}

void InternetSession::close() {
  if (handle_) InternetCloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace trelux
