#include "puzzles/level_text.h"

#include <memory>
#include <vector>

#include "base/text.h"
#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {

namespace {

constexpr std::string_view kColours = "krgybmcw";
constexpr std::string_view kSides = "nesw";
constexpr std::string_view kArrows = "^>v<";

int indexIn(std::string_view set, char c) {
  size_t i = set.find(c);
  return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

}  // namespace

std::unique_ptr<GridObject> parseCellToken(std::string_view token, bool& robot) {
  robot = false;
  if (token == "#") return std::make_unique<Wall>();
  if (token == ".") return std::make_unique<Floor>();
  if (token == "@") {
    robot = true;
    return std::make_unique<Floor>();
  }
  const char head = token.empty() ? '\0' : token[0];
  const int colour = token.empty() ? -1 : indexIn(kColours, token.back());
  if (token.size() == 2 && colour >= 0) {
    const auto c = static_cast<Colour>(colour);
    if (head == 'L') return std::make_unique<Lens>(c);
    if (head == '\\') return std::make_unique<Mirror>(c, 0);
    if (head == '/') return std::make_unique<Mirror>(c, 1);
    if (indexIn(kArrows, head) >= 0) {
      return std::make_unique<Laser>(c, directionOf(indexIn(kArrows, head)));
    }
  }
  if (token.size() == 3 && head == 'S' && colour >= 0 && indexIn(kSides, token[1]) >= 0) {
    return std::make_unique<Sensor>(static_cast<Colour>(colour), directionOf(indexIn(kSides, token[1])));
  }
  if (token.size() == 2 && head == 'T' && indexIn(kSides, token[1]) >= 0) {
    return std::make_unique<TMirror>(directionOf(indexIn(kSides, token[1])));
  }
  return nullptr;
}

namespace {

std::vector<std::string> splitBlanks(std::string_view line) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !isBlank(line[i])) ++i;
    if (i > start) tokens.emplace_back(line.substr(start, i - start));
  }
  return tokens;
}

std::vector<std::pair<int, std::vector<std::string>>> readRows(std::string_view text) {
  std::vector<std::pair<int, std::vector<std::string>>> rows;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    std::string line = trimBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    rows.emplace_back(lineNumber, splitBlanks(line));
  }
  return rows;
}

}  // namespace

std::string formatCellToken(const GridObject& object, bool robot) {
  switch (object.kind()) {
    case ObjectKind::Floor: return robot ? "@" : ".";
    case ObjectKind::Wall: return "#";
    case ObjectKind::Lens:
      return std::string("L") + kColours[static_cast<const Lens&>(object).colour()];
    case ObjectKind::Mirror: {
      const auto& m = static_cast<const Mirror&>(object);
      return std::string(m.orientation() ? "/" : "\\") + kColours[m.colour()];
    }
    case ObjectKind::Laser: {
      const auto& l = static_cast<const Laser&>(object);
      return std::string(1, kArrows[l.direction()]) + kColours[l.colour()];
    }
    case ObjectKind::Sensor: {
      const auto& s = static_cast<const Sensor&>(object);
      return std::string("S") + kSides[s.facing()] + kColours[s.colour()];
    }
    case ObjectKind::TMirror:
      return std::string("T") + kSides[static_cast<const TMirror&>(object).orientation()];
  }
  return "?";
}

bool parseLevelText(std::string_view text, LevelGrid& grid, std::string& error) {
  const auto rows = readRows(text);
  if (rows.empty()) {
    error = "the level has no rows";
    return false;
  }
  const size_t width = rows.front().second.size();
  if (rows.size() > 255 || width > 255) {
    error = "a level has at most 255 rows and 255 columns";
    return false;
  }
  grid.close();
  grid.beginLevel(static_cast<int32_t>(width), static_cast<int32_t>(rows.size()));
  for (size_t y = 0; y < rows.size(); ++y) {
    const auto& [lineNumber, tokens] = rows[y];
    if (tokens.size() != width) {
      error = "line " + std::to_string(lineNumber) + ": " + std::to_string(tokens.size()) +
              " cells where the first row has " + std::to_string(width);
      grid.close();
      return false;
    }
    for (size_t x = 0; x < width; ++x) {
      bool robot = false;
      std::unique_ptr<GridObject> object = parseCellToken(tokens[x], robot);
      if (!object) {
        error = "line " + std::to_string(lineNumber) + ": unknown cell \"" + tokens[x] + "\"";
        grid.close();
        return false;
      }
      if (robot) grid.setStart(static_cast<int32_t>(x), static_cast<int32_t>(y));
      grid.appendCell(std::move(object));
    }
  }
  grid.markLoaded();
  return true;
}

std::string formatLevelText(const LevelGrid& grid) {
  std::string out;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const bool robot = grid.start() == Position{x, y};
      std::string cell = formatCellToken(grid.cell(x, y), robot);
      if (x > 0) out += ' ';
      out += cell;
    }
    out += '\n';
  }
  return out;
}

}  // namespace trelux
