#include "download/win32/transfer_job.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "download/download_messages.h"
#include "download/http_url.h"
#include "download/transfer_watch.h"

namespace trelux {

namespace {

constexpr DWORD kPieceSize = 256;
constexpr DWORD_PTR kContext = 1024;
// Redirects are followed here, one by one, so that they can be counted and
// checked; WinINet would follow any number, to any scheme.
constexpr DWORD kOpenFlags =
    INTERNET_FLAG_DONT_CACHE | INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_UI;

uint64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

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

std::string headerText(HINTERNET url, DWORD query) {
  std::string text(2048, '\0');
  DWORD size = static_cast<DWORD>(text.size());
  if (!HttpQueryInfoA(url, query, text.data(), &size, nullptr)) return {};
  text.resize(size);
  return text;
}

bool isRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

struct TransferState {
  explicit TransferState(const TransferLimits& limits)
      : watch(limits, nowMs()), changed(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
  ~TransferState() {
    if (changed) CloseHandle(changed);
  }
  TransferState(const TransferState&) = delete;
  TransferState& operator=(const TransferState&) = delete;

  template <typename Change>
  void update(Change change) {
    std::lock_guard<std::mutex> lock(mutex);
    change();
    SetEvent(changed);
  }
  void text(std::string line) {
    update([&] { texts.push_back(std::move(line)); });
  }

  mutable std::mutex mutex;
  TransferWatch watch;
  HANDLE changed;
  std::vector<std::string> texts;
  bool finished = false;
  bool abandoned = false;
  std::string url;  // the address asked for now: the last redirect's
  TransferOutcome outcome;
};

namespace {

thread_local TransferState* tJob = nullptr;

void CALLBACK onStatus(HINTERNET, DWORD_PTR, DWORD status, LPVOID, DWORD) {
  if (!tJob) return;
  if (status == INTERNET_STATUS_CONNECTED_TO_SERVER ||
      status == INTERNET_STATUS_SENDING_REQUEST || status == INTERNET_STATUS_REQUEST_SENT) {
    tJob->update([] { tJob->watch.connected(nowMs()); });
  }
}

class Transfer {
 public:
  Transfer(TransferState& state, HINTERNET session, std::string url, uint64_t limit,
           int maxRedirects)
      : state_(state), session_(session), url_(std::move(url)), limit_(limit),
        maxRedirects_(maxRedirects) {}

  TransferOutcome run() {
    state_.text(kQueryingText);
    for (int redirects = 0;; ++redirects) {
      if (!parseHttpUrl(url_)) {
        return failed(TransferFailureKind::NotHttp, "Not a plain HTTP address");
      }
      state_.update([&] {
        state_.watch.requesting(nowMs());
        state_.url = url_;
      });
      UrlHandle request(InternetOpenUrlA(session_, url_.c_str(), nullptr, 0, kOpenFlags, kContext));
      if (!request.get()) return failedCall("InternetOpenUrl failed downloading");
      state_.update([&] { state_.watch.connected(nowMs()); });
      DWORD status = 0;
      headerNumber(request.get(), HTTP_QUERY_STATUS_CODE, status);
      if (isRedirect(status)) {
        if (redirects >= maxRedirects_) {
          return failed(TransferFailureKind::TooManyRedirects, "Too many redirects at");
        }
        url_ = redirectTarget(url_, headerText(request.get(), HTTP_QUERY_LOCATION));
        continue;
      }
      if (status != HTTP_STATUS_OK) {
        TransferOutcome outcome = failed(TransferFailureKind::HttpStatus,
                                         "HTTP status " + std::to_string(status) + " downloading");
        outcome.failure->status = status;
        return outcome;
      }
      return readBody(request.get());
    }
  }

 private:
  TransferOutcome failed(TransferFailureKind kind, const std::string& what) const {
    return {TransferFailure{kind, url_}, what + " " + url_, {}, {}};
  }

  // Before the server took the connection nothing else can have gone wrong.
  TransferOutcome failedCall(const std::string& what) const {
    const DWORD error = GetLastError();
    const bool connected = [&] {
      std::lock_guard<std::mutex> lock(state_.mutex);
      return state_.watch.isConnected();
    }();
    const TransferFailureKind kind = !connected ? TransferFailureKind::CannotConnect
                                     : error == ERROR_INTERNET_TIMEOUT
                                         ? TransferFailureKind::StoppedAnswering
                                         : TransferFailureKind::ConnectionLost;
    return failed(kind, what + " (error " + std::to_string(error) + ")");
  }

  bool abandoned() const {
    std::lock_guard<std::mutex> lock(state_.mutex);
    return state_.abandoned;
  }

  TransferOutcome readBody(HINTERNET request) {
    DWORD length = 0;
    std::optional<uint64_t> announced;
    if (headerNumber(request, HTTP_QUERY_CONTENT_LENGTH, length)) announced = length;
    TransferCount count(announced, limit_);
    TransferOutcome outcome;
    char piece[kPieceSize];
    while (!abandoned()) {
      state_.text(count.progressText());
      DWORD got = 0;
      if (!fillPiece(request, piece, got)) return failedCall("InternetReadFile error downloading");
      if (got == 0) break;
      outcome.body.append(piece, got);
      if (!count.add(got)) break;
    }
    outcome.result = count.result();
    return outcome;
  }

  // Reads up to one piece, as much as has come each time: a read of the
  // whole piece would wait for all of it, and a trickle would look silent.
  // got stays short of a piece only at the body's end.
  bool fillPiece(HINTERNET request, char* piece, DWORD& got) {
    while (got < kPieceSize && !abandoned()) {
      DWORD available = 0;
      if (!InternetQueryDataAvailable(request, &available, 0, 0)) return false;
      if (available == 0) return true;
      DWORD read = 0;
      const DWORD wanted = std::min<DWORD>(available, kPieceSize - got);
      if (!InternetReadFile(request, piece + got, wanted, &read)) return false;
      state_.update([&] { state_.watch.received(read, nowMs()); });
      if (read == 0) return true;
      got += read;
    }
    return true;
  }

  TransferState& state_;
  HINTERNET session_;
  std::string url_;
  uint64_t limit_;
  int maxRedirects_;
};

}  // namespace

void watchConnections(HINTERNET session) { InternetSetStatusCallbackA(session, onStatus); }

TransferJob::TransferJob(HINTERNET session, const std::string& url, uint64_t limit,
                         const TransferLimits& limits)
    : state_(std::make_shared<TransferState>(limits)) {
  std::thread([state = state_, session, url, limit, redirects = limits.maxRedirects] {
    tJob = state.get();
    TransferOutcome outcome = Transfer(*state, session, url, limit, redirects).run();
    tJob = nullptr;
    state->update([&] {
      state->outcome = std::move(outcome);
      state->finished = true;
    });
  }).detach();
}

TransferJob::~TransferJob() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->abandoned = true;
}

HANDLE TransferJob::signal() const { return state_->changed; }

std::vector<std::string> TransferJob::takeTexts() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return std::exchange(state_->texts, {});
}

bool TransferJob::finished() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->finished;
}

TransferOutcome TransferJob::outcome() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return std::move(state_->outcome);
}

std::optional<TransferFailure> TransferJob::overdue() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  const std::optional<TransferFailureKind> kind = state_->watch.overdue(nowMs());
  if (!kind) return std::nullopt;
  return TransferFailure{*kind, state_->url};
}

uint64_t TransferJob::untilNextCheck() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->watch.untilNextCheck(nowMs());
}

}  // namespace trelux
