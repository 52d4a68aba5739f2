// Reading single bytes from binary streams, with the end of the data as an
// empty answer rather than a special value to compare against.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace trelux {

inline std::optional<uint8_t> readByte(std::istream& in) {
  const int c = in.get();
  if (c == std::char_traits<char>::eof()) return std::nullopt;
  return static_cast<uint8_t>(c);
}

}  // namespace trelux
