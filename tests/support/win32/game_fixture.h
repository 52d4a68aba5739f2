// A running game inside the test program: a scratch folder as the current
// directory with the resource library beside it, the window classes, the
// main window, audio, and the main menu built as at start-up. Messages are
// handled as the game's loop handles them, screen switches included.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace trelux::test {

class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Handles every queued message, then applies a requested screen switch,
  // until nothing is left to do.
  void pump();
  // A click on a button of the current screen (its WM_COMMAND).
  void command(int id);
  // A key press through the message loop, accelerators included.
  void key(WORD virtualKey, bool control = false);
  // A key pressed and released as the keyboard sends it: to the window that
  // has the focus, whichever it is; fails when no window has it.
  void press(WORD virtualKey);

  // "New Game", the first set taken in the chooser: the play screen.
  void startPlaying();

  // A set in .\levels\ with its descriptor; the levels in the readable text.
  void addSet(const std::string& name, const std::vector<std::string>& levels,
              bool locked = false, const std::string& code = "", uint8_t progress = 0);
  // Adds a description to level index of the set made by addSet.
  void describeLevel(const std::string& name, int index, const std::string& description);

  static std::string folderOf(const std::string& name);

  HACCEL accelerators_ = nullptr;

 private:
  std::unique_ptr<ScratchFolder> folder_;
};

// The client area's size of a window.
SIZE clientSize(HWND window);

}  // namespace trelux::test
