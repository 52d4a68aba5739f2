#include "download/set_name.h"

#include "puzzles/catalogue.h"

namespace trelux {

std::string freeSetName(const std::string& name) {
  if (isPuzzleSetNameFree(name)) return name;
  for (int n = 2;; ++n) {
    std::string candidate = name + " (" + std::to_string(n) + ")";
    if (isPuzzleSetNameFree(candidate)) return candidate;
  }
}

}  // namespace trelux
