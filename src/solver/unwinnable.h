// Levels that can be seen to be unwinnable without a search: a level is won
// when all its sensors are lit, and a sensor is lit only by exactly its
// colour. Objects move but never change colour, so what the lasers, lenses
// and mirrors of a level can make is known before the first key; Solve,
// hints and `trelux-tool check` say why at once instead of searching every
// position first.
#pragma once

#include <optional>
#include <string>

namespace trelux {

class LevelGrid;

// Why the level can never be won ("it has no sensor", "it has no laser", "no
// laser or mix of lasers makes the blue of the sensor at x 3, y 4"); nothing
// when it may be winnable.
std::optional<std::string> unwinnableReason(const LevelGrid& grid);

}  // namespace trelux
