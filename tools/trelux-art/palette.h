// The colours every picture shares, so the tiles, the panel, the help
// pictures and the icon look like one set.
#pragma once

#include "image.h"

namespace trelux::art {

namespace ink {
inline constexpr Rgb kOutline{18, 19, 24};
inline constexpr Rgb kGrout{33, 36, 43};
inline constexpr Rgb kFloorTop{63, 67, 78};
inline constexpr Rgb kFloorBottom{53, 57, 67};
inline constexpr Rgb kFloorLight{78, 83, 95};
inline constexpr Rgb kFloorDark{43, 46, 55};
inline constexpr Rgb kStone{150, 128, 100};
inline constexpr Rgb kStoneLight{205, 184, 150};
inline constexpr Rgb kStoneDark{86, 70, 54};
inline constexpr Rgb kMortar{112, 94, 74};
inline constexpr Rgb kSteelLight{196, 202, 212};
inline constexpr Rgb kSteel{138, 145, 158};
inline constexpr Rgb kSteelDark{78, 83, 95};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRobot{242, 150, 36};
inline constexpr Rgb kRobotLight{255, 204, 110};
inline constexpr Rgb kRobotDark{158, 84, 18};
inline constexpr Rgb kSpark{255, 246, 150};
}  // namespace ink

// The body colour of a lens, mirror or sensor of colour code 0..7 (bit 0 red,
// bit 1 green, bit 2 blue); 0 is dark smoked glass.
Rgb objectColour(int colour);
// The game's beam pen of colour code 0..7.
Rgb beamColour(int colour);
// The lit pip of each colour component: 0 red, 1 green, 2 blue.
Rgb componentColour(int component);

}  // namespace trelux::art
