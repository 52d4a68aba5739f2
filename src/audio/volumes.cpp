#include "audio/volumes.h"

namespace trelux {

namespace {

int gSoundVolume = kMaxVolume;
int gMusicVolume = kMaxVolume;

bool store(int& setting, int value) {
  if (value < 0 || value > kMaxVolume) return false;
  setting = value;
  return true;
}

}  // namespace

bool setSoundVolume(int value) { return store(gSoundVolume, value); }
bool setMusicVolume(int value) { return store(gMusicVolume, value); }
int soundVolume() { return gSoundVolume; }
int musicVolume() { return gMusicVolume; }

}  // namespace trelux
