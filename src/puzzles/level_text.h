// A readable text form of one level, for puzzle authors and tests. Each line
// is a row of cells separated by blanks; lines that are empty or start with
// ';' are skipped. Cells:
//
//   #    wall                 .    floor          @    floor, robot start
//   Lc   lens of colour c     \c   mirror, orientation 0 (north-west to south-east)
//                             /c   mirror, orientation 1 (north-east to south-west)
//   ^c >c vc <c   laser of colour c pointing north, east, south, west
//   Sfc  sensor facing side f (n e s w) wanting colour c
//   Tf   T-mirror with its stem on side f
//
// Colours: k (none) r g y b m c w.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace trelux {

class GridObject;
class LevelGrid;

// One cell token; null when it is not one. robot is set for "@".
std::unique_ptr<GridObject> parseCellToken(std::string_view token, bool& robot);
// The token of an object; "@" for a floor where the robot starts.
std::string formatCellToken(const GridObject& object, bool robot);

// Builds the level into grid (loaded on success). On failure error names the
// line and the cell that could not be read.
bool parseLevelText(std::string_view text, LevelGrid& grid, std::string& error);
std::string formatLevelText(const LevelGrid& grid);

}  // namespace trelux
