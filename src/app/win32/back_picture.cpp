#include "app/win32/back_picture.h"

namespace trelux {

void BackPicture::release() {
  if (!dc_) return;
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
}

HDC BackPicture::canvas(HDC windowDC, Extent size) {
  if (dc_ && size.width == size_.width && size.height == size_.height) return dc_;
  release();
  size_ = size;
  dc_ = CreateCompatibleDC(windowDC);
  // At least one pixel: a picture that failed to load still gets a canvas.
  bitmap_ = CreateCompatibleBitmap(windowDC, size.width > 0 ? size.width : 1,
                                   size.height > 0 ? size.height : 1);
  previous_ = SelectObject(dc_, bitmap_);
  RECT all{0, 0, size.width, size.height};
  FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  return dc_;
}

void BackPicture::show(HDC windowDC, const PictureScale& scale, Extent client) const {
  if (!dc_) return;
  const int left = scale.left, top = scale.top;
  const int width = size_.width * scale.zoom, height = size_.height * scale.zoom;
  if (scale.zoom == 1) {
    BitBlt(windowDC, left, top, width, height, dc_, 0, 0, SRCCOPY);
  } else {
    // Each pixel becomes a square of zoom by zoom pixels, never a blend.
    SetStretchBltMode(windowDC, COLORONCOLOR);
    StretchBlt(windowDC, left, top, width, height, dc_, 0, 0, size_.width, size_.height,
               SRCCOPY);
  }
  const RECT around[4] = {{0, 0, client.width, top},
                          {0, top + height, client.width, client.height},
                          {0, top, left, top + height},
                          {left + width, top, client.width, top + height}};
  for (const RECT& band : around)
    if (band.right > band.left && band.bottom > band.top)
      FillRect(windowDC, &band, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace trelux
