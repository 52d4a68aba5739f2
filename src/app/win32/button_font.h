// The font of the game's own push buttons: the main menu's and "Next Level".
#pragma once

#include <windows.h>

namespace trelux {

// The first face of the list that the system can make, 18 pixels high; null
// when none. The caller deletes it.
HFONT createButtonFont();

}  // namespace trelux
