// A bitmap loaded by name and kept selected in a memory device context of
// its own for its whole life, so drawing it is a single BitBlt.
#pragma once

#include <windows.h>

#include <cstdint>

namespace trelux {

class BitmapHolder {
 public:
  BitmapHolder() = default;
  ~BitmapHolder() { release(); }
  BitmapHolder(const BitmapHolder&) = delete;
  BitmapHolder& operator=(const BitmapHolder&) = delete;

  // False leaves the holder empty, measuring 0 by 0.
  bool load(HMODULE module, const char* name);
  void release();

  HDC dc() const { return memoryDC_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  bool isLoaded() const { return loaded_ != 0; }

 private:
  HDC memoryDC_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousObject_ = nullptr;
  int32_t loaded_ = 0;
  int32_t height_ = 0;
  int32_t width_ = 0;
};

}  // namespace trelux
