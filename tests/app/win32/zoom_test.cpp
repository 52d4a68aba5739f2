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

// The client area's pixels as the window shows them.
struct Shot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Shot shoot(HWND window) {
  Shot shot;
  const SIZE size = clientSize(window);
  shot.width = size.cx;
  shot.height = size.cy;
  shot.pixels.resize(static_cast<size_t>(size.cx) * size.cy);
  HDC windowDC = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDC);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, size.cx, size.cy);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size.cx, size.cy, windowDC, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(memory, bitmap, 0, size.cy, shot.pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDC);
  return shot;
}

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
  const Shot once = shoot(mainWindow);
  ASSERT_EQ(once.height, 280);
  // The board is there: a black band above it, its wall's tile below.
  ASSERT_NE(once.at(5, 77 + 5), once.at(5, 70));
  key(VK_OEM_PLUS, true);
  ASSERT_EQ(currentView()->scale().zoom, 2);
  const Shot twice = shoot(mainWindow);
  ASSERT_EQ(twice.width, 2 * once.width);
  ASSERT_EQ(twice.height, 2 * once.height);
  int differing = 0;
  for (int y = 0; y < twice.height; ++y)
    for (int x = 0; x < twice.width; ++x)
      if (twice.at(x, y) != once.at(x / 2, y / 2)) ++differing;
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(settingValue("zoom"), "2");
  key(VK_SUBTRACT, true);
  EXPECT_EQ(clientSize(mainWindow).cx, once.width);
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
