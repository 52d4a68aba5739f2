// PNG for the contact sheets: truecolour, 8 bits a channel, stored with
// deflate's uncompressed blocks. Larger than a compressed PNG, but it needs no
// library and every viewer opens it.
#pragma once

#include <string>

#include "image.h"

namespace trelux::art {

std::string encodePng(const Image& image);

}  // namespace trelux::art
