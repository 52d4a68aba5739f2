#include "synth.h"

#include <algorithm>
#include <cmath>

namespace trelux::art {

std::vector<double> renderScore(const Score& score, bool loop, int sampleRate, std::string& error) {
  for (const Voice& v : score.voices) {
    if (!isInstrument(v.instrument)) {
      error = "voice " + v.name + ": no instrument called \"" + v.instrument + "\"";
      return {};
    }
  }
  const double beat = score.secondsPerBeat();
  const auto length = static_cast<std::size_t>(std::lround(score.beats * beat * sampleRate));
  std::vector<double> out(length, 0.0);
  std::uint32_t seed = 1;
  for (const Voice& v : score.voices) {
    for (const NoteEvent& note : v.notes) {
      const auto start = static_cast<std::size_t>(std::lround(note.start * beat * sampleRate));
      for (const double f : note.frequencies) {
        const std::vector<double> sound = renderNote(v.instrument, f, note.length * beat, sampleRate, seed++);
        if (!loop && start + sound.size() > out.size()) out.resize(start + sound.size(), 0.0);
        for (std::size_t i = 0; i < sound.size(); ++i) {
          const std::size_t at = loop ? (start + i) % length : start + i;
          out[at] += v.volume * sound[i];
        }
      }
    }
  }
  return out;
}

void addCircularEcho(std::vector<double>& samples, std::size_t delay, double feedback, double wet) {
  const std::size_t n = samples.size();
  if (n == 0 || delay == 0) return;
  // The echo line is what the buffer sounded like `delay` ago, round the
  // circle; going round a few times settles it as in an endless loop.
  std::vector<double> line(n, 0.0);
  for (int pass = 0; pass < 6; ++pass) {
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t from = (i + n - delay % n) % n;
      line[i] = samples[from] + feedback * line[from];
    }
  }
  for (std::size_t i = 0; i < n; ++i) samples[i] += wet * line[i];
}

std::vector<std::int16_t> toPcm16(const std::vector<double>& samples, double peak) {
  double highest = 0;
  for (const double s : samples) highest = std::max(highest, std::abs(s));
  const double gain = highest > 0 ? peak * 32767.0 / highest : 0.0;
  std::vector<std::int16_t> out;
  out.reserve(samples.size());
  for (const double s : samples) {
    out.push_back(static_cast<std::int16_t>(std::clamp(std::lround(s * gain), -32767L, 32767L)));
  }
  return out;
}

}  // namespace trelux::art
