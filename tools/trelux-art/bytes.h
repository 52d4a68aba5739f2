// Little- and big-endian byte writers for the file formats.
#pragma once

#include <cstdint>
#include <string>

namespace trelux::art {

inline void putLe16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void putLe32(std::string& out, std::uint32_t v) {
  putLe16(out, v & 0xFFFF);
  putLe16(out, v >> 16);
}

inline void putBe32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline std::uint32_t getLe16(const std::string& in, std::size_t at) {
  return static_cast<std::uint8_t>(in[at]) | (static_cast<std::uint8_t>(in[at + 1]) << 8);
}

inline std::uint32_t getLe32(const std::string& in, std::size_t at) {
  return getLe16(in, at) | (getLe16(in, at + 2) << 16);
}

}  // namespace trelux::art
