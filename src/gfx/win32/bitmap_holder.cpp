#include "gfx/win32/bitmap_holder.h"

namespace trelux {

bool BitmapHolder::load(HMODULE module, const char* name) {
  if (loaded_) release();
  if (!memoryDC_) memoryDC_ = CreateCompatibleDC(nullptr);
  if (!memoryDC_) return false;
  bitmap_ = LoadBitmapA(module, name);
  if (!bitmap_) return false;
  previousObject_ = SelectObject(memoryDC_, bitmap_);
  BITMAP info{};
  GetObjectA(bitmap_, sizeof info, &info);
  height_ = info.bmHeight;
  width_ = info.bmWidth;
  loaded_ = 1;
  return true;
}

void BitmapHolder::release() {
  // A failed load keeps its memory DC until here, where it is freed too.
  if (memoryDC_ && previousObject_) SelectObject(memoryDC_, previousObject_);
  if (bitmap_) DeleteObject(bitmap_);
  if (memoryDC_) DeleteDC(memoryDC_);
  memoryDC_ = nullptr;
  bitmap_ = nullptr;
  previousObject_ = nullptr;
  loaded_ = 0;
  height_ = 0;
  width_ = 0;
}

}  // namespace trelux
