// The window's zoom through its real windows: Ctrl+Plus shows the 1x
// picture with every pixel a 2 x 2 square, the factor is kept in
// trelux.ini, and Maximize takes the largest factor that fits, centred.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/startup_files.h"
#include "app/win32/screens.h"
#include "app/win32/shell.h"
#include "support/win32/game_fixture.h"

namespace trelux::test {
namespace {

// Shorter than the panel, so that the centred board is in the picture too.
const char* const kLevel =
    "# # # # # # #\n"
    "# >r . \\r . Swr #\n"
    "# . . @ . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

// The client area's pixels as the window shows them, row by row.
struct Shot {
  explicit Shot(HWND window) : size(clientSize(window)) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC windowDC = GetDC(window);
    HDC memory = CreateCompatibleDC(windowDC);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, windowDC, 0, 0, SRCCOPY);
    const auto* first = static_cast<const uint32_t*>(bits);
    pixels.assign(first, first + size.cx * size.cy);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowDC);
  }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * size.cx + x]; }
  SIZE size;
  std::vector<uint32_t> pixels;
};

class ZoomTest : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    addSet("Zoom", {kLevel});
    startPlaying();
    pump();
  }
};

TEST_F(ZoomTest, TwiceShowsEachPixelOfOnceAsASquare) {
  const Shot once(mainWindow);
  ASSERT_EQ(once.size.cy, 280);
  // The board is there: a black band above it, its wall's tile below.
  ASSERT_NE(once.at(5, 77 + 5), once.at(5, 70));
  key(VK_OEM_PLUS, true);
  ASSERT_EQ(currentView()->scale().zoom, 2);
  const Shot twice(mainWindow);
  ASSERT_EQ(twice.size.cx, 2 * once.size.cx);
  ASSERT_EQ(twice.size.cy, 2 * once.size.cy);
  int differing = 0;
  for (int y = 0; y < twice.size.cy; ++y)
    for (int x = 0; x < twice.size.cx; ++x)
      if (twice.at(x, y) != once.at(x / 2, y / 2)) ++differing;
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(settingValue("zoom"), "2");
  key(VK_SUBTRACT, true);
  EXPECT_EQ(clientSize(mainWindow).cx, once.size.cx);
  EXPECT_EQ(settingValue("zoom"), "1");
}

TEST_F(ZoomTest, MaximizeTakesTheLargestFactorCentredAndRestoreGoesBack) {
  const SIZE once = clientSize(mainWindow);
  ShowWindow(mainWindow, SW_MAXIMIZE);
  pump();
  const SIZE room = clientSize(mainWindow);
  const PictureScale& scale = currentView()->scale();
  const int largest = std::min(room.cx / once.cx, room.cy / once.cy);
  ASSERT_GE(largest, 2) << "the test display is large enough";
  EXPECT_EQ(scale.zoom, largest);
  EXPECT_EQ(scale.left, (room.cx - largest * once.cx) / 2);
  EXPECT_EQ(scale.top, (room.cy - largest * once.cy) / 2);
  key(VK_OEM_PLUS, true);
  EXPECT_EQ(currentView()->scale().zoom, largest) << "no step past the largest";
  ShowWindow(mainWindow, SW_RESTORE);
  pump();
  EXPECT_EQ(clientSize(mainWindow).cx, once.cx);
  EXPECT_EQ(currentView()->scale().zoom, 1);
}

}  // namespace
}  // namespace trelux::test
