// What an installation records for its uninstall command, and the removal
// of exactly that: the player's files and folders that were there before
// stay.
#include <gtest/gtest.h>

#include <filesystem>

#include "installer/installation.h"
#include "installer/memory_package.h"
#include "installer/uninstall_list.h"
#include "support/scratch_folder.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;

TEST(UninstallList, RecordsEveryFileWrittenAndEveryFolderMadeParentsFirst) {
  ScratchFolder folder;
  fs::create_directory("Mine");
  MemoryPackage package;
  package.addComponent("COMP0.DLL", "#", {{"trelux.exe", "MZ"}});
  package.addComponent("COMP1.DLL", "levels", {{"a.dat", "abc"}});
  InstallRecord record;
  installPackage(package, "Mine\\New\\Trelux", [&](const InstallRecord& made, CreatedPaths&) { record = made; });
  EXPECT_EQ(record.directory, "Mine\\New\\Trelux\\");
  EXPECT_EQ(record.files, (std::vector<std::string>{"Mine\\New\\Trelux\\trelux.exe",
                                                    "Mine\\New\\Trelux\\levels\\a.dat"}));
  EXPECT_EQ(record.folders, (std::vector<std::string>{"Mine\\New", "Mine\\New\\Trelux",
                                                      "Mine\\New\\Trelux\\levels"}));
  EXPECT_EQ(record.bytes, 5u);

  UninstallList list{"Trelux", "", record.files, record.folders};
  EXPECT_EQ(parseUninstallList(uninstallListText(list)).folders, list.folders);
  writeFile("Mine/New/Trelux/bests.ini", "the player's");
  removeListed(parseUninstallList(uninstallListText(list)));
  EXPECT_FALSE(fs::exists("Mine/New/Trelux/levels"));
  EXPECT_EQ(readFile("Mine/New/Trelux/bests.ini"), "the player's");
  fs::remove("Mine/New/Trelux/bests.ini");
  removeListed(list);
  EXPECT_FALSE(fs::exists("Mine/New"));
  EXPECT_TRUE(fs::is_directory("Mine"));
}

TEST(UninstallList, ReadsItsKindsAndSkipsLinesItDoesNotKnow) {
  const UninstallList list =
      parseUninstallList("subkey Trelux\r\nshortcut C:\\S\\Trelux.lnk\nnonsense\r\nwhat x\r\nfile C:\\a b\r\n");
  EXPECT_EQ(list.subkey, "Trelux");
  EXPECT_EQ(list.shortcut, "C:\\S\\Trelux.lnk");
  EXPECT_EQ(list.files, std::vector<std::string>{"C:\\a b"});
  EXPECT_TRUE(list.folders.empty());
}

}  // namespace
}  // namespace trelux::test
