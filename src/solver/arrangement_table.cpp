#include "solver/arrangement_table.h"

namespace trelux {

namespace {

uint64_t hashOf(const Arrangement& arrangement) {
  uint64_t h = 0x9E3779B97F4A7C15ull;
  for (uint16_t cell : arrangement) h = (h ^ cell) * 0xFF51AFD7ED558CCDull;
  return h ^ (h >> 29);
}

}  // namespace

ArrangementTable::ArrangementTable(SolverBoard& board)
    : board_(board), objects_(board.objectCount()), words_(board.words()), slots_(1024, 0) {}

size_t ArrangementTable::slotOf(const Arrangement& arrangement) const {
  return static_cast<size_t>(hashOf(arrangement)) & (slots_.size() - 1);
}

bool ArrangementTable::matches(uint32_t id, const Arrangement& arrangement) const {
  const uint16_t* cells = cells_.data() + size_t{id} * objects_;
  for (size_t i = 0; i < objects_; ++i) {
    if (cells[i] != arrangement[i]) return false;
  }
  return true;
}

uint32_t ArrangementTable::intern(const Arrangement& arrangement) {
  size_t slot = slotOf(arrangement);
  while (slots_[slot] != 0) {
    if (matches(slots_[slot] - 1, arrangement)) return slots_[slot] - 1;
    slot = (slot + 1) & (slots_.size() - 1);
  }
  const auto id = static_cast<uint32_t>(size());
  slots_[slot] = id + 1;
  add(arrangement);
  if (size() * 2 > slots_.size()) grow();
  return id;
}

void ArrangementTable::add(const Arrangement& arrangement) {
  cells_.insert(cells_.end(), arrangement.begin(), arrangement.end());
  const size_t first = occupied_.size();
  occupied_.resize(first + words_, 0);
  for (uint16_t cell : arrangement) occupied_[first + cell / kWordBits] |= BitWord{1} << (cell % kWordBits);
  lit_.resize(first + words_, 0);
  complete_.push_back(board_.computeLight(arrangement, lit_.data() + first) ? 1 : 0);
  moves_.resize(moves_.size() + objects_ * 4, kNotYet);
}

Arrangement ArrangementTable::movedArrangement(uint32_t id, int32_t from, Direction d) const {
  Arrangement next = arrangement(id);
  next[objectAt(id, from)] = static_cast<uint16_t>(board_.neighbour(from, d));
  board_.normalise(next);
  return next;
}

void ArrangementTable::grow() {
  slots_.assign(slots_.size() * 2, 0);
  for (uint32_t id = 0; id < size(); ++id) {
    size_t slot = slotOf(arrangement(id));
    while (slots_[slot] != 0) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = id + 1;
  }
}

Arrangement ArrangementTable::arrangement(uint32_t id) const {
  Arrangement a;
  for (size_t i = 0; i < objects_; ++i) a.push_back(cells_[id * objects_ + i]);
  return a;
}

}  // namespace trelux
