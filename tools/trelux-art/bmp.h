// Windows bitmaps: uncompressed 24 bits a pixel, bottom row first, rows
// padded to 4 bytes, as LoadBitmap takes them from a resource.
#pragma once

#include <optional>
#include <string>

#include "image.h"

namespace trelux::art {

// The whole .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, pixels.
std::string encodeBmp(const Image& image);
// Reads back what encodeBmp writes (24-bit, uncompressed, either row order);
// nullopt for anything else.
std::optional<Image> decodeBmp(const std::string& bytes);

// The BITMAPINFOHEADER and pixels without the file header, as an icon or a
// bitmap resource stores them.
std::string encodeDib(const Image& image, int heightField);

}  // namespace trelux::art
