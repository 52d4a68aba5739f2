// The searches' worker: a job that throws, and only the job running now heard.
#include "base/background_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace trelux {
namespace {

int untilCancelled(const std::atomic<bool>& cancel) {
  while (!cancel) std::this_thread::yield();
  return 1;
}

TEST(BackgroundWorker, AJobThatThrowsEndsWithTheFailedResultAndIsTold) {
  std::atomic<uint32_t> told = 0;
  BackgroundWorker<int> worker([&](uint32_t number) { told = number; });
  const uint32_t number =
      worker.start([](const std::atomic<bool>&) -> int { throw std::runtime_error("lost"); }, -1);
  EXPECT_EQ(worker.wait(), -1);
  EXPECT_EQ(told, number);
  EXPECT_EQ(worker.take(number), -1);
}

TEST(BackgroundWorker, AReplacedOrCancelledJobGivesNoAnswer) {
  BackgroundWorker<int> worker;
  const uint32_t replaced = worker.start(untilCancelled, -1);
  const uint32_t next = worker.start([](const std::atomic<bool>&) { return 2; }, -1);
  EXPECT_EQ(worker.take(replaced), std::nullopt);
  EXPECT_EQ(worker.take(next), 2);

  const uint32_t cancelled = worker.start(untilCancelled, -1);
  worker.cancel();
  EXPECT_EQ(worker.wait(), 1) << "the job saw its flag";
  EXPECT_EQ(worker.take(cancelled), std::nullopt);
}

}  // namespace
}  // namespace trelux
