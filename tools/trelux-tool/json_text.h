// Quoting text for the tool's output: JSON string literals, which also serve
// the text output wherever a value may hold blanks or line ends.
#pragma once

#include <string>
#include <string_view>

namespace trelux::tool {

// The text as a JSON string literal, quotes included. Bytes 0x80 to 0xFF are
// written as \u00XX (the game's text is in a Windows ANSI code page, not UTF-8).
std::string jsonQuote(std::string_view text);

}  // namespace trelux::tool
