#include "audio/win32/audio_device.h"

namespace trelux {
namespace {

IDirectSound* device = nullptr;
bool audioOpen = false;

}  // namespace

bool openAudio(HWND window) {
  if (FAILED(DirectSoundCreate(nullptr, &device, nullptr))) {
    device = nullptr;
    return false;
  }
  if (FAILED(device->SetCooperativeLevel(window, DSSCL_PRIORITY))) {
    device->Release();
    device = nullptr;
    return false;
  }
  audioOpen = true;
  return true;
}

void releaseAudioDevice() {
  if (device) device->Release();
  device = nullptr;
  audioOpen = false;
}

bool isAudioOpen() { return audioOpen; }
IDirectSound* soundDevice() { return device; }

}  // namespace trelux
