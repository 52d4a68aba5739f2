// WAV images: RIFF/WAVE with a 16-byte PCM "fmt " chunk and a "data" chunk,
// mono, 16-bit, as the game's reader takes them from the resource library.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trelux::art {

constexpr int kSampleRate = 22050;

std::string encodeWav(const std::vector<std::int16_t>& samples, int sampleRate = kSampleRate);

// What the game's reader finds in a WAV image.
struct WaveInfo {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSecond = 0;
  std::uint32_t averageBytesPerSecond = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::string data;  // the "data" chunk's bytes
};

// Reads a WAV image by the game's rules: the first chunk must be "RIFF" of
// form "WAVE"; inside it the first "fmt " chunk, at least 16 bytes; then the
// first "data" chunk, searched from the start of the form. Chunks are padded
// to even sizes. nullopt when any rule fails or a chunk runs past the end.
std::optional<WaveInfo> parseWave(const std::string& bytes);

// The 16-bit samples of a parsed mono 16-bit PCM wave.
std::vector<std::int16_t> samplesOf(const WaveInfo& wave);

}  // namespace trelux::art
