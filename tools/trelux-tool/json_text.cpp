#include "json_text.h"

namespace trelux::tool {

// Bytes from 0x80 up become two-byte UTF-8 sequences of U+0080 to U+00FF;
// dump() with ensure_ascii writes them back as \u0080 to \u00ff.
Json jsonText(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      utf8 += ch;
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return Json(std::move(utf8));
}

std::string jsonQuote(std::string_view text) { return jsonText(text).dump(-1, ' ', true); }

std::string jsonLine(const Json& value) { return value.dump(-1, ' ', true) + "\n"; }

}  // namespace trelux::tool
