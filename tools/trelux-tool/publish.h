// trelux-tool publish: a folder that any static web server can serve as a
// puzzle server. The manifest goes to download/files/trelux/download.php
// (one section per set: name, path as the full URL under the base URL,
// guid, date, author when known) and each set's level file to sets/.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "set_text.h"

namespace trelux::tool {

// The set's guid: its own "guid:" line, else one made from its name, so it
// stays the same from one publish to the next.
std::string publishedGuid(const SetSource& set);

// args: OUTDIR SET.txt...; baseUrl: where OUTDIR is served ("http://host/").
int runPublish(const std::vector<std::string>& args, const std::string& baseUrl, std::ostream& out,
               std::ostream& err);

}  // namespace trelux::tool
