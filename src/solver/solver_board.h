// What the solver knows of a level: the fixed cells, the pushable objects,
// and the light of an arrangement of those objects. Light is computed by the
// game's own light pass on the level's own grid: the objects are moved into
// the arrangement with the grid's swaps, exactly as pushes and pulls move
// them, and the lit cells are read back.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "world/direction.h"
#include "world/objects.h"

namespace trelux {

class LevelGrid;

// Cell indexes (y * width + x) of the pushable objects, in the board's object
// order; objects that look the same keep their cells in ascending order, so
// that swapping two identical objects gives the same arrangement. A fixed
// array: the search copies arrangements for every push it tries.
class Arrangement {
 public:
  static constexpr size_t kCapacity = 16;
  void push_back(uint16_t cell) { cells_[count_++] = cell; }
  void resize(size_t count) { count_ = static_cast<uint8_t>(count); }
  size_t size() const { return count_; }
  uint16_t& operator[](size_t i) { return cells_[i]; }
  uint16_t operator[](size_t i) const { return cells_[i]; }
  uint16_t* begin() { return cells_.data(); }
  uint16_t* end() { return cells_.data() + count_; }
  const uint16_t* begin() const { return cells_.data(); }
  const uint16_t* end() const { return cells_.data() + count_; }
  bool operator==(const Arrangement& other) const;

 private:
  std::array<uint16_t, kCapacity> cells_{};
  uint8_t count_ = 0;
};

// The word of the search's bit sets: 32 bits, which a 32-bit program (the
// game) shifts and tests in one instruction.
using BitWord = uint32_t;
constexpr uint32_t kWordBits = 32;

class SolverBoard {
 public:
  // The grid must stay alive; the board moves its objects around.
  explicit SolverBoard(LevelGrid& grid);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int32_t cellCount() const { return width_ * height_; }
  size_t objectCount() const { return objectCount_; }
  // More pushable objects than an arrangement holds: the board cannot search.
  bool tooManyObjects() const { return objectCount_ > Arrangement::kCapacity; }
  // Objects i and j look the same exactly when their groups are equal.
  int group(size_t object) const { return groups_[object]; }
  const CellCode& objectCode(size_t object) const { return codes_[object]; }
  // Where the grid had its objects when the board was made.
  const Arrangement& startArrangement() const { return start_; }

  int32_t cellIndex(Position p) const { return p.y * width_ + p.x; }
  Position positionOf(int32_t cell) const { return {cell % width_, cell / width_}; }
  // Floor by nature: the robot or an object may stand there. Outside the grid
  // nothing may.
  bool isGround(Position p) const;
  bool isGroundCell(int32_t cell) const { return ground_[static_cast<size_t>(cell)]; }
  // The cell one step from cell in direction d; -1 outside the grid.
  int32_t neighbour(int32_t cell, Direction d) const { return neighbours_[static_cast<size_t>(cell) * 4 + d]; }

  // Words of a set of cells.
  uint32_t words() const { return words_; }
  // Runs the light pass over the arrangement and sets the bit of every cell
  // light crosses in lit (words() words, cleared by the caller). True when
  // every sensor of the level is lit: the completion test, asked of this
  // grid's sensors alone so that another grid alive at the same time (the
  // level being played) does not count.
  bool computeLight(const Arrangement& arrangement, BitWord* lit);

  // Puts each object of the arrangement in its cell of the grid.
  void arrange(const Arrangement& arrangement);
  // Keeps identical objects in ascending cell order.
  void normalise(Arrangement& arrangement) const;

 private:
  bool allSensorsLit() const;

  LevelGrid& grid_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  size_t objectCount_ = 0;
  uint32_t words_ = 0;
  std::vector<bool> ground_;
  std::vector<int32_t> neighbours_;
  std::vector<const Sensor*> sensors_;
  std::vector<int> groups_;
  std::vector<CellCode> codes_;
  Arrangement start_;
  // Where each object stands in the grid now, and which object each cell holds.
  Arrangement placed_;
  std::vector<int16_t> occupant_;
};

}  // namespace trelux
