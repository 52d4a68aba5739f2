// The table of shipped levels in docs/: per level its size, its objects and
// the length of its stored solution, which is replayed to a win first so the
// table can only list solutions that work.
#pragma once

#include <string>
#include <vector>

#include "set_text.h"

namespace trelux::tool {

struct NamedSet {
  std::string file;  // the text file, for messages
  SetSource set;
};

// False with a message when a stored solution is missing or does not win.
bool formatLevelTable(const std::vector<NamedSet>& sets, std::string& table, std::string& error);

}  // namespace trelux::tool
