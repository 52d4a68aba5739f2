#include "support/level_files.h"

#include <gtest/gtest.h>

#include "puzzles/level_text.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux::test {

void buildLevel(LevelGrid& grid, std::string_view text) {
  std::string error;
  ASSERT_TRUE(parseLevelText(text, grid, error)) << error << "\n" << text;
}

void writeSetFile(const std::string& path, const std::vector<std::string>& levelTexts) {
  PuzzleSetFile set;
  ASSERT_TRUE(set.createSetFile(path)) << path;
  for (size_t i = 0; i < levelTexts.size(); ++i) {
    if (i > 0) {
      ASSERT_TRUE(set.appendLevel());
    }
    LevelGrid grid;
    buildLevel(grid, levelTexts[i]);
    ASSERT_TRUE(set.seekLevel(static_cast<int32_t>(i)));
    ASSERT_TRUE(set.writeLevel(grid));
  }
  set.close();
}

}  // namespace trelux::test
