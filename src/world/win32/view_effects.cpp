#include "world/win32/view_effects.h"

#include <windows.h>

#include "audio/win32/sound_manager.h"
#include "gfx/win32/game_view.h"

namespace trelux {

void ViewEffects::playSound(const std::string& name) { trelux::playSound(name); }
void ViewEffects::paint() { view_.paint(); }
void ViewEffects::redrawCell(int32_t x, int32_t y) { view_.redrawCell(x, y); }
void ViewEffects::redrawRobot() { view_.redrawRobot(); }

// Waiting for messages, not sleeping: the window system shows what was
// drawn only once the program waits for messages (Wine keeps a window's
// drawing until then), and a part of the window uncovered meanwhile is drawn
// again. Only paint messages are taken; input stays queued.
void ViewEffects::pause(int32_t milliseconds) {
  const DWORD start = GetTickCount();
  const DWORD length = static_cast<DWORD>(milliseconds);
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
      DispatchMessageA(&message);
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= length) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, length - elapsed, QS_PAINT);
  }
}

}  // namespace trelux
