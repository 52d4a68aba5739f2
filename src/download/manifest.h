// The puzzle server's manifest: a keyed document with one section per set
// ("name" and "path" required; "author", "date", "guid" optional), read
// strictly, with keys and section names lower-cased and values as written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trelux {

class KeyedDocument;

// A manifest this big is no list of sets; it is refused unread.
inline constexpr uint64_t kMaxManifestSize = 1024 * 1024;
// Nor is one of more sets, or of more lines in one set, than these: it is
// refused as soon as its reading gets there.
inline constexpr size_t kMaxManifestSets = 1000;
inline constexpr size_t kMaxSetKeys = 64;

struct ManifestSet {
  std::string name;
  std::string path;  // the full URL of the set's level file
  std::string author;
  std::string date;
  std::string guid;
};

void configureManifest(KeyedDocument& doc);
// Loads and checks the manifest in file (the transfer's target). complete is
// false when the body was shorter than the server announced. Throws an
// InternetError when the file is too big, cannot be read or parsed, holds
// too many sets or keys, or a section lacks "path" or "name" (the first such
// section is named).
void readManifest(KeyedDocument& doc, const std::string& file, bool complete = true);
// The sets in the document's section order; absent keys read as empty.
std::vector<ManifestSet> manifestSets(const KeyedDocument& doc);

}  // namespace trelux
