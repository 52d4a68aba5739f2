// Every arrangement of the objects the search has met, numbered densely in
// the order met. Per arrangement it keeps what the robot's moves ask about:
// which cells hold an object, which cells light crosses, and whether every
// sensor is lit, and which arrangement each push or pull leads to. Many
// robot positions share one arrangement, so the light pass runs once per
// arrangement, and a move asks its questions by number with a bit test
// instead of a lookup.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/solver_board.h"

namespace trelux {

class ArrangementTable {
 public:
  explicit ArrangementTable(SolverBoard& board);

  // The number of the arrangement (normalised), adding it and running its
  // light pass the first time.
  uint32_t intern(const Arrangement& arrangement);
  size_t size() const { return complete_.size(); }

  Arrangement arrangement(uint32_t id) const;
  bool isOccupied(uint32_t id, int32_t cell) const { return hasBit(occupied_, id, cell); }
  bool isLit(uint32_t id, int32_t cell) const { return hasBit(lit_, id, cell); }
  bool isComplete(uint32_t id) const { return complete_[id] != 0; }
  // The object standing on cell (which isOccupied says holds one).
  size_t objectAt(uint32_t id, int32_t cell) const {
    const uint16_t* cells = cells_.data() + size_t{id} * objects_;
    size_t i = 0;
    while (i < objects_ && cells[i] != cell) ++i;
    return i;
  }
  // The arrangement after the object on cell from moves one cell in
  // direction d, into a cell the caller found free. Remembered, since the
  // search tries the same push from many robot positions.
  uint32_t moved(uint32_t id, int32_t from, Direction d) {
    const size_t slot = (size_t{id} * objects_ + objectAt(id, from)) * 4 + d;
    if (moves_[slot] == kNotYet) {
      const uint32_t target = intern(movedArrangement(id, from, d));
      moves_[slot] = target;
    }
    return moves_[slot];
  }

 private:
  bool hasBit(const std::vector<BitWord>& bits, uint32_t id, int32_t cell) const {
    const auto c = static_cast<uint32_t>(cell);
    return (bits[size_t{id} * words_ + c / kWordBits] >> (c % kWordBits)) & 1;
  }
  static constexpr uint32_t kNotYet = ~uint32_t{0};
  Arrangement movedArrangement(uint32_t id, int32_t from, Direction d) const;
  size_t slotOf(const Arrangement& arrangement) const;
  bool matches(uint32_t id, const Arrangement& arrangement) const;
  void add(const Arrangement& arrangement);
  void grow();

  SolverBoard& board_;
  size_t objects_;
  uint32_t words_;
  std::vector<uint16_t> cells_;     // objects_ per arrangement
  std::vector<BitWord> occupied_;  // words_ per arrangement
  std::vector<BitWord> lit_;       // words_ per arrangement
  std::vector<uint8_t> complete_;
  std::vector<uint32_t> moves_;     // objects_ * 4 per arrangement: moved()
  // Open addressing over id + 1; 0 marks a free slot.
  std::vector<uint32_t> slots_;
};

}  // namespace trelux
