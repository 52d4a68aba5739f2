// Installing a downloaded level file as a new, locked set of the catalogue.
#pragma once

#include <string>

namespace trelux {

// Creates the set name through the editor's set creation, locks it, copies
// levelFile (the downloaded bytes) over its level file and records guid in
// the list of downloaded sets. Throws an InternetError on failure; a set
// that was created is then removed again (level file, descriptor, folder),
// so the catalogue never lists a set that is not what was downloaded.
void installSet(const std::string& name, const std::string& levelFile, const std::string& guid);

// A downloaded file's way into the catalogue: checked as a playable set
// (complete is false when the body was shorter than the server announced),
// then installed under the first free name of name (freeSetName). Returns
// the name it got; throws an InternetError, having installed nothing.
std::string installDownloadedSet(const std::string& file, bool complete, const std::string& name,
                                 const std::string& guid);

}  // namespace trelux
