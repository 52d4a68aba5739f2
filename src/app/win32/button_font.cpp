#include "app/win32/button_font.h"

namespace trelux {
namespace {

constexpr int kButtonFontHeight = 18;

// Faces tried in order; the first one the system can make wins.
const char* const kButtonFontFaces[] = {"Courier New", "Courier", "Monospace", "Fixedsys"};

}  // namespace

HFONT createButtonFont(int zoom) {
  for (const char* face : kButtonFontFaces) {
    if (HFONT font = CreateFontA(kButtonFontHeight * zoom, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, face))
      return font;
  }
  return nullptr;
}

}  // namespace trelux
