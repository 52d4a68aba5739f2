// Plays the game's sounds and music by resource name. Each name is loaded on
// its first use into one DirectSound buffer and kept until shut-down, so a
// sound that plays again restarts instead of overlapping itself.
#pragma once

#include <dsound.h>

#include <string>

namespace trelux {

struct Sound {
  IDirectSoundBuffer* buffer = nullptr;
  bool loaded = false;
};

void playSound(const std::string& name);
void playMusic(const std::string& name);
void stopSound(const std::string& name);
// Stops and releases every sound, then the device.
void closeAudio();

// The name of music track 0, 1 or 2.
std::string musicTrackName(int index);

// What the table holds for a name (in any letter case); null when the name
// was never played.
const Sound* findSound(const std::string& name);

}  // namespace trelux
