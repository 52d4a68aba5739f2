#include "world/level_codec.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "base/byte_io.h"
#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {

namespace {

// Any first byte other than the mark means "no description" and is taken as
// nothing else.
bool readDescription(std::istream& in, LevelGrid& grid) {
  std::optional<uint8_t> first = readByte(in);
  if (!first) return false;
  if (*first != kDescriptionMark) return true;
  std::string text;
  for (;;) {
    std::optional<uint8_t> b = readByte(in);
    if (!b) return false;
    if (*b == 0) break;
    text += static_cast<char>(*b);
  }
  grid.setDescription(true, std::move(text));
  return true;
}

bool readCells(std::istream& in, LevelGrid& grid) {
  const long long count = static_cast<long long>(grid.width()) * grid.height();
  for (long long i = 0; i < count; ++i) {
    std::optional<uint8_t> kind = readByte(in);
    if (!kind || *kind > kHighestKind) return false;
    uint8_t attribute = 0;
    if (*kind >= 2) {
      std::optional<uint8_t> a = readByte(in);
      if (!a) return false;
      attribute = *a;
    }
    grid.appendCell(decodeObject(*kind, attribute));
  }
  return true;
}

}  // namespace

bool parseLevel(std::istream& in, LevelGrid& grid) {
  if (!readDescription(in, grid)) return false;
  std::optional<uint8_t> width = readByte(in);
  std::optional<uint8_t> height = readByte(in);
  if (!width || !height || *width < 1 || *height < 1) return false;
  std::optional<uint8_t> column = readByte(in);
  std::optional<uint8_t> row = readByte(in);
  if (!column || !row) return false;
  grid.beginLevel(*width, *height);
  grid.setStart(*column, *row);
  if (!readCells(in, grid)) {
    grid.clear();
    return false;
  }
  grid.markLoaded();
  return true;
}

bool writeLevelContent(std::ostream& out, const LevelGrid& grid) {
  if (grid.hasDescription()) {
    out.put(static_cast<char>(kDescriptionMark));
    out << grid.description();
    out.put('\0');
  } else {
    out.put('\0');
  }
  out.put(static_cast<char>(grid.width()));
  out.put(static_cast<char>(grid.height()));
  out.put(static_cast<char>(grid.start().x));
  out.put(static_cast<char>(grid.start().y));
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) grid.cell(x, y).write(out);
  }
  return static_cast<bool>(out);
}

}  // namespace trelux
