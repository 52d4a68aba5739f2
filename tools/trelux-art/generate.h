// Writes every picture and sound of the game from the readable sources in
// the art folder. The same sources give the same bytes on every run.
#pragma once

#include <filesystem>
#include <ostream>

namespace trelux::art {

// Writes the bitmaps, sounds and icon into outputDir and the contact sheets
// into sheetsDir. False, with a message on err, when a source is missing or
// malformed or a file cannot be written.
bool generateAll(const std::filesystem::path& sourceDir, const std::filesystem::path& outputDir,
                 const std::filesystem::path& sheetsDir, std::ostream& err);

}  // namespace trelux::art
