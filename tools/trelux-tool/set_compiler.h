// Between the set text and level files: compiling writes a level file the way
// the game's editor builds one (a new set file, its code, then each level
// written into the record that "add level" appends), so the bytes are the
// editor's to the last filler byte; decompiling reads any level file back.
#pragma once

#include <string>

#include "set_text.h"

namespace trelux::tool {

// Writes the level file at outPath (a host path). The file appears complete
// or not at all: it is built beside outPath and renamed over it at the end.
bool compileSet(const SetSource& set, const std::string& outPath, std::string& error);
// Reads the live levels of a level file; the name is not stored in the file,
// so the caller gives it.
bool decompileSet(const std::string& levelFile, const std::string& name, SetSource& set, std::string& error);

}  // namespace trelux::tool
