#include "audio/win32/sound_loader.h"

#include "audio/win32/audio_device.h"
#include "audio/win32/wave_reader.h"

namespace trelux {

void loadSoundFromResource(Sound& sound, const char* name, HMODULE module) {
  IDirectSound* device = soundDevice();
  if (!device) return;
  WaveReader reader;
  if (FAILED(reader.openResource(name, module))) return;

  DSBUFFERDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  description.dwBufferBytes = reader.dataSize();
  description.lpwfxFormat = const_cast<WAVEFORMATEX*>(reader.format());
  if (FAILED(device->CreateSoundBuffer(&description, &sound.buffer, nullptr))) {
    sound.buffer = nullptr;
    return;
  }
  void* area = nullptr;
  DWORD length = 0;
  if (FAILED(sound.buffer->Lock(0, 0, &area, &length, nullptr, nullptr, DSBLOCK_ENTIREBUFFER)))
    return;
  uint32_t bytesRead = 0;
  // A short "data" chunk fills the buffer only partly; it still plays.
  reader.read(static_cast<uint8_t*>(area), length, &bytesRead);
  sound.buffer->Unlock(area, length, nullptr, 0);
  sound.loaded = true;
}

}  // namespace trelux
