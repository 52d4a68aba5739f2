// The instruments: each is an envelope and a waveform of time and pitch.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "noise.h"
#include "synth.h"

namespace trelux::art {
namespace {

// Overtones above this would fold back as noise at 22050 samples a second.
constexpr double kHighest = 10000;

struct Envelope {
  double attack;
  double decay;    // time constant of the fall to the sustain level
  double sustain;  // level while held, 0..1
  double release;  // time constant after the note ends
};

double level(double t, const Envelope& e) {
  if (t < e.attack) return t / e.attack;
  return e.sustain + (1 - e.sustain) * std::exp(-(t - e.attack) / e.decay);
}

double envelope(double t, double held, const Envelope& e) {
  if (t < held) return level(t, e);
  return level(held, e) * std::exp(-(t - held) / e.release);
}

struct Instrument {
  Envelope envelope;
  // Extra seconds to render after the note ends (drums: their whole length).
  double tail;
  std::function<double(double t, double f, Noise& noise)> wave;
};

double harmonic(double t, double f, int k) {
  return k * f < kHighest ? std::sin(kTwoPi * k * f * t) : 0.0;
}

const std::map<std::string, Instrument>& instruments() {
  static const std::map<std::string, Instrument> table = {
      {"epiano", {{0.004, 0.9, 0.0, 0.12}, 1.0, [](double t, double f, Noise&) {
                    const double index = 1.6 * std::exp(-t / 0.35) + 0.25;
                    const double body = std::sin(kTwoPi * f * t + index * std::sin(kTwoPi * f * t));
                    return 0.8 * body + 0.1 * std::exp(-t / 0.05) * harmonic(t, f, 14);
                  }}},
      {"bell", {{0.002, 1.4, 0.0, 0.7}, 3.0, [](double t, double f, Noise&) {
                  const double mod = 3.5 * f < kHighest ? std::sin(kTwoPi * 3.5 * f * t) : 0.0;
                  return std::sin(kTwoPi * f * t + 1.1 * std::exp(-t / 0.5) * mod);
                }}},
      {"pad", {{0.4, 2.5, 0.7, 0.7}, 3.0, [](double t, double f, Noise&) {
                 double sum = 0;
                 for (int k = 1; k <= 5; ++k) {
                   const double a = 1.0 / std::pow(k, 1.7);
                   sum += a * 0.5 * (harmonic(t, f * 1.003, k) + harmonic(t, f * 0.997, k));
                 }
                 return 0.6 * sum * (1 + 0.08 * std::sin(kTwoPi * 0.3 * t));
               }}},
      {"bass", {{0.006, 0.5, 0.45, 0.06}, 0.5, [](double t, double f, Noise&) {
                  const double x = harmonic(t, f, 1) + 0.25 * harmonic(t, f, 2) + 0.08 * harmonic(t, f, 3);
                  return std::tanh(1.3 * x);
                }}},
      {"pluck", {{0.002, 0.45, 0.0, 0.05}, 1.0, [](double t, double f, Noise&) {
                   double sum = 0;
                   for (int k = 1; k <= 8; ++k) sum += std::exp(-t * k * 2.5) * harmonic(t, f, k) / k;
                   return 0.8 * sum;
                 }}},
      {"flute", {{0.06, 1.0, 0.85, 0.08}, 0.5, [](double t, double f, Noise& noise) {
                   const double vibrato = 0.0009 * std::min(1.0, t / 0.4) * std::sin(kTwoPi * 5 * t);
                   const double u = t + vibrato;
                   return harmonic(u, f, 1) + 0.12 * harmonic(u, f, 2) + 0.008 * noise.next();
                 }}},
      {"kick", {{0.002, 0.18, 0.0, 0.18}, 0.5, [](double t, double, Noise&) {
                  const double phase = kTwoPi * (45 * t + 75 * 0.04 * (1 - std::exp(-t / 0.04)));
                  return std::sin(phase);
                }}},
      {"hat", {{0.001, 0.025, 0.0, 0.025}, 0.15, [](double, double, Noise& noise) {
                 return 0.6 * noise.next();
               }}},
      {"shaker", {{0.012, 0.05, 0.0, 0.05}, 0.2, [](double, double, Noise& noise) {
                    return 0.4 * noise.next();
                  }}},
      {"click", {{0.001, 0.015, 0.0, 0.015}, 0.1, [](double t, double, Noise& noise) {
                   return 0.5 * std::sin(kTwoPi * 1700 * t) + 0.4 * noise.next();
                 }}},
  };
  return table;
}

}  // namespace

bool isInstrument(const std::string& name) { return instruments().count(name) != 0; }

std::vector<std::string> instrumentNames() {
  std::vector<std::string> names;
  for (const auto& [name, instrument] : instruments()) names.push_back(name);
  return names;
}

std::vector<double> renderNote(const std::string& instrument, double frequency, double seconds,
                               int sampleRate, std::uint32_t seed) {
  const Instrument& in = instruments().at(instrument);
  const bool drum = frequency == 0;
  const double held = drum ? 0 : seconds;
  const auto count = static_cast<std::size_t>((held + in.tail) * sampleRate);
  std::vector<double> out(count);
  Noise noise = Noise::seeded(seed);
  double previous = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    // A drum is struck, not held: it only rises and decays.
    const double amplitude = drum ? level(t, in.envelope) : envelope(t, held, in.envelope);
    double v = in.wave(t, frequency, noise) * amplitude;
    if (instrument == "hat") {
      // Only the hiss: the difference of neighbours keeps the high part.
      const double raw = v;
      v = raw - previous;
      previous = raw;
    }
    out[i] = v;
  }
  // A short fade at the very end, where a tail is cut.
  const std::size_t fade = std::min<std::size_t>(count, sampleRate / 100);
  for (std::size_t i = 0; i < fade; ++i) out[count - 1 - i] *= static_cast<double>(i) / fade;
  return out;
}

}  // namespace trelux::art
