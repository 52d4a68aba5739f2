// The game's sounds: the three effects and the three music tracks.
#pragma once

#include <filesystem>
#include <ostream>

namespace trelux::art {

bool writeSounds(const std::filesystem::path& sourceDir, const std::filesystem::path& outputDir,
                 std::ostream& err);

}  // namespace trelux::art

#include <string>
#include <vector>

#include "score.h"

namespace trelux::art {

// A music track: the score looped, with its echo; empty with error set when
// the score names an unknown instrument.
std::vector<double> renderMusic(const Score& score, std::string& error);

}  // namespace trelux::art
