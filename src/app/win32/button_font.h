// The font of the game's own push buttons: the main menu's and "Next Level".
#pragma once

#include <windows.h>

namespace trelux {

// The first face of the list that the system can make, 18 pixels high times
// zoom (the window's factor); null when none. The caller deletes it.
HFONT createButtonFont(int zoom = 1);

}  // namespace trelux
