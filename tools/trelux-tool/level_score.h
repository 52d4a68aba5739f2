// The figures that say what makes a level good, measured by playing its
// stored solution: what the light does once it is won (LightUse), sensors
// that the solution never needs to touch, pushes that only undo each other,
// and how much of the solution is walking round beams (the shortest
// solution with zaps switched off against the real one). The level table
// prints them and the level search maximises score().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "light_use.h"

namespace trelux::tool {

struct LevelScore {
  LightUse light;            // in the arrangement the solution wins with
  int32_t litUntouched = 0;  // sensors lit at the start and after every key
  int32_t moves = 0;         // pushes and pulls that stand (zapped ones are taken back)
  int32_t netCells = 0;      // how far the objects end from their start, in cells
  size_t keys = 0;
  size_t noZapKeys = 0;      // the shortest solution if the robot could stand in light

  // What makes a puzzle: colours that meet or are filtered, prisms that split,
  // join or block, light at a sensor's wrong side.
  int32_t ideas() const;
  // What makes a level thinner than it looks: a sensor that wants one
  // laser's colour as it comes, a sensor lit all along, an unused T-mirror.
  int32_t flaws() const;
  int32_t wastedMoves() const { return moves - netCells; }
  // The no-zap length, ten per idea less ten per flaw, less the wasted moves.
  int32_t score() const;
};

// Plays level (0-based) of levelFile with solution, which must win it.
bool scoreLevel(const std::string& levelFile, int32_t level, const std::string& solution, LevelScore& score,
                std::string& error);

}  // namespace trelux::tool
