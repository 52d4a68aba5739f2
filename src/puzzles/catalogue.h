// The catalogue of puzzle sets: every "*.trelux" descriptor in ".\levels\".
// There is no central list; every operation rescans the folder.
#pragma once

#include <string>
#include <vector>

namespace trelux {

struct PuzzleSetEntry {
  std::string folder;          // value of "path": the set's folder, ending in "\"
  std::string name;            // value of "name", as shown to the user
  std::string descriptorFile;  // ".\levels\" + the descriptor's file name
  bool unlocked = true;        // false when "locked" is "true" in any letter case
};

bool readDescriptor(const std::string& descriptorFile, PuzzleSetEntry& entry);
// Rewrites the descriptor completely with the three keys of entry.
bool writeDescriptor(const PuzzleSetEntry& entry);
// Appends one entry per readable descriptor, in the folder's listing order;
// unreadable descriptors are skipped silently.
void scanPuzzleSets(std::vector<PuzzleSetEntry>& list, bool includeLocked);
bool hasPuzzleSets(bool includeLocked);
// False when some set, locked or not, has this name (trimmed, any letter case).
bool isPuzzleSetNameFree(const std::string& name);
bool setPuzzleSetLocked(const std::string& descriptorFile, bool locked);
// The base of a new set's file names: the name's hash in lower-case hex,
// with "x" appended until neither a descriptor of that name nor a level
// file in a folder of that name exists.
std::string makeSetBaseName(const std::string& name);

}  // namespace trelux
