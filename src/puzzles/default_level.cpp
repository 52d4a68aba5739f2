#include "puzzles/default_level.h"

#include "puzzles/puzzle_set_file.h"

namespace trelux {

std::string defaultLevelRecord() {
  constexpr int kSize = 7;
  std::string record;
  record += static_cast<char>(kLiveMarker);
  record += '\0';  // no description
  record += static_cast<char>(kSize);
  record += static_cast<char>(kSize);
  record += '\1';  // robot column
  record += '\1';  // robot row
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool border = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
      record += border ? '\1' : '\0';
    }
  }
  record.append(1 + kLevelCapacity - record.size(), 'R');
  return record;
}

}  // namespace trelux
