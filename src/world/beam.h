// Light of one colour entering cell (x, y) through side entrySide.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>

#include "world/direction.h"

namespace trelux {

struct Beam {
  Colour colour = 0;
  Direction entrySide = kNorth;
  int32_t x = 0;
  int32_t y = 0;
  auto operator<=>(const Beam&) const = default;
};

// The beams that leave a cell: never more than two (a T-mirror's split).
class BeamList {
 public:
  void push(const Beam& beam) { beams_[size_++] = beam; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const Beam& operator[](size_t i) const { return beams_[i]; }
  const Beam* begin() const { return beams_.data(); }
  const Beam* end() const { return beams_.data() + size_; }

 private:
  std::array<Beam, 2> beams_{};
  size_t size_ = 0;
};

// The beam that light leaving cell `from` through side `side` becomes.
constexpr Beam beamLeaving(Position from, Direction side, Colour colour) {
  Position to = step(from, side);
  return Beam{colour, opposite(side), to.x, to.y};
}

}  // namespace trelux
