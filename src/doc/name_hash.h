// The hash that places section names and keys in the keyed document's fixed
// tables. The catalogue also uses it to name the files of a new puzzle set,
// so its value is part of what ends up on disk.
#pragma once

#include <cstdint>
#include <string_view>

namespace trelux {

// Each byte counts as a signed 8-bit number, so bytes 0x80 to 0xFF add a
// negative amount; there is deliberately no final mixing step.
constexpr uint32_t nameHash(std::string_view name) {
  uint32_t h = 0;
  for (char c : name) {
    h += static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(c)));
    h += h << 11;
    h ^= h >> 6;
  }
  return h;
}

}  // namespace trelux
