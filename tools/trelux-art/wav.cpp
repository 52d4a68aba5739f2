#include "wav.h"

#include "bytes.h"

namespace trelux::art {
namespace {

struct Chunk {
  std::size_t data;  // offset of the chunk's contents
  std::uint32_t size;
};

// The first chunk called id between begin and end, stepping over others.
std::optional<Chunk> findChunk(const std::string& bytes, std::size_t begin, std::size_t end,
                               const char* id) {
  std::size_t at = begin;
  while (at + 8 <= end) {
    const std::uint32_t size = getLe32(bytes, at + 4);
    if (at + 8 + size > end) return std::nullopt;
    if (bytes.compare(at, 4, id) == 0) return Chunk{at + 8, size};
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace

std::string encodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  putLe32(out, 4 + (8 + 16) + (8 + dataSize));
  out += "WAVEfmt ";
  putLe32(out, 16);
  putLe16(out, 1);  // PCM
  putLe16(out, 1);  // mono
  putLe32(out, static_cast<std::uint32_t>(sampleRate));
  putLe32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  putLe16(out, 2);   // block align
  putLe16(out, 16);  // bits per sample
  out += "data";
  putLe32(out, dataSize);
  for (const std::int16_t s : samples) putLe16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::optional<WaveInfo> parseWave(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  const std::size_t formEnd = 8 + static_cast<std::size_t>(getLe32(bytes, 4));
  if (formEnd > bytes.size()) return std::nullopt;
  const auto format = findChunk(bytes, 12, formEnd, "fmt ");
  if (!format || format->size < 16) return std::nullopt;
  WaveInfo info;
  const std::size_t f = format->data;
  info.formatTag = static_cast<std::uint16_t>(getLe16(bytes, f));
  info.channels = static_cast<std::uint16_t>(getLe16(bytes, f + 2));
  info.samplesPerSecond = getLe32(bytes, f + 4);
  info.averageBytesPerSecond = getLe32(bytes, f + 8);
  info.blockAlign = static_cast<std::uint16_t>(getLe16(bytes, f + 12));
  info.bitsPerSample = static_cast<std::uint16_t>(getLe16(bytes, f + 14));
  const auto data = findChunk(bytes, 12, formEnd, "data");
  if (!data) return std::nullopt;
  info.data = bytes.substr(data->data, data->size);
  return info;
}

std::vector<std::int16_t> samplesOf(const WaveInfo& wave) {
  std::vector<std::int16_t> samples;
  for (std::size_t at = 0; at + 1 < wave.data.size(); at += 2) {
    samples.push_back(static_cast<std::int16_t>(getLe16(wave.data, at)));
  }
  return samples;
}

}  // namespace trelux::art
