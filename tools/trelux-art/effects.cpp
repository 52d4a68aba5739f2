#include "effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "noise.h"

namespace trelux::art {
namespace {

constexpr std::uint32_t kNoiseStart = 12345;

// Fades the first and last few milliseconds so neither end clicks.
void fadeEnds(std::vector<double>& s, int sampleRate) {
  const std::size_t in = std::min<std::size_t>(s.size(), sampleRate / 500);
  const std::size_t out = std::min<std::size_t>(s.size(), sampleRate / 50);
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / in;
  for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / out;
}

}  // namespace

std::vector<double> pushSound(int sampleRate) {
  const auto n = static_cast<std::size_t>(0.22 * sampleRate);
  std::vector<double> s(n);
  Noise noise(kNoiseStart);
  double scrape = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    const double thud = std::sin(kTwoPi * (50 * t + 45 * 0.03 * (1 - std::exp(-t / 0.03))));
    scrape += 0.12 * (noise.next() - scrape);
    s[i] = std::exp(-t / 0.07) * thud + 0.9 * std::exp(-t / 0.05) * scrape;
  }
  fadeEnds(s, sampleRate);
  return s;
}

std::vector<double> zapSound(int sampleRate) {
  const auto n = static_cast<std::size_t>(0.42 * sampleRate);
  std::vector<double> s(n);
  Noise noise(kNoiseStart);
  double phase = 0;
  double frequency = 240;
  double smooth = 0;
  const auto hop = static_cast<std::size_t>(0.012 * sampleRate);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    // The buzz jumps to a new pitch every 12 ms, like an arc.
    if (i % hop == 0) frequency = 180 + 120 * (noise.next() + 1);
    phase += frequency / sampleRate;
    phase -= std::floor(phase);
    const double buzz = 2 * phase - 1;
    const double crackle = noise.next() * (noise.next() > 0.55 ? 1.0 : 0.15);
    const double sweep = std::sin(kTwoPi * (200 * t + 1000 * 0.08 * (1 - std::exp(-t / 0.08))));
    const double raw = 0.55 * buzz + 0.45 * crackle + 0.35 * sweep;
    smooth += 0.5 * (raw - smooth);
    s[i] = smooth * std::exp(-t / 0.16);
  }
  fadeEnds(s, sampleRate);
  return s;
}

}  // namespace trelux::art
