// The byte layout of a level record's content (what follows its marker):
// description block, width, height, robot column and row, then one cell code
// per cell, row by row.
#pragma once

#include <iosfwd>

namespace trelux {

class LevelGrid;

// Reads the content into grid. Fails, leaving the grid without a level, on a
// kind above 6, a width or height of 0, or the end of the data.
bool parseLevel(std::istream& in, LevelGrid& grid);
// Writes the content of grid's level; true when every byte was written.
bool writeLevelContent(std::ostream& out, const LevelGrid& grid);

constexpr unsigned char kDescriptionMark = 0xF0;

}  // namespace trelux
