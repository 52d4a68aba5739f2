#include "pictures.h"

#include <functional>
#include <vector>

#include "canvas.h"
#include "drawing.h"
#include "objects.h"
#include "palette.h"

namespace trelux::art {
namespace {

constexpr int kTilePixels = 24;
constexpr int kMargin = (kHelpPictureSize - kTilePixels) / 2;

// A beam through one side of the object: from the picture's edge to the
// object's edge, and on over the object to its centre when `inner`.
struct HelpBeam {
  int side;
  int colour;
  bool inner;
};

// Each help picture shows the object on the floor with the light it
// handles, drawn as the game draws beams, and a margin of floor around it.
Image helpPicture(const std::function<void(Canvas&)>& draw, const std::vector<HelpBeam>& beams) {
  Image image(kHelpPictureSize, kHelpPictureSize);
  for (int ty = kMargin - kTilePixels; ty < kHelpPictureSize; ty += kTilePixels) {
    for (int tx = kMargin - kTilePixels; tx < kHelpPictureSize; tx += kTilePixels) {
      Canvas floor(image, tx, ty, kTilePixels);
      drawFloor(floor);
    }
  }
  Canvas object(image, kMargin, kMargin, kTilePixels);
  draw(object);
  const double unit = 25.0 / kTilePixels;
  const double size = kHelpPictureSize * unit;
  const double edge = kMargin * unit;
  Canvas whole(image, 0, 0, kHelpPictureSize, size);
  for (const HelpBeam& beam : beams) {
    const double at = edge + 11;
    const Shape outside[] = {rect(at, 0, 2, edge), rect(size - edge, at, edge, 2),
                             rect(at, size - edge, 2, edge), rect(0, at, edge, 2)};
    whole.fill(outside[beam.side], beamColour(beam.colour));
    if (beam.inner) drawBeamHalf(object, beam.side, beam.colour);
  }
  return image;
}

}  // namespace

std::vector<NamedPicture> drawHelpPictures() {
  std::vector<NamedPicture> pictures;
  pictures.push_back({"trelux.bmp", helpPicture([](Canvas& c) { drawRobot(c, 0); }, {})});
  pictures.push_back(
      {"laser.bmp", helpPicture([](Canvas& c) { drawLaser(c, 1, 1); }, {{1, 1, false}})});
  pictures.push_back({"sensor.bmp", helpPicture([](Canvas& c) { drawSensor(c, 3, 2, true); },
                                                {{3, 2, true}})});
  pictures.push_back({"lens.bmp", helpPicture([](Canvas& c) { drawLens(c, 6); },
                                              {{3, 6, true}, {1, 6, true}})});
  pictures.push_back({"mirror.bmp", helpPicture([](Canvas& c) { drawMirror(c, 0, 7); },
                                                {{3, 7, true}, {2, 7, true}})});
  pictures.push_back({"tmirror.bmp", helpPicture([](Canvas& c) { drawTMirror(c, 0); },
                                                 {{0, 3, true}, {1, 3, true}, {3, 3, true}})});
  return pictures;
}

// The robot on a dark tile with rounded corners; outside the corners the
// icon is transparent.
std::vector<IconImage> drawIcon() {
  std::vector<IconImage> icons;
  for (const int size : {16, 32, 48}) {
    const Shape tile = roundRect(0, 0, 25, 25, 5);
    Image picture(size, size);
    Canvas c(picture, 0, 0, size);
    c.fill(tile, verticalGradient(Rgb{40, 58, 96}, Rgb{16, 22, 40}, 0, 25));
    drawRobot(c, 0);
    Image coverage(size, size);
    Canvas m(coverage, 0, 0, size);
    m.fill(tile, ink::kWhite);
    IconImage icon{picture, {}};
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const bool clear = coverage.at(x, y).r < 128;
        icon.transparent.push_back(clear);
        // Windows XORs the colour of a masked pixel onto the screen: keep it black.
        if (clear) icon.picture.set(x, y, ink::kBlack);
      }
    }
    icons.push_back(icon);
  }
  return icons;
}

}  // namespace trelux::art
