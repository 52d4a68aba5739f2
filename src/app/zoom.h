// Whole-factor zoom of the main window's picture. Every screen draws its
// picture at its own size (the 1x picture) and the window shows it scaled by
// a whole factor, pixel for pixel, so the art stays sharp; what the factor
// may be depends on the room the screen gives.
#pragma once

#include <cstdint>
#include <string>

namespace trelux {

struct Extent {
  int32_t width = 0;
  int32_t height = 0;
};

// The largest whole factor at which picture fits into room; 1 when not even
// the picture itself fits, since the game cannot show less.
int32_t largestZoom(Extent picture, Extent room);

// A factor within 1 and largest: a setting written on a larger screen, or a
// step past either end, comes back within what fits.
int32_t fittedZoom(int32_t wanted, int32_t largest);

// The factor a setting names; 1 when it names none that can be used.
int32_t zoomFromSetting(const std::string& value);

// Where the scaled picture lies in a client area, and the way back from a
// client pixel to the picture's own.
struct PictureScale {
  int32_t zoom = 1;
  int32_t left = 0;
  int32_t top = 0;

  // The picture's pixel under client pixel (x, y); outside the picture the
  // answer lies outside it too (negative, or past its size).
  int32_t pictureX(int32_t clientX) const;
  int32_t pictureY(int32_t clientY) const;
};

// The picture at zoom, centred in a client area; a client area smaller than
// the scaled picture keeps it at the top-left corner.
PictureScale centredPicture(Extent picture, int32_t zoom, Extent client);

// Where a part of length inner starts, centred in a length outer; 0 when it
// does not fit.
int32_t centredStart(int32_t inner, int32_t outer);

}  // namespace trelux
