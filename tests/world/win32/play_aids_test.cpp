// The play screen's aids through its real window: undo and redo with their
// keys and what they redraw, hints from the search on its own thread (the
// window answers meanwhile; a move or a second F2 stops it), the hint
// followed to the win, the answer for a level that cannot be won, and the
// win's note with the best.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "gfx/win32/bitmap_holder.h"
#include "gfx/win32/game_view.h"
#include "resources/win32/resource_ids.h"
#include "solver/solver.h"
#include "support/level_files.h"
#include "support/win32/dialog_answerer.h"
#include "support/win32/game_fixture.h"
#include "world/play_model.h"
#include "world/win32/play_controller.h"

namespace trelux::test {
namespace {

// Up pushes the green lens from (3, 2) to (3, 1); nothing lights the sensor.
const char* const kLensAhead =
    "# # # # # # #\n"
    "# . . . . . #\n"
    "# . . Lg . . #\n"
    "# . . @ . Swr #\n"
    "# # # # # # #\n";

// Walk round to the mirror and push it west into the beam: six keys.
const char* const kMirrorWalk =
    "# # # # # # # # #\n"
    "# >r . . . . \\r . #\n"
    "# . . . . . . . #\n"
    "# . . . . . . . #\n"
    "# . . . . . . . #\n"
    "# . . . . Snr . @ #\n"
    "# # # # # # # # #\n";

// The green laser is walled in: the sensor can never be lit, though the
// level's colours alone do not show it.
const char* const kNeverLit =
    "# # # # # #\n"
    "# >g # . . #\n"
    "# . @ . Swg #\n"
    "# # # # # #\n";

// The same on a wide floor with eight objects: a search that proves it
// takes seconds, far longer than the test needs.
const char* const kLongSearch =
    "# # # # # # # # # # # # # #\n"
    "# >g # . . . . . . . . . . #\n"
    "# . . . . . Lk . . . . . . #\n"
    "# . . Lb . . . . . Ly . . . #\n"
    "# . . . . Lc . . . . . . . #\n"
    "# . . . . . . . . . . . . #\n"
    "# . . . . @ . Lm . . \\b . . #\n"
    "# . . . . . . . . . . . . #\n"
    "# . . . Lw . . . /g . . . . #\n"
    "# . . . . . . . . . . . . #\n"
    "# . . . . . . . . . . . Swg #\n"
    "# # # # # # # # # # # # # #\n";

WORD virtualKeyOf(PlayKey key) {
  switch (key) {
    case PlayKey::Up: return VK_UP;
    case PlayKey::Down: return VK_DOWN;
    case PlayKey::Left: return VK_LEFT;
    case PlayKey::Right: return VK_RIGHT;
    default: return 0;
  }
}

class PlayAidsTest : public GameFixture {
 protected:
  PlayModel& model() { return *static_cast<PlayModel*>(currentModel()); }
  const PlayAids& aids() { return dynamic_cast<PlayController*>(currentController())->aids(); }
  // Handles messages as they come until done() or ten seconds have passed.
  template <typename Done>
  bool pumpUntil(Done done) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 10000) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      pump();
    }
    return true;
  }
  bool hintShown() { return !aids().isSearching() && aids().hint().has_value(); }
  void waitForPar() { ASSERT_TRUE(pumpUntil([&] { return !aids().isFindingPar(); })); }
};

// Paints the whole client area one colour, so that only what is drawn again
// shows the board.
void scribbleOver(HWND window) {
  HDC dc = GetDC(window);
  const RECT all{0, 0, clientSize(window).cx, clientSize(window).cy};
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

// Cell (x, y) of the window shows tile; the board is centred beside the
// panel when shorter.
bool showsTile(HWND window, const BitmapHolder& tiles, int x, int y, int tile) {
  const int top = dynamic_cast<GameView&>(*currentView()).boardTop();
  HDC dc = GetDC(window);
  bool same = true;
  for (int i = 0; i < 25 * 25 && same; ++i)
    same = GetPixel(dc, x * 25 + i % 25, top + y * 25 + i / 25) ==
           GetPixel(tiles.dc(), (tile % 8) * 25 + i % 25, (tile / 8) * 25 + i / 25);
  ReleaseDC(window, dc);
  return same;
}

TEST_F(PlayAidsTest, UndoRedrawsThePushTakenBackAndRedoMakesItAgain) {
  addSet("Set", {kLensAhead});
  startPlaying();
  key(VK_UP);
  ASSERT_EQ(model().robotPosition().y, 2) << "the push moved the robot";
  scribbleOver(mainWindow);
  key('Z', true);
  EXPECT_EQ(model().robotPosition().y, 3);
  EXPECT_NE(model().tileAt(3, 2), model().tileAt(3, 1)) << "the lens is back at (3, 2)";
  BitmapHolder tiles;
  ASSERT_TRUE(tiles.load(resourceLibrary, "tileset.bmp"));
  EXPECT_TRUE(showsTile(mainWindow, tiles, 3, 2, model().tileAt(3, 2))) << "the lens";
  EXPECT_TRUE(showsTile(mainWindow, tiles, 3, 1, model().tileAt(3, 1))) << "the floor it left";
  EXPECT_TRUE(showsTile(mainWindow, tiles, 3, 3, 3)) << "the robot, facing north";

  key('Y', true);
  EXPECT_EQ(model().robotPosition().y, 2);
  key('Y', true);  // nothing left to redo
  EXPECT_EQ(model().robotPosition().y, 2);
  key(VK_BACK);  // Backspace undoes too
  EXPECT_EQ(model().robotPosition().y, 3);
}

TEST_F(PlayAidsTest, HintSearchLeavesTheWindowAnsweringAndStopsOnAMoveOrASecondF2) {
  addSet("Set", {kLongSearch});
  startPlaying();
  key(VK_F2);
  ASSERT_TRUE(aids().isSearching()) << "the key returned while the search goes on";
  EXPECT_EQ(aids().note(), "Looking for a hint...");

  // Another thread's message is answered while the search runs.
  std::atomic<int> answered = -1;
  std::thread asker([&] {
    DWORD_PTR result = 0;
    answered = SendMessageTimeoutA(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
  });
  EXPECT_TRUE(pumpUntil([&] { return answered != -1; }));
  asker.join();
  EXPECT_EQ(answered, 1);
  EXPECT_TRUE(aids().isSearching());

  key(VK_LEFT);  // a move stops it
  EXPECT_FALSE(aids().isSearching());
  EXPECT_EQ(aids().note(), "");
  key(VK_F2);
  EXPECT_TRUE(aids().isSearching());
  key(VK_F2);  // and so does a second F2
  EXPECT_FALSE(aids().isSearching());
  EXPECT_EQ(aids().note(), "");
}

TEST_F(PlayAidsTest, HintsFollowedWinTheLevelInTheFewestKeys) {
  addSet("Set", {kMirrorWalk});
  startPlaying();
  const SolveResult shortest = solveLevel(model().grid(), SolveLimits{});
  ASSERT_EQ(shortest.outcome, SolveOutcome::Solved);
  key(VK_RIGHT);  // off the way: the hints start from here
  key(VK_F2);
  ASSERT_TRUE(pumpUntil([&] { return hintShown(); }));
  size_t keys = 0;
  while (model().isRunning() && keys < 20) {
    if (keys > 0) {
      key(VK_F2);
      ASSERT_TRUE(hintShown()) << "a hint on the way of the last one comes at once";
    }
    EXPECT_NE(aids().note().find("Hint: "), std::string::npos) << aids().note();
    key(virtualKeyOf(*aids().hint()));
    ++keys;
    EXPECT_FALSE(aids().hint().has_value()) << "the key clears the hint";
  }
  EXPECT_FALSE(model().isRunning()) << "won";
  EXPECT_EQ(keys, shortest.keys.size() + 1) << "the turn away costs one key more";
}

TEST_F(PlayAidsTest, UnwinnablePositionSaysSoAndSuggestsUndoOrRestart) {
  addSet("Set", {kNeverLit});
  startPlaying();
  key(VK_F2);
  ASSERT_TRUE(pumpUntil([&] { return !aids().isSearching(); }));
  EXPECT_FALSE(aids().hint().has_value());
  EXPECT_NE(aids().note().find("can't be won"), std::string::npos) << aids().note();
  EXPECT_NE(aids().note().find("Ctrl+Z"), std::string::npos);
  EXPECT_NE(aids().note().find("Ctrl+R"), std::string::npos);
}

TEST_F(PlayAidsTest, WinNoteAnnouncesANewBestAndNamesTheBestOtherwise) {
  addSet("Set", {kPullToWin});
  startPlaying();
  key(VK_DOWN);
  waitForPar();
  EXPECT_EQ(aids().note(), "Solved in 1 move:\na new best!\nShortest: 1 move.")
      << "the shortest comes when found, after the win or before it";
  DialogAnswerer dialogs;
  dialogs.expectMessage("Trelux", "Congratulations!\nYou have completed the puzzle set!");
  command(IDC_NEXT_LEVEL_BUTTON);
  dialogs.verify();

  startPlaying();
  EXPECT_EQ(aids().note(), "") << "a new play screen starts without a note";
  waitForPar();
  key(VK_LEFT);
  key(VK_RIGHT);
  key(VK_DOWN);
  EXPECT_EQ(aids().note(), "Solved in 3 moves.\nYour best is 1.\nShortest: 1 move.");
  EXPECT_NE(GetDlgItem(mainWindow, IDC_NEXT_LEVEL_BUTTON), nullptr) << "Next Level still comes";
}

TEST_F(PlayAidsTest, HelpNamesTheNewKeysBesideTheOldOnes) {
  addSet("Set", {kPullToWin});
  startPlaying();
  std::string texts;
  DialogAnswerer dialogs;
  DialogStep help;
  help.caption = "Trelux Help";
  help.inspect = [&](HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      texts += windowText(child) + "\n";
  };
  dialogs.expect(help);
  key(VK_F1);
  dialogs.verify();
  for (const char* named : {"Ctrl+Z", "Backspace", "Ctrl+Y", "F2", "Ctrl+R: Restart Level",
                            "Up Arrow: Move forward / push object"})
    EXPECT_NE(texts.find(named), std::string::npos) << named;
}

}  // namespace
}  // namespace trelux::test
