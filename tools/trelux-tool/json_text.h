// JSON for the tool's output, built with nlohmann's ordered objects so that
// fields come out in the order they are set. The game's text is bytes in a
// Windows ANSI code page, not UTF-8: each byte becomes the character of the
// same number, written as \u00XX from 0x7F up, so every byte comes back and
// nothing throws.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace trelux::tool {

using Json = nlohmann::ordered_json;

// The text as a JSON string value.
Json jsonText(std::string_view text);
// The text as a JSON string literal, quotes included; the text output uses it
// too wherever a value may hold blanks or line ends.
std::string jsonQuote(std::string_view text);
// The value on one line, without blanks.
std::string jsonLine(const Json& value);

}  // namespace trelux::tool
