#include "ico.h"

#include "bmp.h"
#include "bytes.h"

namespace trelux::art {
namespace {

// The AND mask: 1 bit a pixel, bottom row first, rows padded to 4 bytes.
std::string andMask(const IconImage& icon) {
  const int w = icon.picture.width();
  const int h = icon.picture.height();
  const int stride = ((w + 31) / 32) * 4;
  std::string out;
  for (int y = h - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < w; ++x) {
      if (icon.transparent[static_cast<std::size_t>(y) * w + x]) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    out += row;
  }
  return out;
}

}  // namespace

std::string encodeIco(const std::vector<IconImage>& images) {
  std::vector<std::string> bodies;
  for (const IconImage& icon : images) {
    // The height field counts the colour image and the mask together.
    bodies.push_back(encodeDib(icon.picture, icon.picture.height() * 2) + andMask(icon));
  }
  std::string out;
  putLe16(out, 0);
  putLe16(out, 1);  // icon
  putLe16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const Image& p = images[i].picture;
    out.push_back(static_cast<char>(p.width() >= 256 ? 0 : p.width()));
    out.push_back(static_cast<char>(p.height() >= 256 ? 0 : p.height()));
    out.push_back('\0');  // no palette
    out.push_back('\0');
    putLe16(out, 1);   // planes
    putLe16(out, 24);  // bits per pixel
    putLe32(out, static_cast<std::uint32_t>(bodies[i].size()));
    putLe32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const std::string& body : bodies) out += body;
  return out;
}

}  // namespace trelux::art
