#include "palette.h"

namespace trelux::art {

Rgb objectColour(int colour) {
  static constexpr Rgb kColours[] = {{46, 46, 54},   {240, 44, 44},  {44, 196, 60},
                                     {246, 222, 44}, {52, 96, 255},  {232, 62, 232},
                                     {44, 222, 236}, {244, 244, 244}};
  return kColours[colour & 7];
}

Rgb beamColour(int colour) {
  static constexpr Rgb kBeams[] = {{0, 0, 0},     {255, 0, 0},   {0, 192, 0},   {255, 255, 0},
                                   {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  return kBeams[colour & 7];
}

Rgb componentColour(int component) {
  static constexpr Rgb kPips[] = {{255, 80, 80}, {90, 240, 90}, {120, 160, 255}};
  return kPips[component];
}

}  // namespace trelux::art
