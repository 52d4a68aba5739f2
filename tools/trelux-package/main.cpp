// trelux-package GAME_DIR OUT_DIR OPTIONS: writes the resource scripts of
// the install package that holds every file of the game folder.
//   --background FILE   the installer's 400 x 400 background bitmap
//   --license FILE      the agreement text
//   --program TEXT --directory TEXT --subkey TEXT --execute TEXT
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include "package_plan.h"
#include "rc_writer.h"

namespace {

namespace fs = std::filesystem;
using trelux::package::PackageTexts;

int usage() {
  std::cerr << "usage: trelux-package GAME_DIR OUT_DIR --background FILE --license FILE "
               "--program TEXT --directory TEXT --subkey TEXT --execute TEXT\n";
  return 2;
}

bool readLicense(const fs::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (argc - 3) % 2 != 0) return usage();
  std::map<std::string, std::string> options;
  for (int i = 3; i < argc; i += 2) options[argv[i]] = argv[i + 1];
  for (const char* required : {"--background", "--license", "--program", "--directory",
                               "--subkey", "--execute"}) {
    if (!options.count(required)) return usage();
  }
  const fs::path gameDir = argv[1];
  if (!fs::is_directory(gameDir)) {
    std::cerr << "trelux-package: no game folder " << gameDir.string() << "\n";
    return 1;
  }
  PackageTexts texts{options["--program"], options["--directory"], options["--subkey"],
                     options["--execute"], {}};
  if (!readLicense(options["--license"], texts.license)) {
    std::cerr << "trelux-package: cannot read " << options["--license"] << "\n";
    return 1;
  }
  const trelux::package::PackagePlan plan = trelux::package::planPackage(gameDir, texts);
  return trelux::package::writePackageScripts(plan, options["--background"], argv[2], std::cerr)
             ? 0
             : 1;
}
