#include "puzzles/level_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {
namespace {

using testing::HasSubstr;

TEST(LevelText, EveryCellKindSurvivesARoundTrip) {
  const std::string text =
      "# # # # # # # # # #\n"
      "# @ . Lk Lr Lg Ly Lb Lm #\n"
      "# Lc Lw \\r /g \\y /b \\m /c #\n"
      "# ^r >g vb <w ^y >m vc <k #\n"
      "# Snr Seg Ssb Swy Snm Sec Ssw Swk #\n"
      "# Tn Te Ts Tw . . . . #\n"
      "# # # # # # # # # #\n";
  LevelGrid grid;
  std::string error;
  ASSERT_TRUE(parseLevelText(text, grid, error)) << error;
  EXPECT_TRUE(grid.isLoaded());
  EXPECT_EQ(grid.width(), 10);
  EXPECT_EQ(grid.height(), 7);
  EXPECT_EQ(grid.start(), (Position{1, 1}));
  EXPECT_EQ(formatLevelText(grid), text);
}

TEST(LevelText, CellsBecomeTheObjectsTheirCodesName) {
  LevelGrid grid;
  std::string error;
  ASSERT_TRUE(parseLevelText("Lg /r \\b <w Ssm Te # .", grid, error)) << error;
  EXPECT_EQ(grid.cell(0, 0).code(), (CellCode{ObjectKind::Lens, 2}));
  EXPECT_EQ(grid.cell(1, 0).code(), (CellCode{ObjectKind::Mirror, 1 * 8 + 1}));
  EXPECT_EQ(grid.cell(2, 0).code(), (CellCode{ObjectKind::Mirror, 0 * 8 + 4}));
  EXPECT_EQ(grid.cell(3, 0).code(), (CellCode{ObjectKind::Laser, 3 * 8 + 7}));
  EXPECT_EQ(grid.cell(4, 0).code(), (CellCode{ObjectKind::Sensor, 2 * 8 + 5}));
  EXPECT_EQ(grid.cell(5, 0).code(), (CellCode{ObjectKind::TMirror, 1}));
  EXPECT_EQ(grid.cell(6, 0).code(), (CellCode{ObjectKind::Wall, std::nullopt}));
  EXPECT_EQ(grid.cell(7, 0).code(), (CellCode{ObjectKind::Floor, std::nullopt}));
  EXPECT_EQ(grid.start(), (Position{0, 0}));  // no robot marked
}

TEST(LevelText, BlanksCommentsAndLineEndsAreLayoutOnly) {
  LevelGrid grid;
  std::string error;
  ASSERT_TRUE(parseLevelText("; a comment line\r\n\r\n  #\t#  #\r\n\n# @ #\r\n; between\n# # #",
                             grid, error))
      << error;
  EXPECT_EQ(formatLevelText(grid), "# # #\n# @ #\n# # #\n");
}

TEST(LevelText, ParsingReplacesALevelLoadedBefore) {
  LevelGrid grid;
  std::string error;
  ASSERT_TRUE(parseLevelText("# # # #\n# @ . #\n# # # #", grid, error));
  grid.setDescription(true, "old");
  ASSERT_TRUE(parseLevelText("# #\n@ #", grid, error)) << error;
  EXPECT_EQ(grid.width(), 2);
  EXPECT_EQ(grid.height(), 2);
  EXPECT_EQ(grid.start(), (Position{0, 1}));
  EXPECT_FALSE(grid.hasDescription());
  EXPECT_EQ(formatLevelText(grid), "# #\n@ #\n");
}

TEST(LevelText, ErrorsNameTheLineCountingSkippedLines) {
  LevelGrid grid;
  std::string error;
  EXPECT_FALSE(parseLevelText("; size check\n# # #\n\n# @\n# # #", grid, error));
  EXPECT_THAT(error, HasSubstr("line 4"));
  EXPECT_FALSE(grid.isLoaded());

  for (const char* bad : {"Lx", "L", "Sxr", "Sn", "Tq", "@@", "rL", "Lrr", "%"}) {
    error.clear();
    EXPECT_FALSE(parseLevelText(std::string("# # #\n# # #\n# ") + bad + " #", grid, error))
        << bad;
    EXPECT_THAT(error, HasSubstr("line 3")) << bad;
    EXPECT_THAT(error, HasSubstr(bad)) << bad;
    EXPECT_FALSE(grid.isLoaded()) << bad;
  }
}

TEST(LevelText, EmptyAndOversizedLevelsAreRefused) {
  LevelGrid grid;
  std::string error;
  EXPECT_FALSE(parseLevelText("", grid, error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(parseLevelText("; nothing but comments\n\n", grid, error));
  EXPECT_FALSE(error.empty());

  std::string wide;
  for (int x = 0; x < 256; ++x) wide += "# ";
  error.clear();
  EXPECT_FALSE(parseLevelText(wide, grid, error));
  EXPECT_FALSE(error.empty());

  std::string row255;
  for (int x = 0; x < 255; ++x) row255 += ". ";
  EXPECT_TRUE(parseLevelText(row255, grid, error)) << error;
  EXPECT_EQ(grid.width(), 255);
}

}  // namespace
}  // namespace trelux
