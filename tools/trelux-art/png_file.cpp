#include "png_file.h"

#include <array>
#include <cstdint>

#include "bytes.h"

namespace trelux::art {
namespace {

std::uint32_t crc32(const std::string& data) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char ch : data) c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const std::string& data) {
  std::uint32_t a = 1, b = 0;
  for (const char ch : data) {
    a = (a + static_cast<std::uint8_t>(ch)) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void putChunk(std::string& out, const char* type, const std::string& body) {
  putBe32(out, static_cast<std::uint32_t>(body.size()));
  const std::string typed = std::string(type) + body;
  out += typed;
  putBe32(out, crc32(typed));
}

// A zlib stream of uncompressed deflate blocks (at most 65535 bytes each).
std::string storedZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    out.push_back(at + n == raw.size() ? 1 : 0);
    putLe16(out, static_cast<std::uint32_t>(n));
    putLe16(out, static_cast<std::uint32_t>(~n & 0xFFFF));
    out.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  putBe32(out, adler32(raw));
  return out;
}

}  // namespace

std::string encodePng(const Image& image) {
  std::string out = "\x89PNG\r\n\x1a\n";
  std::string header;
  putBe32(header, static_cast<std::uint32_t>(image.width()));
  putBe32(header, static_cast<std::uint32_t>(image.height()));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, truecolour, no interlace
  putChunk(out, "IHDR", header);
  std::string raw;
  for (int y = 0; y < image.height(); ++y) {
    raw.push_back('\0');  // filter: none
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      raw.push_back(static_cast<char>(c.r));
      raw.push_back(static_cast<char>(c.g));
      raw.push_back(static_cast<char>(c.b));
    }
  }
  putChunk(out, "IDAT", storedZlib(raw));
  putChunk(out, "IEND", "");
  return out;
}

}  // namespace trelux::art
