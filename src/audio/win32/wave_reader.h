// Reads one WAV image from a resource through the multimedia file services,
// working on a private copy of the resource's bytes.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <memory>

namespace trelux {

class WaveReader {
 public:
  WaveReader() = default;
  ~WaveReader();
  WaveReader(const WaveReader&) = delete;
  WaveReader& operator=(const WaveReader&) = delete;

  // Looks the resource up as type "WAVE", then "WAV"; on success the reader
  // stands at the start of the "data" chunk.
  HRESULT openResource(const char* name, HMODULE module);
  // Copies up to size bytes of samples, never past the "data" chunk.
  HRESULT read(uint8_t* buffer, uint32_t size, uint32_t* bytesRead);
  void close();

  const WAVEFORMATEX* format() const {
    return reinterpret_cast<const WAVEFORMATEX*>(format_.get());
  }
  uint32_t dataSize() const { return dataSize_; }

 private:
  HRESULT readHeader();
  HRESULT readFormat();
  HRESULT findData();

  std::unique_ptr<uint8_t[]> format_;
  HMMIO file_ = nullptr;
  MMCKINFO chunk_{};
  MMCKINFO riffChunk_{};
  uint32_t dataSize_ = 0;
  std::unique_ptr<uint8_t[]> resourceCopy_;
};

}  // namespace trelux
