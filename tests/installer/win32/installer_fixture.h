// A running installer inside the test program: the real install package
// copied into a scratch folder that is the working directory, started as
// installer.exe starts (the package's texts and background, the window on
// its first screen), with no installation recorded in the registry.
// Messages are handled as the installer's loop handles them.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "support/scratch_folder.h"

namespace trelux::test {

class InstallerFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Start-up as at a program start, asserting that the window is there.
  void start();
  // The end of a run: the window, the package and the background go.
  void stop();
  // Handles every queued message, as the installer's loop does.
  void pump();
  // A click on a button of the current screen.
  void command(int id);
  // Installs into directory through the screens, answering the agreement
  // and the message of success.
  void installInto(const std::string& directory);

  // The controls' ids on the installer window.
  std::set<int> controls() const;
  // A directory in the scratch folder with spaces in its names, without its
  // trailing backslash.
  std::string installDirectory() const;
  // The registry value "installed" of the package's key, read live; empty
  // when there is no such key or value.
  std::string recordedDirectory() const;

 private:
  std::unique_ptr<ScratchFolder> folder_;
};

inline constexpr const char* kUninstallEntry =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Trelux";

// Removes the installation record of the package's key and its parent.
void deleteRecord();

}  // namespace trelux::test
