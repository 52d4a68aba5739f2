#include "puzzles/set_choice.h"

#include "base/text.h"

namespace trelux {
namespace {

int indexOf(const std::vector<PuzzleSetEntry>& entries, const std::string& descriptorFile) {
  if (descriptorFile.empty()) return -1;
  const std::string wanted = toLowerAscii(descriptorFile);
  for (size_t index = 0; index < entries.size(); ++index)
    if (toLowerAscii(entries[index].descriptorFile) == wanted) return static_cast<int>(index);
  return -1;
}

}  // namespace

int preselectedSet(const std::vector<PuzzleSetEntry>& entries, const std::string& lastSet) {
  if (entries.empty()) return -1;
  for (const std::string& wanted : {lastSet, std::string(kFirstShippedSet)})
    if (const int index = indexOf(entries, wanted); index >= 0) return index;
  return 0;
}

}  // namespace trelux
