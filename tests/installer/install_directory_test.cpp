// Which typed installation directories are refused before anything is
// written, and what the refusal tells the player to type.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "installer/install_directory.h"
#include "installer/memory_package.h"

namespace trelux::test {
namespace {

using testing::HasSubstr;

const InstalledNameLengths kGame{27, 16};  // "\levels\training\levels.dat", "\levels\training"

TEST(InstallDirectory, FullPathsWithADriveOrAServerAreTaken) {
  for (const char* directory : {"C:\\Games\\Trelux", "d:/Trelux\\", "C:\\", "\\\\server\\share\\Trelux"})
    EXPECT_EQ(directoryRefusal(directory, kGame), std::nullopt) << directory;
}

TEST(InstallDirectory, EmptyRelativeAndDriveRelativeOnesSayWhatToType) {
  for (const char* directory : {"", "   ", "MyGame", "\\Games\\Trelux", "C:Games", "\\\\?\\C:\\x"}) {
    const std::string refusal = directoryRefusal(directory, kGame).value_or("");
    EXPECT_THAT(refusal, HasSubstr("for example C:\\Games\\Trelux.")) << directory;
  }
  EXPECT_THAT(directoryRefusal("MyGame", kGame).value_or(""), HasSubstr("\"MyGame\" is not a full path"));
}

TEST(InstallDirectory, OneWhoseLongestFileWouldPassThePathLimitIsRefused) {
  const std::string fits = "C:\\" + std::string(259 - 27 - 3, 'x');
  const InstalledNameLengths filesOnly{27, 0};
  EXPECT_EQ(directoryRefusal(fits + "\\", filesOnly), std::nullopt);
  EXPECT_THAT(directoryRefusal(fits + "y", filesOnly).value_or(""),
              HasSubstr("a folder of at most 232 characters"));
  // Folders have less room than files.
  EXPECT_NE(directoryRefusal(fits, {27, 25}), std::nullopt);
}

TEST(InstallDirectory, LongestNamesCountRootsAndCompatibilityFiles) {
  MemoryPackage package;
  package.addComponent("COMP0.DLL", "#", {{"trelux.exe", ""}});
  package.addComponent("COMP1.DLL", "levels\\training", {{"levels.dat", ""}});
  package.setCompatibilityFiles({std::string(40, 'c')});
  const InstalledNameLengths names =
      longestInstalledNames(readPackageContents(package, FileData::Skip));
  EXPECT_EQ(names.file, 41u);
  EXPECT_EQ(names.folder, 16u);
}

}  // namespace
}  // namespace trelux::test
