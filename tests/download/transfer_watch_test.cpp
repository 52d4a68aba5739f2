#include "download/transfer_watch.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

constexpr TransferLimits kLimits{1000, 1500, 3000, 1024, 5};

TEST(TransferWatch, ConnectionNotMadeInTimeFails) {
  TransferWatch watch(kLimits, 100);
  EXPECT_FALSE(watch.overdue(1099));
  EXPECT_EQ(watch.overdue(1100), TransferFailureKind::CannotConnect);
  EXPECT_EQ(watch.untilNextCheck(600), 500u);
  watch.requesting(1000);  // a redirect's connection has its own time
  EXPECT_FALSE(watch.overdue(1999));
}

TEST(TransferWatch, SilenceAfterTheLastByteFails) {
  TransferWatch watch(kLimits, 0);
  watch.connected(500);
  EXPECT_FALSE(watch.overdue(1999));
  watch.received(4000, 1900);
  EXPECT_FALSE(watch.overdue(3399));
  EXPECT_EQ(watch.overdue(3400), TransferFailureKind::StoppedAnswering);
}

// At 3 s, 3072 bytes is the least: a steady trickle that never falls silent
// fails there, one a byte faster does not.
TEST(TransferWatch, SlowAverageFailsOnceItsTimeHasCome) {
  TransferWatch slow(kLimits, 0);
  TransferWatch fast(kLimits, 0);
  for (uint64_t t = 0; t <= 3000; t += 1000) {
    slow.received(t == 0 ? 0 : 1023, t);
    fast.received(t == 0 ? 0 : 1024, t);
  }
  EXPECT_EQ(slow.overdue(3000), TransferFailureKind::TooSlow);
  EXPECT_FALSE(fast.overdue(3000));
  EXPECT_EQ(fast.untilNextCheck(3000), 100u) << "the average is judged as time goes on";
}

}  // namespace
}  // namespace trelux
