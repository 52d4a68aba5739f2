// Fills a fresh sound's DirectSound buffer with a WAV resource.
#pragma once

#include <windows.h>

#include "audio/win32/sound_manager.h"

namespace trelux {

// Leaves the sound unloaded when the resource is missing or malformed, or
// when the buffer cannot be made; nothing is reported.
void loadSoundFromResource(Sound& sound, const char* name, HMODULE module);

}  // namespace trelux
