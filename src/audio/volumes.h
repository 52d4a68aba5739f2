// The two volume settings, 0 to 100, owned by the sound manager and read and
// written through the settings file and the options dialog.
#pragma once

namespace trelux {

constexpr int kMaxVolume = 100;

// Store the value and answer true for 0 to 100; refuse anything else.
bool setSoundVolume(int value);
bool setMusicVolume(int value);
int soundVolume();
int musicVolume();

}  // namespace trelux
