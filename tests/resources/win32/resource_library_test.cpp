// trelux.dll as the game uses it: loaded by name from the game folder, its
// bitmaps through LoadBitmap and its sounds through the game's WAV reader.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "wave_resource.h"

namespace trelux {
namespace {

using test::readWaveResource;
using test::WaveResource;

class ResourceLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { library_ = LoadLibraryA("trelux.dll"); }
  static void TearDownTestSuite() {
    if (library_) FreeLibrary(library_);
  }
  void SetUp() override { ASSERT_NE(library_, nullptr) << "trelux.dll did not load"; }

  static HMODULE library_;
};

HMODULE ResourceLibrary::library_ = nullptr;

// The pixels of a bitmap, top row first, 3 bytes a pixel, rows of whole words.
std::vector<unsigned char> pixelsOf(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<unsigned char> pixels(static_cast<std::size_t>((width * 3 + 3) & ~3) * height);
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return rows == height ? pixels : std::vector<unsigned char>{};
}

struct Picture {
  const char* name;
  int width;
  int height;
};

constexpr Picture kBitmaps[] = {{"colors.bmp", 264, 280}, {"tileset.bmp", 200, 425},
                                {"digits.bmp", 120, 21}, {"moves.bmp", 150, 60}};

TEST_F(ResourceLibrary, BitmapsLoadByNameWithTheirSizes) {
  for (const Picture& p : kBitmaps) {
    HBITMAP bitmap = LoadBitmapA(library_, p.name);
    ASSERT_NE(bitmap, nullptr) << p.name;
    BITMAP info{};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0) << p.name;
    EXPECT_EQ(info.bmWidth, p.width) << p.name;
    EXPECT_EQ(info.bmHeight, p.height) << p.name;
    DeleteObject(bitmap);
  }
}

// The library holds exactly the pictures the generator wrote.
TEST_F(ResourceLibrary, BitmapsAreTheGeneratedOnes) {
  for (const Picture& p : kBitmaps) {
    const std::string file = std::string(TRELUX_ART_DIR) + "/" + p.name;
    HBITMAP fromFile = static_cast<HBITMAP>(
        LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    HBITMAP fromLibrary = LoadBitmapA(library_, p.name);
    ASSERT_NE(fromFile, nullptr) << file;
    ASSERT_NE(fromLibrary, nullptr) << p.name;
    const auto a = pixelsOf(fromFile, p.width, p.height);
    const auto b = pixelsOf(fromLibrary, p.width, p.height);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b) << p.name;
    DeleteObject(fromFile);
    DeleteObject(fromLibrary);
  }
}

TEST_F(ResourceLibrary, EverySoundIsAWaveTheGameReads) {
  for (const char* name : {"push.wav", "zap.wav", "win.wav", "mus0.wav", "mus1.wav", "mus2.wav"}) {
    const auto wave = readWaveResource(library_, name);
    ASSERT_TRUE(wave) << name;
    EXPECT_EQ(wave->formatTag, WAVE_FORMAT_PCM) << name;
    EXPECT_EQ(wave->channels, 1) << name;
    EXPECT_EQ(wave->bitsPerSample, 16) << name;
    EXPECT_EQ(wave->samplesPerSecond, 22050u) << name;
    EXPECT_EQ(wave->blockAlign, 2) << name;
    EXPECT_EQ(wave->averageBytesPerSecond, 44100u) << name;
    EXPECT_GT(wave->dataSize, 0u) << name;
    EXPECT_EQ(wave->dataSize % 2, 0u) << name;
  }
}

TEST_F(ResourceLibrary, SoundsAreNotFoundUnderOtherNames) {
  EXPECT_FALSE(readWaveResource(library_, "mus3.wav"));
  EXPECT_EQ(FindResourceA(library_, "tileset.bmp", "WAVE"), nullptr);
}

double seconds(const WaveResource& w) { return static_cast<double>(w.samples.size()) / w.samplesPerSecond; }

// The zap plays during the game's half-second pause; the others are short.
TEST_F(ResourceLibrary, EffectsAreShort) {
  EXPECT_LT(seconds(*readWaveResource(library_, "push.wav")), 0.5);
  EXPECT_LT(seconds(*readWaveResource(library_, "zap.wav")), 0.5);
  EXPECT_LT(seconds(*readWaveResource(library_, "win.wav")), 5.0);
}

double rms(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count) {
  double sum = 0;
  for (std::size_t i = from; i < from + count; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / count);
}

// A music track loops: its last sample runs into its first as smoothly as
// any two neighbours inside it, and the sound is as loud just before the
// seam as just after it.
TEST_F(ResourceLibrary, MusicLoopsWithoutASeam) {
  for (const char* name : {"mus0.wav", "mus1.wav", "mus2.wav"}) {
    const auto wave = readWaveResource(library_, name);
    ASSERT_TRUE(wave) << name;
    const auto& s = wave->samples;
    EXPECT_GE(seconds(*wave), 30.0) << name;
    std::vector<int> jumps;
    for (std::size_t i = 1; i < s.size(); ++i) jumps.push_back(std::abs(s[i] - s[i - 1]));
    std::sort(jumps.begin(), jumps.end());
    const int usual = jumps[jumps.size() * 999 / 1000];
    EXPECT_LE(std::abs(s.front() - s.back()), usual) << name;
    const std::size_t window = wave->samplesPerSecond / 50;
    const double before = rms(s, s.size() - window, window);
    const double after = rms(s, 0, window);
    EXPECT_LT(std::max(before, after), 3 * std::min(before, after) + 50) << name;
  }
}

}  // namespace
}  // namespace trelux
