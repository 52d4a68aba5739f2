// The program's own pictures: the help dialog's pictures of the robot and
// the objects, and the icon.
#pragma once

#include <string>
#include <vector>

#include "ico.h"
#include "image.h"

namespace trelux::art {

// Help pictures are square, this many pixels a side: the object at 24
// pixels with a margin of floor that its beams cross. Small enough for a
// picture beside each text of the help dialog.
constexpr int kHelpPictureSize = 32;

struct NamedPicture {
  std::string name;  // "trelux.bmp", "laser.bmp", ...
  Image picture;
};

std::vector<NamedPicture> drawHelpPictures();
// The icon at 16, 32 and 48 pixels.
std::vector<IconImage> drawIcon();

}  // namespace trelux::art
