// The installer's background: its size, and a plain dark board where the
// installer puts its buttons, its directory field and its yellow text.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "installer_background.h"
#include "pixel_font.h"

namespace trelux::art {
namespace {

PixelFont shippedFont() {
  std::ifstream in(std::string(TRELUX_ART_SOURCE_DIR) + "/font.txt");
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string error;
  return *PixelFont::parse(source, error);
}

TEST(InstallerBackground, IsFourHundredPixelsSquare) {
  const Image background = drawInstallerBackground(shippedFont());
  EXPECT_EQ(background.width(), 400);
  EXPECT_EQ(background.height(), 400);
}

TEST(InstallerBackground, ControlsAndTextSitOnPlainDarkBoard) {
  const Image background = drawInstallerBackground(shippedFont());
  // The first button's top is at y = 200; the text is centred above it.
  ASSERT_LT(kInstallerDecorationBottom, 185);
  for (int y = kInstallerDecorationBottom; y < background.height(); ++y) {
    for (int x = 0; x < background.width(); ++x) {
      ASSERT_LT(luminance(background.at(x, y)), 0.2) << x << "," << y;
    }
  }
  // Above, the title and the beam row are drawn.
  double brightest = 0;
  for (int y = 0; y < kInstallerDecorationBottom; ++y) {
    for (int x = 0; x < background.width(); ++x)
      brightest = std::max(brightest, luminance(background.at(x, y)));
  }
  EXPECT_GT(brightest, 0.8);
}

}  // namespace
}  // namespace trelux::art
