// The play screen's two noises, made from sines and noise.
#pragma once

#include <vector>

namespace trelux::art {

// A short, low thud with a little scrape: an object pushed or pulled.
std::vector<double> pushSound(int sampleRate);
// An electric zap of crackling buzz, shorter than the game's half-second
// pause after it.
std::vector<double> zapSound(int sampleRate);

}  // namespace trelux::art
