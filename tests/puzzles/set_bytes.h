// Level file bytes written out by hand, and small readers, for the tests of
// the puzzle set subsystem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "base/files.h"
#include "puzzles/level_text.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux::test {

// A record is its marker followed by 3051 bytes of space.
constexpr size_t kHeaderBytes = 23;
constexpr size_t kRecordBytes = 1 + 3051;

inline size_t markerAt(size_t level) { return kHeaderBytes + level * kRecordBytes; }
inline size_t fileBytesFor(size_t levels) { return kHeaderBytes + levels * kRecordBytes; }

inline std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// A header without completion code.
inline std::string plainHeader(int progress = 0) {
  std::string out(kHeaderBytes, '\0');
  out[0] = static_cast<char>(progress);
  return out;
}

// Content of the level every new set starts with: no description, 7 x 7,
// robot at column 1, row 1, five rows of five floors inside a ring of walls.
inline std::string defaultLevelContent() {
  std::string out = bytes({0x00, 7, 7, 1, 1});
  out += bytes({1, 1, 1, 1, 1, 1, 1});
  for (int row = 1; row <= 5; ++row) out += bytes({1, 0, 0, 0, 0, 0, 1});
  out += bytes({1, 1, 1, 1, 1, 1, 1});
  return out;
}

inline const char* const kDefaultLevelText =
    "# # # # # # #\n"
    "# @ . . . . #\n"
    "# . . . . . #\n"
    "# . . . . . #\n"
    "# . . . . . #\n"
    "# . . . . . #\n"
    "# # # # # # #\n";

// A three-row level of the given width (at least 3): the robot west, floor
// east of it. Levels of different widths tell the records of a set apart.
inline std::string roomOfWidth(int width) {
  std::string walls;
  std::string middle = "# @";
  for (int x = 0; x < width; ++x) walls += x == 0 ? "#" : " #";
  for (int x = 2; x < width - 1; ++x) middle += " .";
  middle += " #";
  return walls + "\n" + middle + "\n" + walls + "\n";
}

// The level at index as text; empty when it cannot be reached or read.
inline std::string levelTextAt(PuzzleSetFile& set, int32_t index) {
  LevelGrid grid;
  if (!set.seekLevel(index) || !set.readLevel(grid)) return {};
  return formatLevelText(grid);
}

// How many levels a fresh reader finds in the file.
inline int32_t liveLevels(const std::string& path) {
  PuzzleSetFile set;
  if (!set.open(path)) return -1;
  int32_t count = 0;
  while (set.seekLevel(count)) ++count;
  return count;
}

inline std::string fileBytes(const std::string& path) {
  return readFileBytes(path).value_or(std::string());
}

}  // namespace trelux::test
