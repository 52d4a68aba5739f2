#include "world/win32/view_effects.h"

#include <windows.h>

#include "audio/win32/sound_manager.h"
#include "gfx/win32/game_view.h"

namespace trelux {

void ViewEffects::playSound(const std::string& name) { trelux::playSound(name); }
void ViewEffects::paint() { view_.paint(); }
void ViewEffects::redrawCell(int32_t x, int32_t y) { view_.redrawCell(x, y); }
void ViewEffects::redrawRobot() { view_.redrawRobot(); }
void ViewEffects::pause(int32_t milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

}  // namespace trelux
