#include "sounds.h"

#include <fstream>
#include <sstream>
#include <string>

#include "effects.h"
#include "score.h"
#include "synth.h"
#include "wav.h"

namespace trelux::art {
namespace {

namespace fs = std::filesystem;

constexpr double kEffectPeak = 0.8;
// Music stays quieter, so the effects ride over it.
constexpr double kMusicPeak = 0.6;

bool write(const fs::path& path, const std::vector<std::int16_t>& samples, std::ostream& err) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = encodeWav(samples);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    err << "trelux-art: cannot write " << path.string() << "\n";
    return false;
  }
  return true;
}

std::optional<Score> readScore(const fs::path& path, std::ostream& err) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string error;
  auto score = in ? parseScore(text.str(), error) : std::nullopt;
  if (!score) err << "trelux-art: " << path.string() << ": " << (in ? error : "cannot read") << "\n";
  return score;
}

}  // namespace

std::vector<double> renderMusic(const Score& score, std::string& error) {
  std::vector<double> music = renderScore(score, true, kSampleRate, error);
  // A soft echo three eighths behind, round the loop like everything else.
  const auto delay = static_cast<std::size_t>(0.75 * score.secondsPerBeat() * kSampleRate);
  addCircularEcho(music, delay, 0.3, 0.22);
  return music;
}

bool writeSounds(const fs::path& sourceDir, const fs::path& outputDir, std::ostream& err) {
  if (!write(outputDir / "push.wav", toPcm16(pushSound(kSampleRate), kEffectPeak), err) ||
      !write(outputDir / "zap.wav", toPcm16(zapSound(kSampleRate), kEffectPeak), err)) {
    return false;
  }
  const auto jingle = readScore(sourceDir / "music" / "win.txt", err);
  std::string error;
  if (!jingle) return false;
  const std::vector<double> win = renderScore(*jingle, false, kSampleRate, error);
  if (win.empty()) {
    err << "trelux-art: win.txt: " << error << "\n";
    return false;
  }
  if (!write(outputDir / "win.wav", toPcm16(win, kEffectPeak), err)) return false;
  for (int track = 0; track < 3; ++track) {
    const std::string name = "mus" + std::to_string(track);
    const auto score = readScore(sourceDir / "music" / (name + ".txt"), err);
    if (!score) return false;
    const std::vector<double> music = renderMusic(*score, error);
    if (music.empty()) {
      err << "trelux-art: " << name << ".txt: " << error << "\n";
      return false;
    }
    if (!write(outputDir / (name + ".wav"), toPcm16(music, kMusicPeak), err)) return false;
  }
  return true;
}

}  // namespace trelux::art
