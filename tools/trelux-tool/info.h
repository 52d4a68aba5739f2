// A summary of a level file: header, and per level its size, robot start,
// description and object counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/direction.h"

namespace trelux::tool {

struct LevelInfo {
  bool readable = false;
  int32_t width = 0;
  int32_t height = 0;
  Position start;
  std::optional<std::string> description;
  int32_t sensors = 0;
  int32_t lasers = 0;
};

struct SetInfo {
  int32_t progress = 0;
  bool hasCode = false;
  std::string code;
  std::vector<LevelInfo> levels;
};

// False with a message in error when the file cannot be opened as a level
// file. Levels that cannot be read are listed as unreadable.
bool readSetInfo(const std::string& levelFile, SetInfo& info, std::string& error);
std::string formatInfoText(const SetInfo& info);
std::string formatInfoJson(const SetInfo& info);

}  // namespace trelux::tool
