// A small pixel font read from its readable source (art/font.txt).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "image.h"

namespace trelux::art {

class PixelFont {
 public:
  static constexpr int kWidth = 5;
  static constexpr int kHeight = 7;

  // nullopt with a message in error when the source is malformed.
  static std::optional<PixelFont> parse(const std::string& source, std::string& error);

  bool has(char c) const { return glyphs_.count(c) != 0; }
  bool ink(char c, int x, int y) const;
  // Width in pixels of text at the scale, one blank column between letters.
  int measure(const std::string& text, int scale) const;
  void draw(Image& image, const std::string& text, int x, int y, int scale, Rgb colour) const;

 private:
  std::map<char, std::vector<std::string>> glyphs_;
};

}  // namespace trelux::art
