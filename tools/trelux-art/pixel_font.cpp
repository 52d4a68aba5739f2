#include "pixel_font.h"

#include <sstream>

namespace trelux::art {

std::optional<PixelFont> PixelFont::parse(const std::string& source, std::string& error) {
  PixelFont font;
  std::istringstream in(source);
  std::string line;
  int lineNumber = 0;
  char current = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || (line[0] == '#' && line.find_first_not_of("#.") != std::string::npos)) {
      continue;
    }
    if (line.rfind("glyph ", 0) == 0 && line.size() == 7) {
      current = line[6];
      if (font.glyphs_.count(current)) {
        error = "line " + std::to_string(lineNumber) + ": glyph defined twice";
        return std::nullopt;
      }
      font.glyphs_[current];
      continue;
    }
    std::vector<std::string>* rows = current ? &font.glyphs_[current] : nullptr;
    if (!rows || line.size() != kWidth || line.find_first_not_of("#.") != std::string::npos ||
        rows->size() == kHeight) {
      error = "line " + std::to_string(lineNumber) + ": expected a row of 5 '#' or '.'";
      return std::nullopt;
    }
    rows->push_back(line);
  }
  for (const auto& [c, rows] : font.glyphs_) {
    if (rows.size() != kHeight) {
      error = std::string("glyph ") + c + " has " + std::to_string(rows.size()) + " rows, not 7";
      return std::nullopt;
    }
  }
  return font;
}

bool PixelFont::ink(char c, int x, int y) const {
  const auto it = glyphs_.find(c);
  return it != glyphs_.end() && it->second[y][x] == '#';
}

int PixelFont::measure(const std::string& text, int scale) const {
  if (text.empty()) return 0;
  return static_cast<int>(text.size()) * (kWidth + 1) * scale - scale;
}

void PixelFont::draw(Image& image, const std::string& text, int x, int y, int scale,
                     Rgb colour) const {
  for (const char c : text) {
    for (int gy = 0; gy < kHeight; ++gy) {
      for (int gx = 0; gx < kWidth; ++gx) {
        if (ink(c, gx, gy)) image.fillRect(x + gx * scale, y + gy * scale, scale, scale, colour);
      }
    }
    x += (kWidth + 1) * scale;
  }
}

}  // namespace trelux::art
