// One job at a time on a thread of its own, so that the window keeps
// answering while a search runs: F2's hint, the par line's shortest
// solution, the editor's Solve. A new job ends the one before it; a job
// cancelled or replaced meanwhile gives no answer to take. Nothing may leave
// the thread, since an exception there would end the program and the
// editor's unsaved edits with it: a job that throws, and a thread that
// cannot be started, end with the result the caller named as failed.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace trelux {

template <typename Result>
class BackgroundWorker {
  static_assert(std::is_nothrow_move_assignable_v<Result>, "a failed job's result is moved in");

 public:
  // The job looks at cancel now and then and ends early once it is set.
  using Job = std::function<Result(const std::atomic<bool>& cancel)>;
  // Told the number of each job that ends, on the job's thread (or on the
  // caller's, when no thread could start); it must not throw. The window's
  // side posts it as a message, to be taken on the window's thread.
  using Ended = std::function<void(uint32_t number)>;

  explicit BackgroundWorker(Ended ended = {}) : ended_(std::move(ended)) {}
  // Cancels a job still running and waits for it.
  ~BackgroundWorker() {
    cancel();
    join();
  }
  BackgroundWorker(const BackgroundWorker&) = delete;
  BackgroundWorker& operator=(const BackgroundWorker&) = delete;

  // Starts job, ending any job before it; failed is its result should it
  // throw. Answers the job's number.
  uint32_t start(Job job, Result failed) {
    cancel();
    // A cancelled search looks at its flag every thousand states or so: the
    // wait is short.
    join();
    cancel_ = false;
    finished_ = false;
    running_ = true;
    const uint32_t number = ++number_;
    failed_ = std::move(failed);
    try {
      thread_ = std::thread([this, number, run = std::move(job)] { runJob(run, number); });
    } catch (...) {
      result_ = std::move(failed_);
      end(number);
    }
    return number;
  }

  // Ends the job; its answer will not be taken.
  void cancel() {
    cancel_ = true;
    running_ = false;
  }
  // A job was started and neither cancelled nor taken since.
  bool isRunning() const { return running_; }
  // The last job's thread has done its work (it may be ending still).
  bool hasFinished() const { return finished_; }

  // The result of the job that the ended number announced, or nothing when
  // that job was cancelled or replaced since.
  std::optional<Result> take(uint32_t number) {
    if (!running_ || number != number_) return std::nullopt;
    // Telling the end is the thread's last act: it has ended or is ending.
    join();
    running_ = false;
    return result_;
  }

  // Waits for the last job to end and answers its result, cancelled or not.
  const Result& wait() {
    join();
    return result_;
  }

 private:
  void runJob(const Job& job, uint32_t number) {
    try {
      result_ = job(cancel_);
    } catch (...) {
      // Made before the job started: moving it here cannot throw again.
      result_ = std::move(failed_);
    }
    end(number);
  }

  void end(uint32_t number) {
    finished_ = true;
    if (ended_) ended_(number);
  }

  void join() {
    if (thread_.joinable()) thread_.join();
  }

  Ended ended_;
  bool running_ = false;
  uint32_t number_ = 0;
  std::atomic<bool> cancel_ = false;
  std::atomic<bool> finished_ = false;
  // Written by the job's thread, read once it has ended.
  Result result_{};
  Result failed_{};
  std::thread thread_;
};

}  // namespace trelux
