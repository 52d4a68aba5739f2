#include "world/level_grid.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/level_files.h"
#include "world/level_codec.h"
#include "world/objects.h"
#include "world/play_model.h"

namespace trelux {
namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

ObjectKind kindAt(const LevelGrid& grid, int32_t x, int32_t y) { return grid.cell(x, y).kind(); }

bool onRing(const LevelGrid& grid, int32_t x, int32_t y) {
  return x == 0 || y == 0 || x == grid.width() - 1 || y == grid.height() - 1;
}

// The objects of the cells x0..x1, y0..y1, row by row.
std::vector<const GridObject*> objectsIn(const LevelGrid& grid, int x0, int y0, int x1, int y1) {
  std::vector<const GridObject*> objects;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) objects.push_back(&grid.cell(x, y));
  }
  return objects;
}

TEST(LevelGridCells, ANewGridHoldsNoLevel) {
  LevelGrid grid;
  EXPECT_EQ(grid.width(), 0);
  EXPECT_EQ(grid.height(), 0);
  EXPECT_EQ(grid.start(), (Position{0, 0}));
  EXPECT_FALSE(grid.isLoaded());
  EXPECT_FALSE(grid.hasDescription());
  EXPECT_FALSE(grid.levelBytes().has_value());
  EXPECT_EQ(kindAt(grid, 0, 0), ObjectKind::Wall);
}

// A level whose edge is not walled must not let anything index past its cells.
TEST(LevelGridCells, PositionsOutsideTheGridAreWalls) {
  LevelGrid grid;
  test::buildLevel(grid, ". . .\n. @ .\n. . Lr\n");
  EXPECT_TRUE(grid.inBounds(0, 0));
  EXPECT_TRUE(grid.inBounds(2, 2));
  EXPECT_FALSE(grid.inBounds(3, 0));
  EXPECT_FALSE(grid.inBounds(0, 3));
  EXPECT_FALSE(grid.inBounds(-1, 0));
  EXPECT_FALSE(grid.inBounds(0, -1));
  EXPECT_EQ(kindAt(grid, 2, 2), ObjectKind::Lens);

  const Position outside[] = {{-1, 1}, {3, 1}, {1, -1}, {1, 3}, {3, -1}, {-70000, 90000}};
  for (Position p : outside) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    GridObject& cell = grid.cell(p.x, p.y);
    EXPECT_EQ(cell.kind(), ObjectKind::Wall);
    EXPECT_EQ(cell.movability(), Movability::Solid);
    EXPECT_TRUE(cell.receiveLight(Beam{kWhite, kWest, p.x, p.y}).empty());
    for (Direction side : kDirections) EXPECT_EQ(cell.light(side), kBlack);
  }
}

TEST(LevelGridCells, SwappingExchangesTheObjectsThemselves) {
  LevelGrid grid;
  test::buildLevel(grid, "# # # #\n# Lr Snb #\n# . @ #\n# # # #\n");
  const GridObject* lens = &grid.cell(1, 1);
  const GridObject* sensor = &grid.cell(2, 1);
  const GridObject* floor = &grid.cell(2, 2);

  EXPECT_TRUE(grid.swapCells({1, 1}, {2, 2}));
  EXPECT_EQ(&grid.cell(1, 1), floor);
  EXPECT_EQ(&grid.cell(2, 2), lens);
  EXPECT_TRUE(grid.swapCells({2, 1}, {1, 1}));
  EXPECT_EQ(&grid.cell(1, 1), sensor);
  EXPECT_EQ(&grid.cell(2, 1), floor);
  EXPECT_EQ(sensorCount(), 1);

  EXPECT_FALSE(grid.swapCells({1, 1}, {4, 1}));
  EXPECT_FALSE(grid.swapCells({-1, 0}, {1, 1}));
  EXPECT_EQ(&grid.cell(1, 1), sensor);
}

TEST(LevelGridCells, TheModelsInteriorIsInsideTheRing) {
  PlayModel model;
  test::buildLevel(model.grid(), "# # # # #\n# . . Lr #\n# . @ . #\n# # # # #\n");
  EXPECT_TRUE(model.isInterior(1, 1));
  EXPECT_TRUE(model.isInterior(3, 2));
  EXPECT_FALSE(model.isInterior(0, 1));
  EXPECT_FALSE(model.isInterior(4, 1));
  EXPECT_FALSE(model.isInterior(2, 0));
  EXPECT_FALSE(model.isInterior(2, 3));
  EXPECT_FALSE(model.isInterior(-1, -1));
  EXPECT_EQ(model.tileAt(3, 1), 9);
  EXPECT_EQ(model.tileAt(0, 0), 1);
  EXPECT_EQ(model.tileAt(2, 2), 2);
}

TEST(LevelGridCells, TheBoardShowsALasersColourAsThePaletteDoes) {
  PlayModel model;
  test::buildLevel(model.grid(), "# # # # #\n# >r vb . #\n# . @ <k #\n# # # # #\n");
  EXPECT_EQ(model.boardTileAt(1, 1), 104 + 1) << "red, east";
  EXPECT_EQ(model.boardTileAt(2, 1), 104 + 4 * 3 + 2) << "blue, south";
  EXPECT_EQ(model.boardTileAt(3, 2), model.tileAt(3, 2)) << "a laser of no colour";
  EXPECT_EQ(model.boardTileAt(0, 0), 1);
}

TEST(LevelGridLifecycle, ClearDropsTheCellsButKeepsSizeStartAndDescription) {
  LevelGrid grid;
  test::buildLevel(grid, "# # # #\n# @ Snr #\n# # # #\n");
  grid.setDescription(true, "Mind the gap");
  ASSERT_EQ(sensorCount(), 1);

  grid.clear();
  EXPECT_FALSE(grid.isLoaded());
  EXPECT_EQ(grid.width(), 4);
  EXPECT_EQ(grid.height(), 3);
  EXPECT_EQ(grid.start(), (Position{1, 1}));
  EXPECT_EQ(grid.description(), "Mind the gap");
  EXPECT_EQ(sensorCount(), 0);
  // The cells are gone: what was floor now answers as outside.
  EXPECT_EQ(kindAt(grid, 1, 1), ObjectKind::Wall);
}

TEST(LevelGridLifecycle, CloseAlsoForgetsStartDescriptionAndLevelBytes) {
  LevelGrid grid;
  std::istringstream in(bytes({0xF0, 'H', 'i', 0x00, 1, 1, 2, 3, 0}));
  ASSERT_TRUE(grid.read(in));
  ASSERT_TRUE(grid.levelBytes().has_value());

  grid.close();
  EXPECT_FALSE(grid.isLoaded());
  EXPECT_EQ(grid.start(), (Position{0, 0}));
  EXPECT_FALSE(grid.hasDescription());
  EXPECT_FALSE(grid.levelBytes().has_value());

  grid.setDescription(true, "x");
  grid.setDescription(false, "ignored");
  EXPECT_FALSE(grid.hasDescription());
}

TEST(LevelGridResize, Growing7x7To9x8KeepsTheInteriorAndWallsOnlyTheNewRing) {
  LevelGrid grid;
  test::buildLevel(grid, R"(
# # # # # # #
# Lr . . . Lb #
# . \g . . . #
# . . # . . #
# . . . Tn . #
# Lw . . . Sng #
# # # # # # #
)");
  const auto interior = objectsIn(grid, 1, 1, 5, 5);

  EXPECT_TRUE(grid.resizeGrid(9, 8));
  EXPECT_EQ(grid.width(), 9);
  EXPECT_EQ(grid.height(), 8);
  EXPECT_EQ(objectsIn(grid, 1, 1, 5, 5), interior);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 9; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      if (onRing(grid, x, y)) {
        EXPECT_EQ(kindAt(grid, x, y), ObjectKind::Wall);
      } else if (x > 5 || y > 5) {
        EXPECT_EQ(kindAt(grid, x, y), ObjectKind::Floor);
      }
    }
  }
  EXPECT_EQ(sensorCount(), 1);
}

TEST(LevelGridResize, Shrinking9x9To7x7WallsTheNewRingOverInteriorObjects) {
  LevelGrid grid;
  test::buildLevel(grid, R"(
# # # # # # # # #
# . . . . . . . #
# . Lr . . . Lg . #
# . . . . . . . #
# . . . Snr . . . #
# . . . . . . . #
# . Sew . . . \b . #
# . . . . . . Lc #
# # # # # # # # #
)");
  ASSERT_EQ(sensorCount(), 2);
  const auto interior = objectsIn(grid, 1, 1, 5, 5);

  EXPECT_TRUE(grid.resizeGrid(7, 7));
  EXPECT_EQ(grid.width(), 7);
  EXPECT_EQ(grid.height(), 7);
  EXPECT_EQ(objectsIn(grid, 1, 1, 5, 5), interior);
  for (int32_t i = 0; i < 7; ++i) {
    EXPECT_EQ(kindAt(grid, i, 0), ObjectKind::Wall);
    EXPECT_EQ(kindAt(grid, i, 6), ObjectKind::Wall);
    EXPECT_EQ(kindAt(grid, 0, i), ObjectKind::Wall);
    EXPECT_EQ(kindAt(grid, 6, i), ObjectKind::Wall);
  }
  // The sensor that stood at (2, 6) is now a wall; the one at (4, 4) stays.
  EXPECT_EQ(sensorCount(), 1);
  EXPECT_EQ(kindAt(grid, 4, 4), ObjectKind::Sensor);
}

TEST(LevelGridResize, NarrowerAndTallerAtOnce) {
  LevelGrid grid;
  test::buildLevel(grid, R"(
# # # # # # #
# Lr . . . Lb #
# . . . . . #
# . . Lg . . #
# . . . . . #
# Ly . . . Lc #
# # # # # # #
)");
  const auto kept = objectsIn(grid, 1, 1, 3, 5);

  EXPECT_TRUE(grid.resizeGrid(5, 9));
  EXPECT_EQ(objectsIn(grid, 1, 1, 3, 5), kept);
  for (int32_t y = 0; y < 9; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      if (onRing(grid, x, y)) {
        EXPECT_EQ(kindAt(grid, x, y), ObjectKind::Wall);
      } else if (y > 5) {
        EXPECT_EQ(kindAt(grid, x, y), ObjectKind::Floor);
      }
    }
  }
}

TEST(LevelGridResize, RebuildBorderReplacesTheRingAndNothingElse) {
  LevelGrid grid;
  test::buildLevel(grid, "# # # # #\n# Lr . . #\n# . Tn . #\n# . . Snb #\n# # # # #\n");
  ASSERT_TRUE(grid.replaceCell(0, 2, std::make_unique<Lens>(kRed)));
  ASSERT_TRUE(grid.replaceCell(2, 0, std::make_unique<Floor>()));
  ASSERT_TRUE(grid.replaceCell(4, 4, std::make_unique<Sensor>(kRed, kNorth)));
  ASSERT_EQ(sensorCount(), 2);
  const auto interior = objectsIn(grid, 1, 1, 3, 3);

  grid.rebuildBorder();
  for (int32_t y = 0; y < 5; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      if (onRing(grid, x, y)) {
        EXPECT_EQ(kindAt(grid, x, y), ObjectKind::Wall) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(objectsIn(grid, 1, 1, 3, 3), interior);
  EXPECT_EQ(sensorCount(), 1);
}

// A 4 x 3 level: walls round a floor and a red mirror of orientation 1; a
// yellow sensor facing south and a T-mirror with its stem south below them.
const std::string kLevel = bytes({0x00, 4, 3,    1,    1,  //
                                  1,    1, 1,    1,        //
                                  1,    0, 3,    0x09, 1,  //
                                  1,    5, 0x13, 6,    2, 1});

TEST(LevelGridRead, ReadsTheRecordAndKeepsACopyOfExactlyItsBytes) {
  std::istringstream in("abc" + kLevel + "RRRR");
  in.seekg(3);
  LevelGrid grid;
  ASSERT_TRUE(grid.read(in));
  EXPECT_TRUE(grid.isLoaded());
  EXPECT_EQ(grid.width(), 4);
  EXPECT_EQ(grid.height(), 3);
  EXPECT_EQ(grid.start(), (Position{1, 1}));
  EXPECT_FALSE(grid.hasDescription());
  for (int32_t x = 0; x < 4; ++x) {
    EXPECT_EQ(kindAt(grid, x, 0), ObjectKind::Wall);
  }
  EXPECT_EQ(kindAt(grid, 1, 1), ObjectKind::Floor);
  EXPECT_EQ(kindAt(grid, 2, 1), ObjectKind::Mirror);
  EXPECT_EQ(kindAt(grid, 1, 2), ObjectKind::Sensor);
  EXPECT_EQ(kindAt(grid, 2, 2), ObjectKind::TMirror);
  EXPECT_EQ(kindAt(grid, 3, 2), ObjectKind::Wall);
  EXPECT_EQ(grid.cell(2, 1).tileIndex(), 25);
  EXPECT_EQ(grid.cell(1, 2).tileIndex(), 59);
  EXPECT_EQ(grid.cell(2, 2).tileIndex(), 38);

  ASSERT_TRUE(grid.levelBytes().has_value());
  EXPECT_EQ(*grid.levelBytes(), kLevel);
  EXPECT_EQ(std::streamoff(in.tellg()), std::streamoff(3 + kLevel.size()));
  EXPECT_EQ(in.get(), 'R');

  std::ostringstream out;
  EXPECT_TRUE(writeLevelContent(out, grid));
  EXPECT_EQ(out.str(), kLevel);
}

TEST(LevelGridRead, DescriptionBlock) {
  {
    const std::string level = bytes({0xF0, 'O', 'n', 'e', ' ', 0xE9, 0x00, 2, 1, 7, 9, 0, 1});
    std::istringstream in(level);
    LevelGrid grid;
    ASSERT_TRUE(grid.read(in));
    ASSERT_TRUE(grid.hasDescription());
    EXPECT_EQ(grid.description(), "One \xE9");
    EXPECT_EQ(grid.width(), 2);
    // The start is not checked against the size.
    EXPECT_EQ(grid.start(), (Position{7, 9}));
    EXPECT_EQ(*grid.levelBytes(), level);
    std::ostringstream out;
    writeLevelContent(out, grid);
    EXPECT_EQ(out.str(), level);
  }
  {
    std::istringstream in(bytes({0xF0, 0x00, 1, 1, 0, 0, 0}));
    LevelGrid grid;
    ASSERT_TRUE(grid.read(in));
    EXPECT_TRUE(grid.hasDescription());
    EXPECT_EQ(grid.description(), "");
  }
  {
    // Any other first byte means "no description" and is nothing else: 7
    // here is not the width.
    std::istringstream in(bytes({0x07, 2, 1, 0, 0, 0, 1}));
    LevelGrid grid;
    ASSERT_TRUE(grid.read(in));
    EXPECT_FALSE(grid.hasDescription());
    EXPECT_EQ(grid.width(), 2);
    EXPECT_EQ(grid.height(), 1);
    EXPECT_EQ(kindAt(grid, 0, 0), ObjectKind::Floor);
    EXPECT_EQ(kindAt(grid, 1, 0), ObjectKind::Wall);
  }
}

// The editor goes on showing the level it held, unsaved edits and all.
TEST(LevelGridRead, AKindAboveSixFailsAndKeepsTheLevelHeld) {
  LevelGrid grid;
  test::buildLevel(grid, "# # #\n# @ #\n# # #\n");
  grid.setDescription(true, "old");
  std::istringstream in(bytes({0x00, 3, 1, 0, 0, 5, 0x01, 0, 7}));
  ASSERT_EQ(sensorCount(), 0);

  EXPECT_FALSE(grid.read(in));
  EXPECT_TRUE(grid.isLoaded());
  EXPECT_EQ(grid.description(), "old");
  EXPECT_EQ(grid.height(), 3);
  EXPECT_EQ(kindAt(grid, 1, 1), ObjectKind::Floor);
  // The sensor read before the bad cell is gone again.
  EXPECT_EQ(sensorCount(), 0);

  std::istringstream high(bytes({0x00, 1, 1, 0, 0, 0xFF}));
  EXPECT_FALSE(grid.read(high));
  EXPECT_EQ(grid.width(), 3);
}

TEST(LevelGridRead, FailsOnAZeroSizeOrWhenTheDataEnds) {
  const std::string cases[] = {
      bytes({0x00, 0, 3, 0, 0, 0}),  // zero width
      bytes({0x00, 3, 0, 0, 0, 0}),  // zero height
      bytes({}),                     // nothing at all
      bytes({0xF0, 'a', 'b'}),       // inside the description
      bytes({0x00, 3}),              // before the height
      bytes({0x00, 1, 1, 0}),        // before the robot's row
      bytes({0x00, 2, 1, 0, 0, 0}),  // one cell short
      bytes({0x00, 1, 1, 0, 0, 2}),  // a lens without its colour
  };
  for (const std::string& level : cases) {
    SCOPED_TRACE(testing::PrintToString(level));
    std::istringstream in(level);
    LevelGrid grid;
    EXPECT_FALSE(grid.read(in));
    EXPECT_FALSE(grid.isLoaded());
    EXPECT_FALSE(grid.levelBytes().has_value());
  }
}

}  // namespace
}  // namespace trelux
