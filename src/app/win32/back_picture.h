// A screen's picture at 1x, kept whole in memory: every drawing goes into
// it, and the window shows it scaled by the zoom. A redraw of one cell then
// needs no scaling of its own, and the window always shows one picture.
#pragma once

#include <windows.h>

#include "app/zoom.h"

namespace trelux {

class BackPicture {
 public:
  BackPicture() = default;
  ~BackPicture() { release(); }
  BackPicture(const BackPicture&) = delete;
  BackPicture& operator=(const BackPicture&) = delete;

  // The memory device context holding a picture of size, made like
  // windowDC; a new size starts black.
  HDC canvas(HDC windowDC, Extent size);
  // The picture in windowDC at scale, and black in the rest of a client
  // area of size client.
  void show(HDC windowDC, const PictureScale& scale, Extent client) const;

 private:
  void release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  Extent size_{};
};

}  // namespace trelux
