// The DirectSound device of the main window. Without a usable device the
// game runs silent: every sound call then does nothing.
#pragma once

#include <windows.h>
#include <dsound.h>

namespace trelux {

bool openAudio(HWND window);
void releaseAudioDevice();
bool isAudioOpen();
IDirectSound* soundDevice();

}  // namespace trelux
