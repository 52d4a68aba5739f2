#include "audio/win32/sound_manager.h"

#include <cctype>
#include <map>
#include <memory>

#include "app/win32/shell.h"
#include "audio/volumes.h"
#include "audio/win32/audio_device.h"
#include "audio/win32/sound_loader.h"

namespace trelux {
namespace {

std::map<std::string, std::unique_ptr<Sound>>& soundTable() {
  static std::map<std::string, std::unique_ptr<Sound>> table;
  return table;
}

std::string lowered(const std::string& name) {
  std::string result = name;
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

Sound& soundFor(const std::string& name) {
  auto& slot = soundTable()[name];
  if (!slot) {
    // The entry stays whatever the loading gives: a sound that failed to
    // load is never tried again.
    slot = std::make_unique<Sound>();
    loadSoundFromResource(*slot, name.c_str(), resourceLibrary);
  }
  return *slot;
}

// Attenuation in hundredths of a decibel: 100 is full level.
LONG attenuation(int volume) { return (100 - volume) * -30; }

void start(const std::string& name, int volume, DWORD flags) {
  if (volume == 0 || !isAudioOpen()) return;
  Sound& sound = soundFor(lowered(name));
  if (!sound.buffer || !sound.loaded) return;
  sound.buffer->SetVolume(attenuation(volume));
  sound.buffer->Stop();
  sound.buffer->SetCurrentPosition(0);
  sound.buffer->Play(0, 0, flags);
}

}  // namespace

void playSound(const std::string& name) { start(name, soundVolume(), 0); }
void playMusic(const std::string& name) { start(name, musicVolume(), DSBPLAY_LOOPING); }

void stopSound(const std::string& name) {
  auto found = soundTable().find(lowered(name));
  if (found == soundTable().end() || !found->second) return;
  Sound& sound = *found->second;
  if (sound.buffer && sound.loaded) sound.buffer->Stop();
}

void closeAudio() {
  if (!isAudioOpen()) return;
  for (auto& [name, sound] : soundTable()) {
    // A buffer that was made but never filled is released too.
    if (sound && sound->buffer) {
      sound->buffer->Stop();
      sound->buffer->Release();
      sound->buffer = nullptr;
    }
  }
  // Nothing plays after this, so the sounds go too; a device opened again
  // (as the tests do) starts with an empty table.
  soundTable().clear();
  releaseAudioDevice();
}

std::string musicTrackName(int index) { return "mus" + std::to_string(index) + ".wav"; }

const Sound* findSound(const std::string& name) {
  auto found = soundTable().find(lowered(name));
  return found == soundTable().end() ? nullptr : found->second.get();
}

}  // namespace trelux
