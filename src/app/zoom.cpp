#include "app/zoom.h"

#include <algorithm>

#include "base/text.h"

namespace trelux {
namespace {

// Rounds towards minus infinity, so that a click left of or above the
// picture never lands on its first column or row.
int32_t floorDiv(int32_t value, int32_t divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

}  // namespace

int32_t largestZoom(Extent picture, Extent room) {
  if (picture.width <= 0 || picture.height <= 0) return 1;
  const int32_t across = room.width / picture.width;
  const int32_t down = room.height / picture.height;
  return std::max<int32_t>(1, std::min(across, down));
}

int32_t fittedZoom(int32_t wanted, int32_t largest) {
  return std::clamp(wanted, 1, std::max<int32_t>(1, largest));
}

int32_t zoomFromSetting(const std::string& value) {
  return std::max(1, parseLeadingInt(value));
}

int32_t PictureScale::pictureX(int32_t clientX) const { return floorDiv(clientX - left, zoom); }
int32_t PictureScale::pictureY(int32_t clientY) const { return floorDiv(clientY - top, zoom); }

PictureScale centredPicture(Extent picture, int32_t zoom, Extent client) {
  return {zoom, centredStart(picture.width * zoom, client.width),
          centredStart(picture.height * zoom, client.height)};
}

int32_t centredStart(int32_t inner, int32_t outer) {
  return inner < outer ? (outer - inner) / 2 : 0;
}

}  // namespace trelux
