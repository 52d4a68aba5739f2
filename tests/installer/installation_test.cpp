// Installing an in-memory package into a scratch folder: the files and their
// sizes, roots, compatibility files, and every refusal before anything is
// written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "installer/install_failure.h"
#include "installer/installation.h"
#include "installer/memory_package.h"
#include "support/scratch_folder.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;

const std::string kInstallError =
    "An error has occurred during the install process.\nPlease reinstall this program.\n\nError: ";

// Every file below folder, relative to it.
std::set<std::string> filesBelow(const fs::path& folder) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).generic_string());
  return files;
}

class InstallationTest : public ::testing::Test {
 protected:
  // A package of the game folder's shape: the program in the installation
  // directory, a levels folder and a set's folder below it.
  void addGame() {
    package_.addComponent("COMP0.DLL", "#", {{"trelux.exe", "MZ program"}, {"startup.dat", "STP\r\n"}});
    package_.addComponent("COMP1.DLL", "levels", {{"alpha.trelux", "[trelux]\r\n"}});
    package_.addComponent("COMP2.DLL", "levels\\alpha", {{"levels.dat", std::string("\0\1\2", 3)}});
  }
  std::optional<std::string> install(const std::string& directory) {
    return installFailure([&] { recorded_ = installPackage(package_, directory); });
  }

  ScratchFolder folder_;
  MemoryPackage package_;
  std::string recorded_;
};

TEST_F(InstallationTest, WritesEveryFileBelowItsComponentsRoot) {
  addGame();
  EXPECT_EQ(install("Program Files\\Trelux\\"), std::nullopt);
  EXPECT_EQ(filesBelow("Program Files/Trelux"),
            (std::set<std::string>{"trelux.exe", "startup.dat", "levels/alpha.trelux",
                                   "levels/alpha/levels.dat"}));
  EXPECT_EQ(readFile("Program Files/Trelux/startup.dat"), "STP\r\n");
  EXPECT_EQ(readFile("Program Files/Trelux/levels/alpha/levels.dat"), std::string("\0\1\2", 3));
  EXPECT_EQ(package_.loaded(), (std::vector<std::string>{"COMP0.DLL", "COMP1.DLL", "COMP2.DLL"}));
}

TEST_F(InstallationTest, DirectoryIsRecordedWithItsTrailingBackslashTypedOrNot) {
  addGame();
  EXPECT_EQ(install("Games\\Marblewick\\Trelux"), std::nullopt);
  EXPECT_EQ(recorded_, "Games\\Marblewick\\Trelux\\");
  EXPECT_EQ(readFile("Games/Marblewick/Trelux/trelux.exe"), "MZ program");
  EXPECT_EQ(install("Other\\"), std::nullopt);
  EXPECT_EQ(recorded_, "Other\\");
  EXPECT_EQ(readFile("Other/levels/alpha.trelux"), "[trelux]\r\n");
}

TEST_F(InstallationTest, AnyRootStartingWithHashMeansTheInstallationDirectory) {
  package_.addComponent("COMP0.DLL", "#", {{"a.txt", "a"}});
  package_.addComponent("COMP1.DLL", "#levels", {{"b.txt", "b"}});
  EXPECT_EQ(install("Target"), std::nullopt);
  EXPECT_EQ(filesBelow("Target"), (std::set<std::string>{"a.txt", "b.txt"}));
}

TEST_F(InstallationTest, WritesTheFirstSizeBytesAndSizeZeroMakesAnEmptyFile) {
  MemoryModule& component =
      package_.addComponent("COMP0.DLL", "#", {{"short.txt", "abcdef"}, {"empty.txt", "xyz"}});
  component.setNumber("SIZE10000", 3);
  component.setNumber("SIZE10001", 0);
  EXPECT_EQ(install("Target"), std::nullopt);
  EXPECT_EQ(readFile("Target/short.txt"), "abc");
  EXPECT_TRUE(fs::exists("Target/empty.txt"));
  EXPECT_EQ(fs::file_size("Target/empty.txt"), 0u);
}

TEST_F(InstallationTest, CompatibilityFilesGoIntoTheInstallationDirectory) {
  addGame();
  package_.setCompatibilityFiles({"compat.ini", "winver.ini"});
  EXPECT_EQ(install("Target"), std::nullopt);
  for (const char* name : {"Target/compat.ini", "Target/winver.ini"}) {
    EXPECT_EQ(readFile(name),
              "; This file exists for compatibility reasons.  Modify its contents at your own "
              "risks\r\n\r\n[WinVer]\r\nv=Win98,WinXP");
  }
  EXPECT_FALSE(fs::exists("Target/levels/alpha/compat.ini"));
}

TEST_F(InstallationTest, WithoutCompatibilityCountNoneIsWritten) {
  package_.addComponent("COMP0.DLL", "#", {{"a.txt", "a"}});
  package_.header().setText("SECN10000", "compat.ini");
  EXPECT_EQ(install("Target"), std::nullopt);
  EXPECT_EQ(filesBelow("Target"), (std::set<std::string>{"a.txt"}));
}

TEST_F(InstallationTest, PackageWithoutItsMarkIsRefusedBeforeAnythingIsWritten) {
  addGame();
  package_.header().setNumber("QXINSTALLHEAD", 136);
  EXPECT_EQ(install("Target"), kInstallError + "INSTALL.DLL is loaded, but not a valid install package.");
  EXPECT_FALSE(fs::exists("Target"));
  EXPECT_TRUE(package_.loaded().empty());
}

TEST_F(InstallationTest, ComponentWithoutItsMarkIsRefusedBeforeAnythingIsWritten) {
  addGame();
  package_.component("COMP2.DLL").setNumber("QXINSTALLHEAD", 0);
  EXPECT_EQ(install("Target"), kInstallError + "This is not a valid install package component.");
  EXPECT_FALSE(fs::exists("Target"));
}

TEST_F(InstallationTest, NamesThatAreNotRelativeAreRefusedBeforeAnythingIsWritten) {
  for (const char* name : {"..\\outside.txt", "C:\\outside.txt", "\\outside.txt",
                           "sub\\..\\..\\outside.txt"}) {
    SCOPED_TRACE(name);
    const std::string refusal = kInstallError + "The install package is not valid: the name \"" +
                                name + "\" is not relative to its folder.";
    MemoryPackage bad;
    bad.addComponent("COMP0.DLL", "#", {{"inside.txt", "a"}});
    bad.addComponent("COMP1.DLL", "#", {{name, "b"}});
    MemoryPackage badRoot;
    badRoot.addComponent("COMP0.DLL", "#", {{"inside.txt", "a"}});
    badRoot.addComponent("COMP1.DLL", name, {{"b.txt", "b"}});
    MemoryPackage badCompatibility;
    badCompatibility.addComponent("COMP0.DLL", "#", {{"inside.txt", "a"}});
    badCompatibility.setCompatibilityFiles({name});
    MemoryPackage badLibrary;
    badLibrary.addComponent(name, "#", {{"inside.txt", "a"}});
    for (MemoryPackage* package : {&bad, &badRoot, &badCompatibility, &badLibrary}) {
      EXPECT_EQ(installFailure([&] { installPackage(*package, "Target"); }), refusal);
      EXPECT_FALSE(fs::exists("Target"));
    }
  }
}

// A damaged last component must not leave the first ones' files behind.
TEST_F(InstallationTest, MissingOrShortFileContentsAreRefusedBeforeAnythingIsWritten) {
  const auto damage = [](const char* what, const std::function<void(MemoryModule&)>& change) {
    SCOPED_TRACE(what);
    MemoryPackage package;
    package.addComponent("COMP0.DLL", "#", {{"trelux.exe", "MZ program"}});
    change(package.addComponent("COMP1.DLL", "levels", {{"a.dat", "abc"}, {"b.dat", "defg"}}));
    return installFailure([&] { installPackage(package, "Target"); });
  };
  EXPECT_EQ(damage("short", [](MemoryModule& m) { m.setBytes("DATA10001", "def"); }),
            kInstallError + "DATA10001");
  EXPECT_EQ(damage("no data", [](MemoryModule& m) { m.remove("DATA10000"); }),
            kInstallError + "DATA10000");
  EXPECT_EQ(damage("no size", [](MemoryModule& m) { m.remove("SIZE10001"); }),
            kInstallError + "SIZE10001");
  EXPECT_FALSE(fs::exists("Target"));
}

TEST_F(InstallationTest, ComponentThatCannotBeLoadedCarriesTheSystemsCode) {
  addGame();
  package_.header().setText("DIR10001", "MISSING.DLL");
  EXPECT_EQ(install("Target"),
            kInstallError + "currentinst=LoadLibrary(ptr)\nError Code: " + std::to_string(ENOENT));
}

// What was there before stays; what the installation made goes.
TEST_F(InstallationTest, FileThatCannotBeCreatedStopsItAndRemovesWhatItCreated) {
  writeFile("Mine/keep.txt", "the player's");
  writeFile("Mine/Old/first.txt", "old");
  package_.addComponent("COMP0.DLL", "#", {{"first.txt", "1"}});
  package_.addComponent("COMP1.DLL", "levels",
                        {{"second.txt", "2"}, {"no folder\\third.txt", "3"}, {"fourth.txt", "4"}});
  for (const char* directory : {"Mine\\New\\Trelux", "Mine\\Old"}) {
    EXPECT_EQ(install(directory), kInstallError + "f=fopen(ptr,\"wb\")\nError Code: " +
                                      std::to_string(ENOENT) + "\n\nThe folder " + directory +
                                      "\\levels\\no folder could not be written: not found.\n"
                                      "Everything this installation had written was removed.");
  }
  EXPECT_EQ(filesBelow("Mine"), (std::set<std::string>{"keep.txt", "Old/first.txt"}));
  EXPECT_FALSE(fs::exists("Mine/New"));
  EXPECT_FALSE(fs::exists("Mine/Old/levels"));
}

TEST_F(InstallationTest, FailureOfTheFinishRemovesTheFilesToo) {
  addGame();
  EXPECT_EQ(installFailure([&] {
              installPackage(package_, "Target", [](const InstallRecord&, CreatedPaths&) {
                throw SUPEREXCEPTION{"RegCreateKeyEx(REGKEY)", 5};
              });
            }),
            kInstallError + "RegCreateKeyEx(REGKEY)\nError Code: 5\n\n"
                            "Everything this installation had written was removed.");
  EXPECT_FALSE(fs::exists("Target"));
}

TEST_F(InstallationTest, DirectoryThatCannotBeMadeFailsBeforeAnyComponent) {
  addGame();
  writeFile("blocker", "a file where a folder should be");
  EXPECT_THAT(install("blocker\\Trelux").value_or(""),
              testing::StartsWith(kInstallError + "SetCurrentDirectory(installdirectory)\nError Code: "));
  EXPECT_THAT(install("blocker\\Trelux").value_or(""),
              testing::HasSubstr("\n\nThe folder blocker\\Trelux could not be written: "));
}

}  // namespace
}  // namespace trelux::test
