// The toolbar's palette: every tool once, in its cell, with the picture of
// what it places.
#include "editor/palette.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "world/objects.h"

namespace trelux {
namespace {

TEST(Palette, FillsEightByElevenCellsButThreeInCreationOrder) {
  const std::vector<PaletteTool> tools = makePalette();
  ASSERT_EQ(tools.size(), 85u);
  std::set<std::pair<int32_t, int32_t>> cells;
  for (const PaletteTool& tool : tools) {
    EXPECT_EQ(tool.x % 25, 0);
    EXPECT_EQ(tool.y % 35, 0);
    EXPECT_TRUE(cells.insert({tool.x / 25, tool.y / 35}).second) << tool.x << "," << tool.y;
  }
  for (auto empty : {std::pair{6, 0}, {7, 2}, {7, 3}}) EXPECT_EQ(cells.count(empty), 0u);
  EXPECT_EQ(cells.rbegin()->first, 7);
  EXPECT_EQ(kPaletteWidth, 200);
  EXPECT_EQ(kPaletteHeight, 385);
  EXPECT_EQ(tools.front().kind, 0);
  EXPECT_EQ(tools[2].kind, 2);
  EXPECT_EQ(tools[10].kind, 3);
  EXPECT_EQ(tools[24].kind, 4);
  EXPECT_EQ(tools[25].kind, 5);
  EXPECT_EQ(tools[80].kind, 6);
  EXPECT_TRUE(tools.back().isRobotStart());
  EXPECT_EQ(tools.back().tile, 3);
  EXPECT_EQ(tools.back().x, 175);
}

// Placed objects carry the tool's picture, except lasers, whose pictures
// are the toolbar's own (two colours to a tileset row of eight).
TEST(Palette, EveryToolShowsWhatItPlaces) {
  for (const PaletteTool& tool : makePalette()) {
    if (tool.isRobotStart()) continue;
    const auto object = makeObject(static_cast<ObjectKind>(tool.kind), tool.colour, tool.variant);
    ASSERT_NE(object, nullptr);
    if (tool.kind == 4) {
      EXPECT_EQ(tool.tile, 104 + 4 * (tool.colour - 1) + tool.variant);
      EXPECT_EQ(tool.x, 25 * tool.variant);
      EXPECT_EQ(tool.y, 35 * (3 + tool.colour));
    } else {
      EXPECT_EQ(tool.tile, object->tileIndex()) << "kind " << tool.kind;
    }
  }
}

TEST(Palette, NamesEveryToolApartAndFindsItUnderTheMouse) {
  const std::vector<PaletteTool> tools = makePalette();
  std::set<std::string> names;
  for (const PaletteTool& tool : tools) EXPECT_TRUE(names.insert(toolName(tool)).second);
  const int32_t redEast = toolAt(tools, 25 + 3, 35 * 4 + 30);  // on its button
  ASSERT_GE(redEast, 0);
  EXPECT_EQ(toolName(tools[redEast]), "Red laser, facing east");
  EXPECT_EQ(toolAt(tools, 6 * 25 + 12, 12), -1) << "the empty cell";
}

}  // namespace
}  // namespace trelux
