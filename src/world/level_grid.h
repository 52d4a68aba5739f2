// The cells of one level, the robot's start, the level's description and a
// copy of the bytes it was read from. The grid owns its objects; moves only
// exchange them between cells.
//
// Levels keep a ring of walls, but a level file written elsewhere may not:
// every position outside the grid behaves as a wall (cell() answers a shared
// wall there), so light and moves can never leave the grid.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "world/direction.h"
#include "world/grid_object.h"

namespace trelux {

class LevelGrid {
 public:
  LevelGrid();
  ~LevelGrid();
  LevelGrid(const LevelGrid&) = delete;
  LevelGrid& operator=(const LevelGrid&) = delete;
  LevelGrid(LevelGrid&&) noexcept;
  LevelGrid& operator=(LevelGrid&&) noexcept;

  GridObject& cell(int32_t x, int32_t y);
  const GridObject& cell(int32_t x, int32_t y) const;
  bool inBounds(int32_t x, int32_t y) const;
  // The objects of the cells read so far, row by row: for passes over every
  // cell that need no position.
  std::span<const std::unique_ptr<GridObject>> objects() const { return cells_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  Position start() const { return start_; }
  bool isLoaded() const { return loaded_; }

  void setStart(int32_t x, int32_t y) { start_ = {x, y}; }
  void setDescription(bool present, std::string text);
  bool hasDescription() const { return description_.has_value(); }
  std::string description() const { return description_.value_or(std::string()); }
  // The exact bytes of the record content the level was read from.
  const std::optional<std::string>& levelBytes() const { return levelBytes_; }

  // Deletes every object; width and height keep their values.
  void clear();
  // clear, and forget the start, the description and the level bytes.
  void close();

  // Reads a level record's content from in (positioned after the marker) and
  // leaves in after it. The level is read whole before it replaces the one
  // held, so on failure the grid keeps what it held.
  bool read(std::istream& in);

  // Starts a level of the given size with no cells; the reader and the
  // builders append the cells row by row, then mark the level loaded.
  void beginLevel(int32_t width, int32_t height);
  void appendCell(std::unique_ptr<GridObject> object);
  void markLoaded() { loaded_ = true; }
  // Puts object at (x, y) in place of the one there (which is deleted).
  bool replaceCell(int32_t x, int32_t y, std::unique_ptr<GridObject> object);
  // Exchanges the objects of two cells inside the grid; false otherwise.
  bool swapCells(Position a, Position b);

  bool resizeGrid(int32_t newWidth, int32_t newHeight);
  void rebuildBorder();

 private:
  size_t indexOf(int32_t x, int32_t y) const;

  std::vector<std::unique_ptr<GridObject>> cells_;
  Position start_;
  std::optional<std::string> description_;
  std::optional<std::string> levelBytes_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool loaded_ = false;
};

}  // namespace trelux
