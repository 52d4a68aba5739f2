// Reading package resources and judging the names a package gives.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installer/install_failure.h"
#include "installer/memory_package.h"
#include "installer/package_reader.h"

namespace trelux::test {
namespace {

TEST(PackageReader, IndexedNamesCountFromTenThousand) {
  EXPECT_EQ(indexedName("DIR", 0), "DIR10000");
  EXPECT_EQ(indexedName("FILE", 17), "FILE10017");
}

TEST(PackageReader, NumbersAreLittleEndianAndTextsEndAtTheirZero) {
  MemoryModule module;
  module.setBytes("N", std::string("\x89\x01\x00\x00trailing", 12));
  module.setBytes("T", std::string("Trelux\0junk", 11));
  module.setBytes("SHORT", "\x89");
  EXPECT_EQ(readNumber(module, "N"), 0x189u);
  EXPECT_EQ(readText(module, "T"), "Trelux");
  EXPECT_EQ(readBytes(module, "T", 3), "Tre");
  EXPECT_THAT(installFailure([&] { readNumber(module, "SHORT"); }).value_or(""),
              testing::EndsWith("Error: SHORT"));
}

TEST(PackageReader, MissingResourceFailsWithItsNameAsTheText) {
  MemoryModule module;
  module.setBytes("DATA10000", "abc");
  EXPECT_EQ(installFailure([&] { readText(module, "LICENSE"); }),
            "An error has occurred during the install process.\nPlease reinstall this "
            "program.\n\nError: LICENSE");
  // Fewer bytes than the size promises is a damaged package too.
  EXPECT_EQ(uninstallFailure([&] { readBytes(module, "DATA10000", 4); }),
            "An error has occurred during the uninstall process.\n\nError: DATA10000");
}

TEST(PackageReader, OnlyRelativeNamesThatStayInsideAreContained) {
  for (const char* name : {"trelux.exe", "levels\\training", "a..b.txt", ".\\x", "..x", "x.."})
    EXPECT_TRUE(isContainedName(name)) << name;
  for (const char* name : {"", "..", "..\\x", "a\\..\\..\\x", "a/../x", "\\x", "/x", "C:\\x",
                           "C:x", "\\\\server\\share\\x", "...\\x", ". .\\x", "x:stream"})
    EXPECT_FALSE(isContainedName(name)) << name;
}

}  // namespace
}  // namespace trelux::test
