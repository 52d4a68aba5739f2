#include "description_text.h"

namespace trelux::tool {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 0x00 would end the description early, and bytes from 0xF0 up are the
// record's own marks (0xFF is a level marker); the editor turns them into
// blanks, so a level that holds them cannot be made there either.
bool storable(unsigned char byte) { return byte != 0 && byte < 0xF0; }

bool plain(unsigned char byte) { return byte >= 0x20 && byte < 0x7F && byte != '\\'; }

constexpr const char* kDigits = "0123456789ABCDEF";

}  // namespace

bool decodeDescriptionLine(std::string_view line, std::string& text, std::string& problem, int& column) {
  text.clear();
  for (size_t i = 0; i < line.size(); ++i) {
    column = static_cast<int>(i);
    auto byte = static_cast<unsigned char>(line[i]);
    if (byte == '\\') {
      if (i + 1 < line.size() && line[i + 1] == '\\') {
        ++i;
      } else if (i + 3 < line.size() && line[i + 1] == 'x' && hexValue(line[i + 2]) >= 0 &&
                 hexValue(line[i + 3]) >= 0) {
        byte = static_cast<unsigned char>(hexValue(line[i + 2]) * 16 + hexValue(line[i + 3]));
        i += 3;
      } else {
        problem = "a backslash starts \\\\ or \\xHH in a description";
        return false;
      }
    } else if (byte < 0x20 && byte != '\t') {
      problem = "a control character in a description; write it as \\xHH";
      return false;
    }
    if (!storable(byte)) {
      problem = "a description cannot hold the byte 0x00 or bytes from 0xF0 up";
      return false;
    }
    text += static_cast<char>(byte);
  }
  return true;
}

std::vector<std::string> encodeDescriptionLines(std::string_view description) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < description.size(); ++i) {
    const auto byte = static_cast<unsigned char>(description[i]);
    if (byte == '\r' && i + 1 < description.size() && description[i + 1] == '\n') {
      lines.emplace_back();
      ++i;
    } else if (byte == '\\') {
      lines.back() += "\\\\";
    } else if (plain(byte) || byte == '\t') {
      lines.back() += static_cast<char>(byte);
    } else {
      lines.back() += std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 15];
    }
  }
  return lines;
}

}  // namespace trelux::tool
