// Reads a WAV resource the way the game does: a private copy of the
// resource's bytes, opened with mmio from memory, "RIFF"/"WAVE" first, the
// "fmt " chunk, then back to the start of the form and down to "data".
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace trelux::test {

struct WaveResource {
  WORD formatTag = 0;
  WORD channels = 0;
  DWORD samplesPerSecond = 0;
  DWORD averageBytesPerSecond = 0;
  WORD blockAlign = 0;
  WORD bitsPerSample = 0;
  std::vector<std::int16_t> samples;  // for 16-bit PCM
  DWORD dataSize = 0;
};

// nullopt when the resource is missing or the game's reader would refuse it.
std::optional<WaveResource> readWaveResource(HMODULE module, const char* name);

}  // namespace trelux::test
