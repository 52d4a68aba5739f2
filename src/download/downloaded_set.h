// The check of a downloaded level file before anything is installed: an
// error page, a cut-off body or a runaway one must not become a set.
#pragma once

#include <cstdint>
#include <string>

#include "puzzles/puzzle_set_file.h"

namespace trelux {

// The largest file a set can be: the header and 255 records (the progress
// byte counts no further), each a marker and its full space.
inline constexpr uint64_t kMaxSetFileSize =
    kHeaderSize + 255ull * (1 + static_cast<uint64_t>(kLevelCapacity));

// True when bytes are a level file the game can play: a header with a known
// completion code flag, at least one level, every level readable by the
// game's own reader, and no larger than a full set.
bool isPlayableSetFile(const std::string& bytes);
// Throws an InternetError saying that the set is damaged unless file holds
// a playable set; complete is false when the body was shorter than the
// server announced.
void checkDownloadedSet(const std::string& file, bool complete = true);

}  // namespace trelux
