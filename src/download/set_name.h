// The name a downloaded set is installed under: its own when no set of the
// catalogue has it, else the first free of "NAME (2)", "NAME (3)", ...
#pragma once

#include <string>

namespace trelux {

std::string freeSetName(const std::string& name);

}  // namespace trelux
