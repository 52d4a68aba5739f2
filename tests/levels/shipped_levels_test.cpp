// The puzzle sets that ship, as the build laid them out: every stored
// solution wins, the sets keep the rules for shipped levels, and each
// descriptor names its set as the catalogue reads it.
#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "puzzles/catalogue.h"
#include "replay.h"
#include "set_compiler.h"
#include "set_stats.h"
#include "set_text.h"
#include "support/scratch_folder.h"
#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {
namespace {

std::vector<std::string> split(const std::string& list) {
  std::vector<std::string> out;
  std::istringstream in(list);
  for (std::string item; std::getline(in, item, ',');) out.push_back(item);
  return out;
}

struct ShippedSet {
  std::string stem;
  std::string levelFile;  // as built
  tool::SetSource source;
};

ShippedSet loadSet(const std::string& stem, const std::string& levelFile) {
  ShippedSet set{stem, levelFile, {}};
  const std::string path = std::string(TRELUX_LEVELS_SOURCE_DIR) + "/" + stem + ".txt";
  std::string error;
  EXPECT_TRUE(tool::parseSetText(test::readFile(path), path, set.source, error)) << error;
  return set;
}

std::vector<ShippedSet> shippedSets() {
  std::vector<ShippedSet> sets;
  for (const std::string& stem : split(TRELUX_SHIPPED_SETS)) {
    sets.push_back(loadSet(stem, std::string(TRELUX_GAME_LEVELS_DIR) + "/" + stem + "/levels.dat"));
  }
  return sets;
}

std::vector<ShippedSet> allSets() {
  std::vector<ShippedSet> sets = shippedSets();
  for (const std::string& stem : split(TRELUX_BONUS_SETS)) {
    sets.push_back(loadSet(stem, std::string(TRELUX_BONUS_DIR) + "/" + stem + ".dat"));
  }
  return sets;
}

void readGrid(const tool::LevelSource& level, LevelGrid& grid) {
  std::istringstream in(level.content);
  ASSERT_TRUE(grid.read(in));
}

// ---- As built -------------------------------------------------------------------

TEST(ShippedLevels, TheBuiltFilesAreTheCompiledTexts) {
  test::ScratchFolder folder;
  for (const ShippedSet& set : allSets()) {
    std::string error;
    ASSERT_TRUE(tool::compileSet(set.source, "fresh.dat", error)) << error;
    EXPECT_EQ(test::readFile(set.levelFile), test::readFile("fresh.dat")) << set.levelFile << " is stale";
  }
}

TEST(ShippedLevels, EveryStoredSolutionWinsWithItsLastKey) {
  for (const ShippedSet& set : allSets()) {
    for (size_t i = 0; i < set.source.levels.size(); ++i) {
      SCOPED_TRACE(set.stem + " level " + std::to_string(i + 1));
      const std::string& keys = set.source.levels[i].solution;
      ASSERT_FALSE(keys.empty());
      tool::ReplayResult result;
      std::string error;
      ASSERT_TRUE(tool::replayLevel(set.levelFile, static_cast<int32_t>(i), keys, result, error)) << error;
      EXPECT_EQ(result.wonAfterKey, keys.size());
    }
  }
}

TEST(ShippedLevels, EachSetHasALockedDescriptorNamingItsFolder) {
  for (const ShippedSet& set : shippedSets()) {
    PuzzleSetEntry entry;
    const std::string descriptor = std::string(TRELUX_GAME_LEVELS_DIR) + "/" + set.stem + ".trelux";
    ASSERT_TRUE(readDescriptor(descriptor, entry)) << descriptor;
    EXPECT_EQ(entry.name, set.source.name);
    EXPECT_EQ(entry.folder, ".\\levels\\" + set.stem + "\\");
    EXPECT_FALSE(entry.unlocked);
  }
}

// ---- The rules for shipped sets ----------------------------------------------------

TEST(ShippedLevels, SolutionsGetLongerThroughEachSet) {
  for (const ShippedSet& set : allSets()) {
    size_t longest = 0;
    for (size_t i = 0; i < set.source.levels.size(); ++i) {
      const size_t length = set.source.levels[i].solution.size();
      // Small dips only: never below 70% of the longest before.
      EXPECT_GE(length * 10, longest * 7) << set.stem << " level " << i + 1;
      longest = std::max(longest, length);
    }
    EXPECT_GT(set.source.levels.back().solution.size(), set.source.levels.front().solution.size()) << set.stem;
  }
}

// A level's grid and start, without its description.
std::string layoutOf(const tool::LevelSource& level) {
  LevelGrid grid;
  readGrid(level, grid);
  grid.setDescription(false, "");
  std::ostringstream out;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) grid.cell(x, y).write(out);
  }
  return std::to_string(grid.width()) + "x" + std::to_string(grid.height()) + "@" +
         std::to_string(grid.start().x) + "," + std::to_string(grid.start().y) + ":" + out.str();
}

TEST(ShippedLevels, NoTwoLevelsAreAlike) {
  std::set<std::string> layouts;
  size_t levels = 0;
  for (const ShippedSet& set : allSets()) {
    for (const tool::LevelSource& level : set.source.levels) {
      layouts.insert(layoutOf(level));
      ++levels;
    }
  }
  EXPECT_EQ(layouts.size(), levels);
}

TEST(ShippedLevels, EveryKindAndColourAppears) {
  std::set<ObjectKind> kinds;
  std::set<int> colours;
  for (const ShippedSet& set : allSets()) {
    for (const tool::LevelSource& level : set.source.levels) {
      LevelGrid grid;
      readGrid(level, grid);
      for (int32_t y = 0; y < grid.height(); ++y) {
        for (int32_t x = 0; x < grid.width(); ++x) {
          const CellCode code = grid.cell(x, y).code();
          kinds.insert(code.kind);
          // Lenses, mirrors, lasers and sensors have a colour.
          const bool coloured = code.kind != ObjectKind::Floor && code.kind != ObjectKind::Wall &&
                                code.kind != ObjectKind::TMirror;
          if (coloured) colours.insert(*code.attribute & 7);
        }
      }
    }
  }
  EXPECT_EQ(kinds, (std::set<ObjectKind>{ObjectKind::Floor, ObjectKind::Wall, ObjectKind::Lens,
                                         ObjectKind::Mirror, ObjectKind::Laser, ObjectKind::Sensor,
                                         ObjectKind::TMirror}));
  EXPECT_EQ(colours, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(ShippedLevels, OnlyPrismMasterIsProtected) {
  for (const ShippedSet& set : shippedSets()) {
    EXPECT_EQ(set.source.code.has_value(), set.stem == "prism_master") << set.stem;
  }
}

}  // namespace
}  // namespace trelux
