// The package generator's plan of a game folder, installed back through the
// installer's own algorithm; and the escaping of its resource scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "installer/installation.h"
#include "installer/memory_package.h"
#include "installer/package_reader.h"
#include "package_plan.h"
#include "rc_writer.h"
#include "support/scratch_folder.h"

namespace trelux::test {
namespace {

namespace fs = std::filesystem;
using package::PackagePlan;
using package::PlannedModule;

// Each text different, so that one put under another's name shows.
const package::PackageTexts kTexts{"Trelux Setup", "C:\\Program Files\\Trelux\\", "Trelux",
                                   "trelux.exe", "Play fair.\r\n\"Or else.\""};

void fillModule(MemoryModule& target, const PlannedModule& planned) {
  for (const package::PlannedResource& resource : planned.resources)
    target.setBytes(resource.name, resource.file.empty() ? resource.bytes : readFile(resource.file));
}

// The package as the built libraries would hold it.
void fillPackage(MemoryPackage& package, const PackagePlan& plan) {
  fillModule(package.header(), plan.package);
  for (const PlannedModule& component : plan.components)
    fillModule(package.component(component.fileName), component);
}

class PackagePlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile("game/trelux.exe", "MZ program");
    writeFile("game/levels/download.guid", "");
    writeFile("game/levels/beta/levels.dat", std::string("\0\x01", 2));
    writeFile("game/levels/alpha/levels.dat", "alpha");
    writeFile("game/levels/alpha.trelux", "[trelux]");
    fs::create_directories("game/empty");
    plan_ = package::planPackage(folder_.path() / "game", kTexts);
    fillPackage(package_, plan_);
  }

  ScratchFolder folder_;
  PackagePlan plan_;
  MemoryPackage package_;
};

TEST_F(PackagePlanTest, ComponentsFollowTheDirectoriesParentsFirst) {
  std::vector<std::string> roots;
  for (uint32_t i = 0; i < readNumber(package_.package(), "NUMDIRECTORIES"); ++i) {
    const std::string name = readText(package_.package(), indexedName("DIR", i));
    roots.push_back(readText(package_.component(name), "ROOT"));
  }
  EXPECT_EQ(roots, (std::vector<std::string>{"#", "empty", "levels", "levels\\alpha", "levels\\beta"}));
}

// As the installer reads them at its start, and the key recorded is the
// one the uninstall deletes.
TEST_F(PackagePlanTest, TextsReadBackUnderTheirNamesAndTheKeyIsTheOneTheUninstallDeletes) {
  const PackageModule& header = package_.package();
  const std::pair<const char*, std::string> texts[] = {
      {"PROGRAM", kTexts.program}, {"DEFDIR", kTexts.directory}, {"QXSUBDIR", kTexts.subkey},
      {"EXECUTE", kTexts.execute}, {"LICENSE", kTexts.license}};
  for (const auto& [name, text] : texts) EXPECT_EQ(readText(header, name), text) << name;
  EXPECT_EQ(readText(header, "REGKEY"), "Software\\Marblewick\\" + readText(header, "QXSUBDIR"));
  EXPECT_FALSE(hasResource(header, "COMPTFILES"));
}

TEST_F(PackagePlanTest, InstallingThePlanGivesTheGameFolderBack) {
  installPackage(package_, "Installed Game");
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator("game")) {
    const fs::path installed = "Installed Game" / fs::relative(entry.path(), "game");
    if (entry.is_directory()) {
      EXPECT_TRUE(fs::is_directory(installed)) << installed;
      continue;
    }
    ++files;
    EXPECT_EQ(readFile(installed), readFile(entry.path())) << installed;
  }
  EXPECT_EQ(files, 5u);
}

TEST(PackageScripts, BytesOutsidePrintableAsciiAreOctalEscapes) {
  EXPECT_EQ(package::rcStrings(std::string("a\"b\\c\n\xe9\0", 8)),
            "  \"a\\042b\\\\c\\012\\351\\000\"");
  const std::string lines = package::rcStrings(std::string(100, 'x'));
  EXPECT_EQ(lines, "  \"" + std::string(48, 'x') + "\",\n  \"" + std::string(48, 'x') +
                       "\",\n  \"xxxx\"");
}

TEST(PackageScripts, NumbersAreLongIntegersAndContentsAreQuotedFiles) {
  PlannedModule module{"COMP0.DLL",
                       {{"NUMFILES", std::string("\x2\0\0\0", 4), {}, 2},
                        {"DATA10000", {}, "/game/levels/a b.dat", std::nullopt}}};
  EXPECT_EQ(package::moduleScript(module, {}),
            "// COMP0.DLL, made by trelux-package from the game folder.\n"
            "NUMFILES RCDATA { 2L }\n"
            "DATA10000 RCDATA \"/game/levels/a b.dat\"\n");
  module.resources[1].file = "/game/say \"hi\".txt";
  EXPECT_EQ(package::moduleScript(module, {}), "") << "windres takes no escapes in file names";
}

}  // namespace
}  // namespace trelux::test
