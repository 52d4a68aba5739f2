// Loading the keyed files the game keeps for itself (bests.ini,
// download.guid, trelux.ini), which players and other programs may touch:
// a UTF-8 byte-order mark, as some editors write, is skipped, and a file that
// is there but cannot be read is told apart from a missing one, so that the
// caller never replaces it with what little it knows.
#pragma once

#include <string>

namespace trelux {

class KeyedDocument;

enum class OwnFile { Loaded, Missing, Unreadable };

// Lines that do not parse fail the load, or are skipped when the document
// is lenient (set before the call).
OwnFile loadOwnFile(KeyedDocument& doc, const std::string& path);

}  // namespace trelux
