#include "audio/win32/wave_reader.h"

#include <cstring>

namespace trelux {
namespace {

constexpr LONG kPcmFormatSize = 16;

// The resource's bytes, or null when it is missing or empty.
const void* lockWave(const char* name, HMODULE module, DWORD& size) {
  HRSRC resource = FindResourceA(module, name, "WAVE");
  if (!resource) resource = FindResourceA(module, name, "WAV");
  if (!resource) return nullptr;
  HGLOBAL loaded = LoadResource(module, resource);
  size = SizeofResource(module, resource);
  if (!loaded || size == 0) return nullptr;
  return LockResource(loaded);
}

}  // namespace

WaveReader::~WaveReader() { close(); }

HRESULT WaveReader::openResource(const char* name, HMODULE module) {
  if (!name) return E_INVALIDARG;
  format_.reset();
  close();
  DWORD size = 0;
  const void* bytes = lockWave(name, module, size);
  if (!bytes) return E_FAIL;
  resourceCopy_ = std::make_unique<uint8_t[]>(size);
  std::memcpy(resourceCopy_.get(), bytes, size);

  MMIOINFO info{};
  info.fccIOProc = FOURCC_MEM;
  info.cchBuffer = static_cast<LONG>(size);
  info.pchBuffer = reinterpret_cast<HPSTR>(resourceCopy_.get());
  file_ = mmioOpenA(nullptr, &info, MMIO_ALLOCBUF | MMIO_READ);
  if (!file_) return E_FAIL;
  if (FAILED(readHeader()) || FAILED(findData())) {
    close();
    return E_FAIL;
  }
  dataSize_ = chunk_.cksize;
  return S_OK;
}

HRESULT WaveReader::readHeader() {
  if (mmioDescend(file_, &riffChunk_, nullptr, 0) != 0) return E_FAIL;
  if (riffChunk_.ckid != FOURCC_RIFF || riffChunk_.fccType != mmioFOURCC('W', 'A', 'V', 'E'))
    return E_FAIL;
  chunk_.ckid = mmioFOURCC('f', 'm', 't', ' ');
  if (mmioDescend(file_, &chunk_, &riffChunk_, MMIO_FINDCHUNK) != 0) return E_FAIL;
  if (chunk_.cksize < static_cast<DWORD>(kPcmFormatSize)) return E_FAIL;
  if (FAILED(readFormat())) {
    format_.reset();
    return E_FAIL;
  }
  mmioAscend(file_, &chunk_, 0);
  return S_OK;
}

HRESULT WaveReader::readFormat() {
  PCMWAVEFORMAT pcm{};
  if (mmioRead(file_, reinterpret_cast<HPSTR>(&pcm), kPcmFormatSize) != kPcmFormatSize)
    return E_FAIL;
  WORD extraSize = 0;
  if (pcm.wf.wFormatTag != WAVE_FORMAT_PCM &&
      mmioRead(file_, reinterpret_cast<HPSTR>(&extraSize), sizeof extraSize) != sizeof extraSize)
    return E_FAIL;
  format_ = std::make_unique<uint8_t[]>(sizeof(WAVEFORMATEX) + extraSize);
  std::memcpy(format_.get(), &pcm, kPcmFormatSize);
  auto* format = reinterpret_cast<WAVEFORMATEX*>(format_.get());
  format->cbSize = extraSize;
  if (extraSize != 0 &&
      mmioRead(file_, reinterpret_cast<HPSTR>(format_.get() + sizeof(WAVEFORMATEX)), extraSize) !=
          extraSize)
    return E_FAIL;
  return S_OK;
}

HRESULT WaveReader::findData() {
  if (mmioSeek(file_, static_cast<LONG>(riffChunk_.dwDataOffset + sizeof(FOURCC)), SEEK_SET) == -1)
    return E_FAIL;
  chunk_.ckid = mmioFOURCC('d', 'a', 't', 'a');
  if (mmioDescend(file_, &chunk_, &riffChunk_, MMIO_FINDCHUNK) != 0) return E_FAIL;
  return S_OK;
}

HRESULT WaveReader::read(uint8_t* buffer, uint32_t size, uint32_t* bytesRead) {
  if (!file_) return CO_E_NOTINITIALIZED;
  if (!buffer || !bytesRead) return E_INVALIDARG;
  *bytesRead = 0;
  MMIOINFO info{};
  if (mmioGetInfo(file_, &info, 0) != 0) return E_FAIL;
  const uint32_t count = size < chunk_.cksize ? size : chunk_.cksize;
  chunk_.cksize -= count;
  for (uint32_t i = 0; i < count; ++i) {
    if (info.pchNext == info.pchEndRead) {
      if (mmioAdvance(file_, &info, MMIO_READ) != 0 || info.pchNext == info.pchEndRead)
        return E_FAIL;
    }
    buffer[i] = static_cast<uint8_t>(*info.pchNext++);
  }
  if (mmioSetInfo(file_, &info, 0) != 0) return E_FAIL;
  *bytesRead = count;
  return S_OK;
}

void WaveReader::close() {
  if (file_) mmioClose(file_, 0);
  file_ = nullptr;
  resourceCopy_.reset();
}

}  // namespace trelux
