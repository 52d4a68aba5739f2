// The keys of play: the arrows and space, as the play rules take them. The
// play screen and the editor's test play read keys the same way.
#pragma once

#include <windows.h>

#include "world/play_rules.h"

namespace trelux {

inline PlayKey playKeyOf(WPARAM key) {
  switch (key) {
    case VK_UP: return PlayKey::Up;
    case VK_DOWN: return PlayKey::Down;
    case VK_LEFT: return PlayKey::Left;
    case VK_RIGHT: return PlayKey::Right;
    case VK_SPACE: return PlayKey::Space;
    default: return PlayKey::Other;
  }
}

}  // namespace trelux
