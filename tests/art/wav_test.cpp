// WAV images as the game's reader takes them: RIFF/WAVE first, a "fmt "
// chunk of at least 16 bytes, then the first "data" chunk.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bytes.h"
#include "effects.h"
#include "wav.h"

namespace trelux::art {
namespace {

std::string chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  putLe32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (body.size() % 2) out.push_back('\0');
  return out;
}

std::string form(const std::string& type, const std::string& body) {
  std::string out = "RIFF";
  putLe32(out, static_cast<std::uint32_t>(4 + body.size()));
  return out + type + body;
}

std::string pcmFormat() {
  std::string f;
  putLe16(f, 1);
  putLe16(f, 1);
  putLe32(f, 22050);
  putLe32(f, 44100);
  putLe16(f, 2);
  putLe16(f, 16);
  return f;
}

TEST(Wav, WritesMonoSixteenBitPcm) {
  const std::vector<std::int16_t> samples = {0, 1000, -1000, 32767, -32767};
  const auto wave = parseWave(encodeWav(samples));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->formatTag, 1);
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->samplesPerSecond, 22050u);
  EXPECT_EQ(wave->averageBytesPerSecond, 44100u);
  EXPECT_EQ(wave->blockAlign, 2);
  EXPECT_EQ(wave->bitsPerSample, 16);
  EXPECT_EQ(samplesOf(*wave), samples);
}

TEST(Wav, RiffSizeCountsEverythingAfterIt) {
  const std::string bytes = encodeWav({1, 2, 3});
  EXPECT_EQ(getLe32(bytes, 4), bytes.size() - 8);
}

TEST(Wav, FindsChunksPastOthersAndPadding) {
  const std::string bytes =
      form("WAVE", chunk("LIST", "odd") + chunk("fmt ", pcmFormat() + "xx") + chunk("junk", "a") +
                       chunk("data", std::string("\x10\x00\x20\x00", 4)));
  const auto wave = parseWave(bytes);
  ASSERT_TRUE(wave);
  EXPECT_EQ(samplesOf(*wave), (std::vector<std::int16_t>{16, 32}));
}

TEST(Wav, RefusesWhatTheGameRefuses) {
  const std::string data = chunk("data", "\1\0");
  EXPECT_FALSE(parseWave(form("WAVE", chunk("fmt ", pcmFormat()))));                    // no data
  EXPECT_FALSE(parseWave(form("WAVE", chunk("fmt ", pcmFormat().substr(0, 14)) + data)));  // short fmt
  EXPECT_FALSE(parseWave(form("AVI ", chunk("fmt ", pcmFormat()) + data)));
  EXPECT_FALSE(parseWave(chunk("LIST", "x") + form("WAVE", chunk("fmt ", pcmFormat()) + data)));
  EXPECT_FALSE(parseWave(form("WAVE", data)));                                          // no fmt
  std::string cut = encodeWav({1, 2, 3, 4});
  cut.resize(cut.size() - 2);
  EXPECT_FALSE(parseWave(cut));
}

// The zap must end before the game's half-second pause does; both effects
// start and end quietly so they never click.
TEST(Effects, AreShortAndStartAndEndSilent) {
  for (const auto& sound : {pushSound(kSampleRate), zapSound(kSampleRate)}) {
    ASSERT_FALSE(sound.empty());
    EXPECT_LT(sound.size(), static_cast<std::size_t>(kSampleRate / 2));
    EXPECT_NEAR(sound.front(), 0.0, 1e-9);
    EXPECT_NEAR(sound.back(), 0.0, 0.01);
    double loudest = 0;
    for (const double s : sound) loudest = std::max(loudest, std::abs(s));
    EXPECT_GT(loudest, 0.2);
  }
}

}  // namespace
}  // namespace trelux::art
