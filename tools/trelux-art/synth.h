// A small synthesiser: instruments made of sines, FM and noise, and the
// rendering of a score into samples. A looped score is rendered onto a
// circle: what rings past the end continues at the start, so the loop has no
// seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "score.h"

namespace trelux::art {

bool isInstrument(const std::string& name);
std::vector<std::string> instrumentNames();
// One note held for `seconds`, with its release tail; amplitude about 1.
std::vector<double> renderNote(const std::string& instrument, double frequency, double seconds,
                               int sampleRate, std::uint32_t seed);

// The whole score. Looped: exactly the score's length, tails wrapped round.
// Otherwise: as long as the last tail. Empty with error set for an unknown
// instrument.
std::vector<double> renderScore(const Score& score, bool loop, int sampleRate, std::string& error);

// An echo of the whole buffer taken as a circle.
void addCircularEcho(std::vector<double>& samples, std::size_t delay, double feedback, double wet);
// Scales to the given peak (of full scale) and rounds to 16 bits.
std::vector<std::int16_t> toPcm16(const std::vector<double>& samples, double peak);

}  // namespace trelux::art
