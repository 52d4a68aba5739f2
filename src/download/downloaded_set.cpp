#include "download/downloaded_set.h"

#include <optional>
#include <sstream>

#include "base/files.h"
#include "download/download_messages.h"
#include "download/internet_error.h"
#include "world/level_grid.h"

namespace trelux {

namespace {

bool hasSetHeader(const std::string& bytes) {
  if (bytes.size() < static_cast<size_t>(kHeaderSize)) return false;
  const auto flag = static_cast<uint8_t>(bytes[1]);
  return (flag == 0 || flag == kCodeFlag) && bytes[kHeaderSize - 1] == '\0';
}

}  // namespace

bool isPlayableSetFile(const std::string& bytes) {
  if (bytes.size() > kMaxSetFileSize || !hasSetHeader(bytes)) return false;
  std::stringbuf buffer(bytes, std::ios::in | std::ios::out | std::ios::binary);
  PuzzleSetFile set;
  if (!set.openBuffer(buffer)) return false;
  const int32_t count = set.countLevels();
  if (count < 1) return false;
  for (int32_t i = 0; i < count; ++i) {
    LevelGrid grid;
    if (!set.seekLevel(i) || !set.readLevel(grid)) return false;
  }
  return true;
}

void checkDownloadedSet(const std::string& file, bool complete) {
  const std::optional<std::string> bytes = readFileBytes(file);
  if (!complete || !bytes || !isPlayableSetFile(*bytes)) {
    throw InternetError{"The downloaded set " + file + " is no playable level file.",
                        kDamagedSetMessage};
  }
}

}  // namespace trelux
