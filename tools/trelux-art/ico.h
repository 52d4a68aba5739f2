// Windows icon files: one 24-bit image a size, each with its AND mask, as
// windres puts them into an ICON resource.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace trelux::art {

struct IconImage {
  Image picture;
  // One flag a pixel, row by row: true where the picture is transparent.
  std::vector<bool> transparent;
};

std::string encodeIco(const std::vector<IconImage>& images);

}  // namespace trelux::art
