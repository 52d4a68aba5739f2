// The level that every new set starts with and that "add level" appends: a
// 7 x 7 room with the robot in its north-west corner.
#pragma once

#include <string>

namespace trelux {

// The marker, the content and the "R" filler: 1 + levelCapacity bytes.
std::string defaultLevelRecord();

}  // namespace trelux
