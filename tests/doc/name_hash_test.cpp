#include "doc/name_hash.h"

#include <gtest/gtest.h>

namespace trelux {
namespace {

TEST(NameHash, KnownValues) {
  EXPECT_EQ(nameHash(""), 0u);
  EXPECT_EQ(nameHash("settings"), 4159959508u);
  EXPECT_EQ(nameHash("settings"), 0xf7f3f1d4u);
  EXPECT_EQ(nameHash("sound"), 164864303u);
  EXPECT_EQ(nameHash("music"), 2121004330u);
  EXPECT_EQ(nameHash("a"), 0x30440u);
}

TEST(NameHash, BucketsOfTheNamesTheGameUses) {
  const auto bucket = [](const char* name) { return nameHash(name) % 100; };
  EXPECT_EQ(bucket("settings"), 8u);
  EXPECT_EQ(bucket("sound"), 3u);
  EXPECT_EQ(bucket("music"), 30u);
  EXPECT_EQ(bucket("locked"), 40u);
  EXPECT_EQ(bucket("path"), 50u);
  EXPECT_EQ(bucket("name"), 91u);
  EXPECT_EQ(bucket("guid"), 10u);
  EXPECT_EQ(bucket("date"), 48u);
  EXPECT_EQ(bucket("author"), 85u);
  EXPECT_EQ(bucket("webguids"), 85u);
}

TEST(NameHash, HighBytesCountAsNegative) {
  // 0xFF is -1: h = 0xFFFFFFFF, then h += h << 11, then h ^= h >> 6.
  uint32_t h = 0xFFFFFFFFu;
  h += h << 11;
  h ^= h >> 6;
  EXPECT_EQ(nameHash("\xFF"), h);
  EXPECT_NE(nameHash("\xFF"), nameHash("\x7F"));
}

}  // namespace
}  // namespace trelux
