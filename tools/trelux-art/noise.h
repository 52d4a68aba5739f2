// What the sound generators share: a full turn in radians and a small
// deterministic noise source, the same on every machine.
#pragma once

#include <cstdint>

namespace trelux::art {

inline constexpr double kTwoPi = 6.283185307179586;

class Noise {
 public:
  // Starts from the state as given; seeded() spreads a small seed first.
  explicit Noise(std::uint32_t state) : state_(state) {}
  static Noise seeded(std::uint32_t seed) { return Noise(seed * 2654435761u + 1); }

  // The next value, in [-1, 1).
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

}  // namespace trelux::art
