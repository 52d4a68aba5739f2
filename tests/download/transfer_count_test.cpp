#include "download/transfer_count.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(TransferCount, SaysTheBytesSoFarAndStopsPastTheLimit) {
  TransferCount count(std::nullopt, 300);
  EXPECT_EQ(count.progressText(), "Downloading... (0 bytes so far)");
  EXPECT_TRUE(count.add(256));
  EXPECT_TRUE(count.add(44)) << "the limit itself is still taken";
  EXPECT_EQ(count.progressText(), "Downloading... (300 bytes so far)");
  EXPECT_FALSE(count.add(1));
  EXPECT_EQ(count.result().bytes, 301u);
}

TEST(TransferCount, BodyIsWholeWhenAsLongAsAnnounced) {
  struct Case {
    std::optional<uint64_t> announced;
    uint64_t received;
    bool whole;
  };
  for (const Case& c : {Case{std::nullopt, 10, true}, Case{10, 10, true}, Case{10, 9, false},
                        Case{10, 11, false}, Case{0, 0, true}}) {
    TransferCount count(c.announced, 100);
    count.add(c.received);
    EXPECT_EQ(count.result().complete, c.whole)
        << c.announced.value_or(999) << " announced, " << c.received << " received";
  }
}

}  // namespace
}  // namespace trelux
