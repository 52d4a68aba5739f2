// The text form of a whole puzzle set, as puzzle authors write it: the set's
// name, an optional completion code, then its levels, each with an optional
// description, an optional stored solution and its grid of cells (see
// docs/LEVEL_TEXT.md). Levels are kept as the record content the game reads,
// so what was parsed is exactly what the compiler writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelux::tool {

struct LevelSource {
  int line = 0;          // where the level starts in its file; 0 when it came from a level file
  std::string content;   // the level record's content: description, size, start, cells
  std::string solution;  // stored keys (U D L R S); empty when none
  int solutionLine = 0;  // the "solution:" line; 0 when there is none
};

struct SetSource {
  std::string name;
  std::optional<std::string> code;
  std::string author;  // for the puzzle server's manifest; empty when not given
  std::string guid;    // the set's identifier there; empty: made from the name
  std::vector<LevelSource> levels;
};

// What the game and its editor allow, and what shipped levels keep to.
constexpr int kMaxGridSide = 22;
constexpr int kMinGridSide = 3;
constexpr size_t kMaxDescription = 2047;
constexpr size_t kMaxCode = 19;
constexpr size_t kMaxGuid = 64;
// Progress is stored as the won level's index plus 1 in one byte, and 255
// would read as a level marker.
constexpr size_t kMaxLevels = 254;

// On failure error reads "FILE:LINE:COLUMN: what is wrong".
bool parseSetText(std::string_view text, const std::string& fileName, SetSource& set,
                  std::string& error);
// parseSetText over the file at path; "cannot read PATH" when it cannot be read.
bool readSetFile(const std::string& path, SetSource& set, std::string& error);
std::string formatSetText(const SetSource& set);

}  // namespace trelux::tool
