// Reading WAV resources through mmio into DirectSound buffers: the images
// the game accepts, and the broken ones it must turn down.
#include <gtest/gtest.h>

#include <vector>

#include "audio/win32/audio_device.h"
#include "audio/win32/sound_loader.h"
#include "audio/win32/wave_reader.h"

namespace trelux::test {
namespace {

HMODULE self() { return GetModuleHandleA(nullptr); }

// The square wave make_test_waves.py writes.
uint8_t toneSample(size_t i) { return (i / 10) % 2 ? 200 : 56; }

TEST(WaveReader, ReadsThePcmFormatAndTheSamples) {
  WaveReader reader;
  ASSERT_EQ(reader.openResource("good.wav", self()), S_OK);
  const WAVEFORMATEX* format = reader.format();
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->wFormatTag, WAVE_FORMAT_PCM);
  EXPECT_EQ(format->nChannels, 1);
  EXPECT_EQ(format->nSamplesPerSec, 11025u);
  EXPECT_EQ(format->wBitsPerSample, 8);
  EXPECT_EQ(format->cbSize, 0);
  EXPECT_EQ(reader.dataSize(), 2205u);

  std::vector<uint8_t> samples(3000, 0);
  uint32_t count = 0;
  ASSERT_EQ(reader.read(samples.data(), 100, &count), S_OK);
  EXPECT_EQ(count, 100u);
  ASSERT_EQ(reader.read(samples.data() + 100, 3000, &count), S_OK);
  EXPECT_EQ(count, 2105u) << "never past the data chunk";
  for (size_t i = 0; i < 2205; ++i) ASSERT_EQ(samples[i], toneSample(i)) << i;
  ASSERT_EQ(reader.read(samples.data(), 10, &count), S_OK);
  EXPECT_EQ(count, 0u);
}

TEST(WaveReader, FindsTheDataBehindOtherChunks) {
  WaveReader reader;
  ASSERT_EQ(reader.openResource("with_list.wav", self()), S_OK);
  EXPECT_EQ(reader.dataSize(), 2205u);
  uint8_t first[20] = {};
  uint32_t count = 0;
  ASSERT_EQ(reader.read(first, sizeof first, &count), S_OK);
  EXPECT_EQ(first[0], toneSample(0));
  EXPECT_EQ(first[19], toneSample(19));
}

TEST(WaveReader, ResourceOfTypeWavIsFoundToo) {
  WaveReader reader;
  EXPECT_EQ(reader.openResource("only_wav.wav", self()), S_OK);
  EXPECT_EQ(reader.dataSize(), 2205u);
}

TEST(WaveReader, NonPcmFormatKeepsItsExtraBytes) {
  WaveReader reader;
  ASSERT_EQ(reader.openResource("adpcm.wav", self()), S_OK);
  const WAVEFORMATEX* format = reader.format();
  ASSERT_EQ(format->wFormatTag, 2);
  ASSERT_EQ(format->cbSize, 32);
  const auto* extra = reinterpret_cast<const uint8_t*>(format + 1);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(extra[i], i + 1);
}

TEST(WaveReader, RefusesBrokenImages) {
  for (const char* name :
       {"not_riff.wav", "not_wave.wav", "short_fmt.wav", "no_data.wav", "missing.wav"}) {
    WaveReader reader;
    EXPECT_EQ(reader.openResource(name, self()), E_FAIL) << name;
  }
}

TEST(WaveReader, MisuseIsReportedNotFollowed) {
  WaveReader reader;
  EXPECT_EQ(reader.openResource(nullptr, self()), E_INVALIDARG);
  uint8_t byte = 0;
  uint32_t count = 0;
  EXPECT_EQ(reader.read(&byte, 1, &count), CO_E_NOTINITIALIZED);
  ASSERT_EQ(reader.openResource("good.wav", self()), S_OK);
  EXPECT_EQ(reader.read(nullptr, 1, &count), E_INVALIDARG);
  EXPECT_EQ(reader.read(&byte, 1, nullptr), E_INVALIDARG);
  reader.close();
  EXPECT_EQ(reader.read(&byte, 1, &count), CO_E_NOTINITIALIZED);
}

class SoundLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "static", "", 0, 0, 0, 0, 0, nullptr, nullptr, self(), nullptr);
    // A missing device is a broken set-up, not a reason to pass.
    ASSERT_TRUE(openAudio(window_))
        << "no sound device; scripts/wine-prefix.sh gives the tests a silent one (HOME=wine-home)";
  }
  void TearDown() override {
    if (sound_.buffer) sound_.buffer->Release();
    releaseAudioDevice();
    DestroyWindow(window_);
  }
  HWND window_ = nullptr;
  Sound sound_;
};

TEST_F(SoundLoading, FillsOneBufferWithTheWholeSound) {
  loadSoundFromResource(sound_, "good.wav", self());
  ASSERT_TRUE(sound_.loaded);
  DSBCAPS caps{};
  caps.dwSize = sizeof caps;
  ASSERT_EQ(sound_.buffer->GetCaps(&caps), DS_OK);
  EXPECT_EQ(caps.dwBufferBytes, 2205u);
  EXPECT_TRUE(caps.dwFlags & DSBCAPS_CTRLVOLUME);
  void* area = nullptr;
  DWORD length = 0;
  ASSERT_EQ(sound_.buffer->Lock(0, 0, &area, &length, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
            DS_OK);
  const auto* bytes = static_cast<const uint8_t*>(area);
  EXPECT_EQ(bytes[0], toneSample(0));
  EXPECT_EQ(bytes[2204], toneSample(2204));
  sound_.buffer->Unlock(area, length, nullptr, 0);
}

TEST_F(SoundLoading, ShortDataStillCountsAsLoaded) {
  loadSoundFromResource(sound_, "short_data.wav", self());
  EXPECT_TRUE(sound_.loaded);
}

TEST_F(SoundLoading, BrokenOrMissingSoundStaysUnloaded) {
  loadSoundFromResource(sound_, "not_riff.wav", self());
  EXPECT_FALSE(sound_.loaded);
  EXPECT_EQ(sound_.buffer, nullptr);
  loadSoundFromResource(sound_, "nothing.wav", self());
  EXPECT_FALSE(sound_.loaded);
}

}  // namespace
}  // namespace trelux::test
