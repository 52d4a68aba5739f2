// The start-up script is a file on the player's disk: whatever its bytes, a
// run must end with an answer, never a crash or a hang. Commands only read
// and change folders; the folder is restored after every input.
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/script_runner.h"
#include "fuzz_target.h"

namespace {

namespace fs = std::filesystem;

// A folder of the fuzzer's own with a few files and folders for the
// commands to find, so that checks pass as well as fail.
const fs::path& playground() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("trelux-fuzz-script-" + std::to_string(::getpid()));
    fs::create_directories(path / "levels" / "set");
    std::ofstream(path / "trelux.ini") << "[settings]\nsound = 1\nmusic = 2\n";
    std::ofstream(path / "levels" / "nested.dat") << "rem nested\nfil ..\\trelux.ini\nstp\n";
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& folder = playground();
  {
    std::ofstream script(folder / "startup.dat", std::ios::binary | std::ios::trunc);
    script.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  trelux::ScriptRunner runner;
  runner.run("startup.dat");
  fs::current_path(previous);
  return 0;
}

namespace trelux::fuzz {

std::vector<std::string> seedInputs() {
  return {
      "rem installation check\r\ndir levels\r\nfil trelux.ini\r\nstp\r\n",
      "chd levels\nexe nested.dat\nchd ..\nfil trelux.ini\nSTP\n",
      "exe startup.dat\nstp\n",
      "dir missing\nstp\n",
  };
}

}  // namespace trelux::fuzz
