// A level description in the set text: one "desc:" line per line of the
// description (the game's edit box separates lines with CR LF). Bytes that a
// text file cannot show plainly are written as \xHH, and a backslash as \\,
// so that every description a level file can hold comes back byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelux::tool {

// Decodes one line. On failure answers false with the problem and its
// 0-based column in the line.
bool decodeDescriptionLine(std::string_view line, std::string& text, std::string& problem, int& column);
std::vector<std::string> encodeDescriptionLines(std::string_view description);

}  // namespace trelux::tool
