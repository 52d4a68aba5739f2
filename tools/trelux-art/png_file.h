// PNG for the contact sheets: truecolour, 8 bits a channel, written with
// libpng at its strongest compression.
#pragma once

#include <string>

#include "image.h"

namespace trelux::art {

// Throws std::runtime_error when libpng refuses the picture.
std::string encodePng(const Image& image);

}  // namespace trelux::art
