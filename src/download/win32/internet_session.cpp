#include "download/win32/internet_session.h"


#include "base/files.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "download/win32/progress_window.h"
#include "download/win32/transfer_job.h"

namespace trelux {

namespace {

// WinINet's own time-outs match the deadlines, so that the thread of a
// transfer given up does not stay blocked much longer than it was watched.
void setTimeouts(HINTERNET handle, const TransferLimits& limits) {
  auto set = [handle](DWORD option, uint64_t ms) {
    DWORD value = static_cast<DWORD>(ms);
    InternetSetOptionA(handle, option, &value, sizeof value);
  };
  set(INTERNET_OPTION_CONNECT_TIMEOUT, limits.connectMs);
  set(INTERNET_OPTION_SEND_TIMEOUT, limits.silenceMs);
  set(INTERNET_OPTION_RECEIVE_TIMEOUT, limits.silenceMs);
  set(INTERNET_OPTION_CONNECT_RETRIES, 1);
}

class TransferScope {
 public:
  explicit TransferScope(ProgressWindow& progress) : progress_(progress) {
    progress_.beginTransfer();
  }
  ~TransferScope() { progress_.endTransfer(); }
  TransferScope(const TransferScope&) = delete;
  TransferScope& operator=(const TransferScope&) = delete;

 private:
  ProgressWindow& progress_;
};

// Shows the job's progress until it ends; a deadline passed or a cancel
// leaves the job to end by itself.
TransferOutcome await(TransferJob& job, ProgressWindow& progress) {
  TransferScope scope(progress);
  for (;;) {
    // Asked first: a job that has finished has said all it will say.
    const bool finished = job.finished();
    for (const std::string& text : job.takeTexts()) progress.setText(text);
    if (finished) return job.outcome();
    if (const auto late = job.overdue()) {
      return {late, "Deadline passed downloading " + late->url, {}, {}};
    }
    if (!progress.wait(job.signal(), job.untilNextCheck())) throw DownloadCancelled{};
  }
}

void writeBody(const std::string& file, const std::string& body) {
  if (file.empty() || !writeFileBytes(file, body))
    throw InternetError{"Couldn't write the local file " + file + ".", kLocalFileMessage};
}

}  // namespace

void InternetSession::connect(const PuzzleServer& server, ProgressWindow& progress) {
  progress.setText(connectingText(server.host));
  handle_ = InternetOpenA("Trelux Downloader", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (!handle_) throw InternetError{"InternetOpen failed", connectionMessage(server.host)};
  setTimeouts(handle_, limits_);
  watchConnections(handle_);
}

TransferResult InternetSession::transfer(const std::string& url, const std::string& file,
                                         ProgressWindow& progress, uint64_t limit) {
  TransferJob job(handle_, url, limit, limits_);
  const TransferOutcome outcome = await(job, progress);
  if (outcome.failure) throw transferError(*outcome.failure, outcome.detail + " to " + file);
  writeBody(file, outcome.body);
  return outcome.result;
}

void InternetSession::close() {
  if (handle_) InternetCloseHandle(handle_);
  handle_ = nullptr;
}

}  // namespace trelux
