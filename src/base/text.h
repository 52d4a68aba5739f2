// Byte-string helpers shared by every subsystem. Strings are bytes in the
// Windows ANSI code page; only ASCII letters and blanks get special treatment,
// so bytes 0x80 to 0xFF pass through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace trelux {

// The six ASCII blanks: space and 0x09 to 0x0D (tab, LF, VT, FF, CR).
constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Windows takes either slash between the parts of a path.
constexpr bool isPathSeparator(char c) { return c == '\\' || c == '/'; }
constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
// Printable ASCII other than space (0x21 to 0x7E).
constexpr bool isGraphic(char c) { return c > ' ' && c < 0x7F; }

// Turns A to Z into a to z; every other byte stays.
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Removes blanks from both ends.
std::string trimBlanks(std::string_view text);

// Reads a decimal integer the way the C runtime's atoi does: leading blanks,
// an optional sign, then digits up to the first other byte; no digits gives 0.
// Values beyond the int range saturate instead of overflowing.
int parseLeadingInt(std::string_view text);

}  // namespace trelux
