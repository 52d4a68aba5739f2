#include "bmp.h"

#include "bytes.h"

namespace trelux::art {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t rowBytes(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }

}  // namespace

std::string encodeDib(const Image& image, int heightField) {
  std::string out;
  const std::uint32_t stride = rowBytes(image.width());
  putLe32(out, kInfoHeaderSize);
  putLe32(out, static_cast<std::uint32_t>(image.width()));
  putLe32(out, static_cast<std::uint32_t>(heightField));
  putLe16(out, 1);   // planes
  putLe16(out, 24);  // bits per pixel
  putLe32(out, 0);   // BI_RGB
  putLe32(out, stride * image.height());
  putLe32(out, 2835);  // 72 dots per inch
  putLe32(out, 2835);
  putLe32(out, 0);
  putLe32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      out.push_back(static_cast<char>(c.b));
      out.push_back(static_cast<char>(c.g));
      out.push_back(static_cast<char>(c.r));
    }
    out.resize(start + stride, '\0');
  }
  return out;
}

std::string encodeBmp(const Image& image) {
  const std::string dib = encodeDib(image, image.height());
  std::string out = "BM";
  putLe32(out, kFileHeaderSize + static_cast<std::uint32_t>(dib.size()));
  putLe32(out, 0);
  putLe32(out, kFileHeaderSize + kInfoHeaderSize);
  return out + dib;
}

std::optional<Image> decodeBmp(const std::string& bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.compare(0, 2, "BM") != 0) {
    return std::nullopt;
  }
  const std::uint32_t offset = getLe32(bytes, 10);
  const std::size_t info = kFileHeaderSize;
  const auto width = static_cast<std::int32_t>(getLe32(bytes, info + 4));
  const auto heightField = static_cast<std::int32_t>(getLe32(bytes, info + 8));
  if (getLe32(bytes, info) < kInfoHeaderSize || getLe16(bytes, info + 14) != 24 ||
      getLe32(bytes, info + 16) != 0 || width <= 0 || heightField == 0) {
    return std::nullopt;
  }
  const int height = heightField < 0 ? -heightField : heightField;
  const std::uint32_t stride = rowBytes(width);
  if (bytes.size() < offset + static_cast<std::size_t>(stride) * height) return std::nullopt;
  Image image(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = heightField > 0 ? height - 1 - row : row;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = offset + static_cast<std::size_t>(row) * stride + x * 3;
      image.set(x, y,
                {static_cast<std::uint8_t>(bytes[at + 2]), static_cast<std::uint8_t>(bytes[at + 1]),
                 static_cast<std::uint8_t>(bytes[at])});
    }
  }
  return image;
}

}  // namespace trelux::art
