#include "wave_resource.h"

#include <mmsystem.h>

#include <cstring>

namespace trelux::test {
namespace {

std::optional<std::vector<char>> resourceCopy(HMODULE module, const char* name) {
  HRSRC found = FindResourceA(module, name, "WAVE");
  if (!found) found = FindResourceA(module, name, "WAV");
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size == 0) return std::nullopt;
  const char* first = static_cast<const char*>(bytes);
  return std::vector<char>(first, first + size);
}

std::optional<WaveResource> readOpen(HMMIO file) {
  MMCKINFO riff{};
  if (mmioDescend(file, &riff, nullptr, 0) != MMSYSERR_NOERROR || riff.ckid != FOURCC_RIFF ||
      riff.fccType != mmioFOURCC('W', 'A', 'V', 'E')) {
    return std::nullopt;
  }
  MMCKINFO format{};
  format.ckid = mmioFOURCC('f', 'm', 't', ' ');
  if (mmioDescend(file, &format, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR || format.cksize < 16) {
    return std::nullopt;
  }
  PCMWAVEFORMAT pcm{};
  if (mmioRead(file, reinterpret_cast<HPSTR>(&pcm), 16) != 16) return std::nullopt;
  mmioAscend(file, &format, 0);
  mmioSeek(file, static_cast<LONG>(riff.dwDataOffset + 4), SEEK_SET);
  MMCKINFO data{};
  data.ckid = mmioFOURCC('d', 'a', 't', 'a');
  if (mmioDescend(file, &data, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return std::nullopt;
  WaveResource wave;
  wave.formatTag = pcm.wf.wFormatTag;
  wave.channels = pcm.wf.nChannels;
  wave.samplesPerSecond = pcm.wf.nSamplesPerSec;
  wave.averageBytesPerSecond = pcm.wf.nAvgBytesPerSec;
  wave.blockAlign = pcm.wf.nBlockAlign;
  wave.bitsPerSample = pcm.wBitsPerSample;
  wave.dataSize = data.cksize;
  std::vector<char> bytes(data.cksize);
  if (mmioRead(file, bytes.data(), static_cast<LONG>(bytes.size())) != static_cast<LONG>(bytes.size())) {
    return std::nullopt;
  }
  wave.samples.resize(bytes.size() / 2);
  std::memcpy(wave.samples.data(), bytes.data(), wave.samples.size() * 2);
  return wave;
}

}  // namespace

std::optional<WaveResource> readWaveResource(HMODULE module, const char* name) {
  auto copy = resourceCopy(module, name);
  if (!copy) return std::nullopt;
  MMIOINFO info{};
  info.fccIOProc = FOURCC_MEM;
  info.pchBuffer = copy->data();
  info.cchBuffer = static_cast<LONG>(copy->size());
  HMMIO file = mmioOpenA(nullptr, &info, MMIO_ALLOCBUF | MMIO_READ);
  if (!file) return std::nullopt;
  auto wave = readOpen(file);
  mmioClose(file, 0);
  return wave;
}

}  // namespace trelux::test
