// Uninstalling an in-memory package's installation: what goes, what stays,
// and the refusals before anything is deleted.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "installer/install_failure.h"
#include "installer/installation.h"
#include "installer/memory_package.h"
#include "installer/uninstallation.h"
#include "support/scratch_folder.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;

const std::string kUninstallError = "An error has occurred during the uninstall process.\n\nError: ";

class UninstallationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    package_.addComponent("COMP0.DLL", "#", {{"trelux.exe", "MZ"}, {"trelux.ini", "[settings]"}});
    package_.addComponent("COMP1.DLL", "levels", {{"alpha.trelux", "[trelux]"}});
    package_.addComponent("COMP2.DLL", "levels\\alpha", {{"levels.dat", "level file"}});
    package_.setCompatibilityFiles({"compat.ini"});
    ASSERT_EQ(installPackage(package_, "Target"), "Target\\");
  }
  std::optional<std::string> uninstall() {
    return uninstallFailure([&] { uninstallPackage(package_, "Target\\"); });
  }

  ScratchFolder folder_;
  MemoryPackage package_;
};

TEST_F(UninstallationTest, RemovesEveryFileAndComponentDirectoryButNotTheInstallationDirectory) {
  EXPECT_EQ(uninstall(), std::nullopt);
  EXPECT_TRUE(fs::is_directory("Target"));
  EXPECT_TRUE(fs::is_empty("Target"));
}

TEST_F(UninstallationTest, DirectoryHoldingAFileOfTheUsersStaysWithThatFile) {
  writeFile("Target/levels/alpha/mine.dat", "the player's");
  EXPECT_EQ(uninstall(), std::nullopt);
  EXPECT_FALSE(fs::exists("Target/levels/alpha/levels.dat"));
  EXPECT_FALSE(fs::exists("Target/levels/alpha.trelux"));
  EXPECT_EQ(readFile("Target/levels/alpha/mine.dat"), "the player's");
  EXPECT_FALSE(fs::exists("Target/trelux.exe"));
  EXPECT_FALSE(fs::exists("Target/compat.ini"));
}

TEST_F(UninstallationTest, DirectoryDeletedSinceIsNotMadeAgain) {
  fs::remove_all("Target");
  EXPECT_EQ(uninstall(), std::nullopt);
  EXPECT_FALSE(fs::exists("Target"));
}

TEST_F(UninstallationTest, FilesAlreadyGoneDoNotStopIt) {
  fs::remove_all("Target/levels");
  EXPECT_EQ(uninstall(), std::nullopt);
  EXPECT_TRUE(fs::is_empty("Target"));
}

// The names are all an uninstall needs from the package.
TEST_F(UninstallationTest, DamagedFileContentsDoNotStopIt) {
  package_.component("COMP2.DLL").remove("DATA10000");
  package_.component("COMP1.DLL").remove("SIZE10000");
  EXPECT_EQ(uninstall(), std::nullopt);
  EXPECT_TRUE(fs::is_empty("Target"));
}

TEST_F(UninstallationTest, PackageWithoutItsMarkIsRefusedBeforeAnythingIsDeleted) {
  package_.header().setNumber("QXINSTALLHEAD", 0);
  EXPECT_EQ(uninstall(), kUninstallError + "INSTALL.DLL is loaded, but not a valid install package.");
  EXPECT_TRUE(fs::exists("Target/trelux.exe"));
}

TEST_F(UninstallationTest, NameThatClimbsOutIsRefusedBeforeAnythingIsDeleted) {
  writeFile("outside.txt", "not the package's");
  package_.component("COMP2.DLL").setText("FILE10000", "..\\..\\..\\outside.txt");
  EXPECT_THAT(uninstall().value_or(""), testing::StartsWith(kUninstallError + "The install package is not valid"));
  EXPECT_TRUE(fs::exists("outside.txt"));
  EXPECT_TRUE(fs::exists("Target/trelux.exe"));
}

TEST_F(UninstallationTest, ComponentThatCannotBeLoadedStopsIt) {
  package_.header().setText("DIR10002", "GONE.DLL");
  EXPECT_EQ(uninstall(),
            kUninstallError + "currentinst=LoadLibrary(ptr)\nError Code: " + std::to_string(ENOENT));
  EXPECT_TRUE(fs::exists("Target/levels/alpha/levels.dat"));
}

}  // namespace
}  // namespace trelux::test
