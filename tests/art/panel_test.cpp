// The side panel and the digits: the places the game view and the main
// menu put things on them.
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "moves_plate.h"
#include "panel.h"
#include "pixel_font.h"

namespace trelux::art {
namespace {

PixelFont font() {
  std::string error;
  const std::string source = "glyph L\n#....\n#....\n#....\n#....\n#....\n#....\n#####\n";
  return *PixelFont::parse(source, error);
}

int litPixels(const Image& digits, int d) {
  int n = 0;
  for (int y = 0; y < kDigitHeight; ++y) {
    for (int x = 0; x < kDigitWidth; ++x) n += luminance(digits.at(d * kDigitWidth + x, y)) > 0.4;
  }
  return n;
}

TEST(Panel, FitsTheNextLevelButtonAndTheMenuButtons) {
  const Image panel = drawPanel(font());
  EXPECT_EQ(panel.width(), kPanelWidth);
  EXPECT_EQ(panel.height(), kPanelHeight);
  // "Next Level" is 150 wide at x = 57: centred in the panel.
  EXPECT_EQ(57 + 150 + 57, panel.width());
  // Five 35-pixel buttons, each in its fifth of the height.
  EXPECT_GE(panel.height() / 5, 35);
  // The view's minimum height is 280: the panel never leaves a gap above it.
  EXPECT_EQ(panel.height(), 280);
}

// The main menu's "Quit" (150 x 35 at x = 57, y = 234) covers the level
// display's top edge whole: beside the button no display shows.
TEST(Panel, QuitButtonCoversTheTopOfTheLevelDisplay) {
  const Image panel = drawPanel(font());
  const Image digits = drawDigits();
  for (int y = 234; y < 234 + 35; ++y) {
    ASSERT_NE(panel.at(57 - 1, y), digits.at(0, 0)) << y;
    ASSERT_NE(panel.at(57 + 150, y), digits.at(0, 0)) << y;
  }
}

// The digits are copied over the panel as they are, so the panel shows the
// digits' own background where they go.
TEST(Panel, DigitPlaceHasTheDigitsBackground) {
  const Image panel = drawPanel(font());
  const Image digits = drawDigits();
  EXPECT_EQ(kDigitsX, (panel.width() - 36) >> 1);
  for (int y = kDigitsY; y < kDigitsY + kDigitHeight; ++y) {
    for (int x = kDigitsX; x < kDigitsX + 3 * kDigitWidth; ++x) {
      ASSERT_EQ(panel.at(x, y), digits.at(0, 0)) << x << "," << y;
    }
  }
}

// The game copies the plate onto the panel right above the level display and
// prints digits into its places; with no number a place shows all segments
// off, and it is the digits' own size and background.
TEST(MovesPlate, StacksOnTheLevelDisplayWithBlankDigitPlaces) {
  const Image plate = drawMovesPlate(font());
  EXPECT_EQ(plate.width(), kPanelWidth - 2 * kBandLeft);
  EXPECT_EQ(kPlateY + plate.height(), kBandTop);
  EXPECT_EQ(kPlateX + kPlateDigitsX, kDigitsX) << "the digits line up with the level's";
  const Image blank = drawBlankDigit();
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < 3; ++i) {
      const int left = kPlateDigitsX + i * kDigitWidth, top = row * kPlateRowHeight + kPlateDigitsY;
      for (int y = 0; y < kDigitHeight; ++y)
        for (int x = 0; x < kDigitWidth; ++x)
          ASSERT_EQ(plate.at(left + x, top + y), blank.at(x, y));
    }
  }
  EXPECT_EQ(blank.at(0, 0), kDisplayBackground);
  EXPECT_EQ(litPixels(blank, 0), 0) << "every segment off";
}

TEST(Digits, TenGlyphsOfTwelveByTwentyOne) {
  const Image digits = drawDigits();
  EXPECT_EQ(digits.width(), 120);
  EXPECT_EQ(digits.height(), 21);
  EXPECT_EQ(digits.at(0, 0), kDisplayBackground);
  // Seven segments for 8, two for 1.
  for (int d = 0; d < 10; ++d) {
    if (d != 8) {
      EXPECT_GT(litPixels(digits, 8), litPixels(digits, d)) << d;
    }
    if (d != 1) {
      EXPECT_LT(litPixels(digits, 1), litPixels(digits, d)) << d;
    }
  }
}

TEST(Digits, LevelTwelveShowsZeroOneTwo) {
  const Image panel = drawPanel(font());
  const Image digits = drawDigits();
  const Image shown = panelShowingLevel(panel, digits, 12);
  const int expected[] = {0, 1, 2};
  for (int i = 0; i < 3; ++i) {
    for (int y = 0; y < kDigitHeight; ++y) {
      for (int x = 0; x < kDigitWidth; ++x) {
        ASSERT_EQ(shown.at(kDigitsX + i * kDigitWidth + x, kDigitsY + y),
                  digits.at(expected[i] * kDigitWidth + x, y));
      }
    }
  }
}

TEST(PixelFont, ReadsGlyphsAndRefusesBadRows) {
  std::string error;
  EXPECT_TRUE(font().ink('L', 0, 0));
  EXPECT_FALSE(font().ink('L', 1, 0));
  EXPECT_TRUE(font().ink('L', 4, 6));
  EXPECT_FALSE(font().has('Q'));
  EXPECT_EQ(font().measure("LL", 2), 2 * 12 - 2);
  EXPECT_FALSE(PixelFont::parse("glyph A\n#...\n", error));
  EXPECT_NE(error.find("line 2"), std::string::npos);
  EXPECT_FALSE(PixelFont::parse("glyph A\n#....\n", error));
  EXPECT_NE(error.find("glyph A"), std::string::npos);
  EXPECT_FALSE(PixelFont::parse("#....\n", error));
}

TEST(PixelFont, TheShippedFontHasEveryLetterThePanelWrites) {
  std::ifstream in(std::string(TRELUX_ART_SOURCE_DIR) + "/font.txt");
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string error;
  const auto shipped = PixelFont::parse(source, error);
  ASSERT_TRUE(shipped) << error;
  for (const char c : std::string("TRELUXVMOSB0123456789")) EXPECT_TRUE(shipped->has(c)) << c;
}

}  // namespace
}  // namespace trelux::art
