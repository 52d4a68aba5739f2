// What the player has done in one set, as the chooser and Go to Level show
// it: its levels, the best of each level won, the stored progress and
// whether a completion code protects it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "puzzles/best_moves.h"

namespace trelux {

struct SetRecord {
  std::vector<std::optional<int32_t>> bests;  // by level, from 0
  uint8_t progress = 0;                       // the level after the one won last
  bool hasCode = false;

  int32_t levels() const { return static_cast<int32_t>(bests.size()); }
  // Levels with a best: won at least once as they stand now.
  int32_t won() const;
  // The levels the player has reached, from the first: up to the stored
  // progress, the furthest level won and the level being played, whichever
  // is furthest; at least the first, at most all. None may need the code.
  int32_t reached(int32_t playing = 0) const;
};

// The chooser's lines on the selected set: how many of its levels were won,
// and whether a completion code protects it.
std::string describeRecord(const SetRecord& record);

// Go to Level's list: a line per level reached ("Level 3: best 12 moves",
// "Level 4: not won yet"), from the first.
std::vector<std::string> levelChoices(const SetRecord& record, int32_t playing);

// The record of the set whose level file is levelFile (as the chooser names
// it); nothing when the file cannot be read.
std::optional<SetRecord> readSetRecord(const std::string& levelFile,
                                       const BestMoves& bests = BestMoves());

}  // namespace trelux
