#include "png_file.h"

#include <csetjmp>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include <png.h>

namespace trelux::art {
namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void flushNothing(png_structp) {}

// libpng reports an error by longjmp to here, so nothing in this frame has a
// destructor to skip.
bool writeRows(png_structp png, png_infop info, const Image& image, png_bytepp rows, std::string* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, appendBytes, flushNothing);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

}  // namespace

std::string encodePng(const Image& image) {
  const auto rowBytes = static_cast<std::size_t>(image.width()) * 3;
  std::vector<png_byte> pixels(rowBytes * static_cast<std::size_t>(image.height()));
  std::vector<png_bytep> rows;
  for (int y = 0; y < image.height(); ++y) {
    png_bytep row = pixels.data() + static_cast<std::size_t>(y) * rowBytes;
    rows.push_back(row);
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.at(x, y);
      row[3 * x] = c.r;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.b;
    }
  }
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written = info && writeRows(png, info, image, rows.data(), &out);
  png_destroy_write_struct(&png, &info);
  if (!written) throw std::runtime_error("libpng cannot write a picture of " + std::to_string(image.width()) +
                                         " x " + std::to_string(image.height()) + " pixels");
  return out;
}

}  // namespace trelux::art
