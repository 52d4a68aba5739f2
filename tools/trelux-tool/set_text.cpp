#include "set_text.h"

#include <memory>
#include <optional>
#include <sstream>

#include "base/files.h"
#include "description_text.h"
#include "download/download_list.h"
#include "puzzles/level_text.h"
#include "world/level_codec.h"
#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux::tool {

namespace {

// ---- Lines and tokens ------------------------------------------------------------

struct Token {
  std::string text;
  int column = 0;  // 1-based
};

std::vector<Token> tokensOf(std::string_view line) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) tokens.push_back({std::string(line.substr(start, i - start)), static_cast<int>(start) + 1});
  }
  return tokens;
}

std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

// ---- The parser --------------------------------------------------------------------

struct Row {
  int line = 0;
  std::vector<Token> cells;
  int endColumn = 0;  // just after the row's last character
};

struct PendingLevel {
  int line = 0;
  std::optional<std::string> description;
  std::string solution;
  std::vector<Row> rows;
};

class SetParser {
 public:
  SetParser(const std::string& fileName, SetSource& set) : file_(fileName), set_(set) {}

  bool parse(std::string_view text) {
    const auto lines = linesOf(text);
    for (size_t i = 0; i < lines.size(); ++i) {
      if (!parseLine(lines[i], static_cast<int>(i) + 1)) return false;
    }
    if (!finishLevel()) return false;
    if (set_.name.empty()) return fail(1, 1, "the file names no set: add a line \"set: NAME\"");
    if (set_.levels.empty()) return fail(static_cast<int>(lines.size()), 1, "the set has no level");
    return true;
  }

  std::string error;

 private:
  bool fail(int line, int column, const std::string& what) {
    error = file_ + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + what;
    return false;
  }

  bool parseLine(std::string_view line, int number) {
    std::vector<Token> tokens = tokensOf(line);
    if (tokens.empty() || tokens[0].text[0] == ';') return true;
    const std::string& head = tokens[0].text;
    if (head.back() != ':') return addRow(tokens, number, static_cast<int>(line.size()) + 1);
    const size_t valueStart = static_cast<size_t>(tokens[0].column - 1) + head.size();
    std::string_view value = line.substr(valueStart);
    if (!value.empty() && value[0] == ' ') value.remove_prefix(1);
    const int valueColumn = static_cast<int>(line.size() - value.size()) + 1;
    return parseField(head, value, number, valueColumn, tokens[0].column);
  }

  bool parseField(const std::string& key, std::string_view value, int line, int column, int keyColumn) {
    if (key == "level:") return startLevel(line);
    if (key == "set:" || key == "code:" || key == "author:" || key == "guid:") {
      if (level_) return fail(line, keyColumn, "\"" + key + "\" belongs before the first level");
      if (key == "author:") return setAuthor(value, line, column);
      if (key == "guid:") return setGuid(value, line, column);
      return key == "set:" ? setName(value, line, column) : setCode(value, line, column);
    }
    if (!level_) return fail(line, keyColumn, "\"" + key + "\" before the first \"level:\" line");
    if (key == "desc:") return addDescription(value, line, column);
    if (key == "solution:") return setSolution(value, line, column);
    return fail(line, keyColumn, "unknown field \"" + key + "\"; fields are set:, code:, author:, guid:, level:, desc: and solution:");
  }

  bool setName(std::string_view value, int line, int column) {
    const std::string name = trimBlanksOf(value);
    if (!set_.name.empty()) return fail(line, column, "the set is named twice");
    if (name.empty()) return fail(line, column, "the set's name is empty");
    // A stray CR or other control byte would not survive the decompiler's
    // text nor the descriptor's line.
    const size_t start = value.find_first_not_of(" \t");
    for (size_t i = 0; i < name.size(); ++i) {
      const auto c = static_cast<unsigned char>(name[i]);
      if (c < ' ' || c == 0x7F) return fail(line, column + static_cast<int>(start + i), "the set's name holds a control character");
    }
    set_.name = name;
    return true;
  }

  // The author goes into the manifest as a value of one line.
  bool setAuthor(std::string_view value, int line, int column) {
    const std::string author = trimBlanksOf(value);
    if (!set_.author.empty()) return fail(line, column, "the author is given twice");
    if (author.empty()) return fail(line, column, "the author is empty");
    for (size_t i = 0; i < author.size(); ++i) {
      const auto c = static_cast<unsigned char>(author[i]);
      if (c < ' ' || c == 0x7F) return fail(line, column + static_cast<int>(i), "the author holds a control character");
    }
    set_.author = author;
    return true;
  }

  // The guid becomes a key of the game's list of downloaded sets, so it
  // keeps to what such a key can hold.
  bool setGuid(std::string_view value, int line, int column) {
    const std::string guid = trimBlanksOf(value);
    if (!set_.guid.empty()) return fail(line, column, "the guid is given twice");
    if (guid.empty() || guid.size() > kMaxGuid) {
      return fail(line, column, "a guid has 1 to " + std::to_string(kMaxGuid) + " characters");
    }
    for (size_t i = 0; i < guid.size(); ++i) {
      const char c = guid[i];
      const bool fits = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '-' || c == '{' || c == '}';
      if (!fits) return fail(line, column + static_cast<int>(i), "a guid is made of letters, digits, '-', '{' and '}'");
    }
    if (!isRecordableGuid(guid)) return fail(line, column, "a guid holds at least one letter or digit");
    set_.guid = guid;
    return true;
  }

  bool setCode(std::string_view value, int line, int column) {
    const std::string code = trimBlanksOf(value);
    if (set_.code) return fail(line, column, "the completion code is given twice");
    if (code.empty()) return fail(line, column, "the completion code is empty");
    if (code.size() > kMaxCode) {
      return fail(line, column + static_cast<int>(kMaxCode),
                  "the completion code is longer than " + std::to_string(kMaxCode) + " characters");
    }
    for (size_t i = 0; i < code.size(); ++i) {
      if (code[i] < ' ' || code[i] > '~') return fail(line, column + static_cast<int>(i), "a completion code is printable ASCII");
    }
    set_.code = code;
    return true;
  }

  bool addDescription(std::string_view value, int line, int column) {
    if (!level_->rows.empty()) return fail(line, 1, "a level's description comes before its grid");
    std::string text;
    std::string problem;
    int badColumn = 0;
    if (!decodeDescriptionLine(value, text, problem, badColumn)) return fail(line, column + badColumn, problem);
    std::string joined = level_->description ? *level_->description + "\r\n" + text : text;
    if (joined.size() > kMaxDescription) {
      return fail(line, column, "the description is longer than " + std::to_string(kMaxDescription) + " bytes");
    }
    level_->description = std::move(joined);
    return true;
  }

  bool setSolution(std::string_view value, int line, int column) {
    if (!level_->solution.empty()) return fail(line, column, "the level has two solutions");
    const std::string keys = trimBlanksOf(value);
    for (size_t i = 0; i < keys.size(); ++i) {
      if (std::string_view("UDLRS").find(keys[i]) == std::string_view::npos) {
        return fail(line, column + static_cast<int>(i), "solution keys are U, D, L, R and S");
      }
    }
    level_->solution = keys;
    return true;
  }

  bool startLevel(int line) {
    if (!finishLevel()) return false;
    if (set_.levels.size() >= kMaxLevels) return fail(line, 1, "a set holds at most " + std::to_string(kMaxLevels) + " levels");
    level_ = PendingLevel{line, std::nullopt, {}, {}};
    return true;
  }

  bool addRow(const std::vector<Token>& tokens, int line, int endColumn) {
    if (!level_) return fail(line, tokens[0].column, "cells before the first \"level:\" line");
    if (level_->rows.size() >= static_cast<size_t>(kMaxGridSide)) {
      return fail(line, tokens[0].column, "the grid is taller than " + std::to_string(kMaxGridSide) + " rows");
    }
    if (tokens.size() > static_cast<size_t>(kMaxGridSide)) {
      return fail(line, tokens[kMaxGridSide].column, "the grid is wider than " + std::to_string(kMaxGridSide) + " cells");
    }
    level_->rows.push_back({line, tokens, endColumn});
    return true;
  }

  // ---- A finished level: its grid and its checks ----------------------------------

  bool finishLevel() {
    if (!level_) return true;
    PendingLevel level = std::move(*level_);
    level_.reset();
    LevelGrid grid;
    if (!buildGrid(level, grid)) return false;
    grid.setDescription(level.description.has_value(), level.description.value_or(""));
    std::ostringstream content;
    writeLevelContent(content, grid);
    set_.levels.push_back({level.line, content.str(), level.solution});
    return true;
  }

  bool checkShape(const PendingLevel& level) {
    if (level.rows.size() < static_cast<size_t>(kMinGridSide)) {
      return fail(level.line, 1, "the level needs a grid of at least " + std::to_string(kMinGridSide) + " rows");
    }
    const size_t width = level.rows[0].cells.size();
    if (width < static_cast<size_t>(kMinGridSide)) {
      return fail(level.rows[0].line, 1, "the grid needs at least " + std::to_string(kMinGridSide) + " columns");
    }
    for (const Row& row : level.rows) {
      if (row.cells.size() == width) continue;
      const int column = row.cells.size() > width ? row.cells[width].column : row.endColumn;
      return fail(row.line, column, "ragged rows: this row has " + std::to_string(row.cells.size()) +
                                        " cells where the first has " + std::to_string(width));
    }
    return true;
  }

  bool buildGrid(const PendingLevel& level, LevelGrid& grid) {
    if (!checkShape(level)) return false;
    const auto width = static_cast<int32_t>(level.rows[0].cells.size());
    const auto height = static_cast<int32_t>(level.rows.size());
    grid.beginLevel(width, height);
    bool robotFound = false;
    for (int32_t y = 0; y < height; ++y) {
      for (int32_t x = 0; x < width; ++x) {
        const Row& row = level.rows[static_cast<size_t>(y)];
        const Token& token = row.cells[static_cast<size_t>(x)];
        bool robot = false;
        std::unique_ptr<GridObject> object = parseCellToken(token.text, robot);
        if (!object) return fail(row.line, token.column, "unknown cell \"" + token.text + "\"");
        const bool ring = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        if (ring && object->kind() != ObjectKind::Wall) {
          return fail(row.line, token.column, "missing wall ring: the outer cells must all be walls (#)");
        }
        if (robot && robotFound) return fail(row.line, token.column, "a second robot start (@)");
        if (robot) grid.setStart(x, y);
        robotFound = robotFound || robot;
        grid.appendCell(std::move(object));
      }
    }
    if (!robotFound) return fail(level.line, 1, "the level has no robot start (@)");
    grid.markLoaded();
    return true;
  }

  static std::string trimBlanksOf(std::string_view text) {
    size_t a = 0;
    size_t b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
    return std::string(text.substr(a, b - a));
  }

  std::string file_;
  SetSource& set_;
  std::optional<PendingLevel> level_;
};

// ---- Formatting ----------------------------------------------------------------

void formatLevel(const LevelSource& source, size_t index, std::string& out) {
  LevelGrid grid;
  std::istringstream in(source.content);
  out += "\nlevel: " + std::to_string(index + 1) + "\n";
  if (!grid.read(in)) {
    out += "; this level cannot be read\n";
    return;
  }
  if (grid.hasDescription()) {
    for (const std::string& line : encodeDescriptionLines(grid.description())) out += "desc: " + line + "\n";
  }
  if (!source.solution.empty()) out += "solution: " + source.solution + "\n";
  if (!grid.inBounds(grid.start().x, grid.start().y) ||
      grid.cell(grid.start().x, grid.start().y).kind() != ObjectKind::Floor) {
    out += "; the robot starts at column " + std::to_string(grid.start().x) + ", row " +
           std::to_string(grid.start().y) + ", which is not a floor cell\n";
  }
  out += formatLevelText(grid);
}

}  // namespace

bool parseSetText(std::string_view text, const std::string& fileName, SetSource& set, std::string& error) {
  set = SetSource{};
  SetParser parser(fileName, set);
  if (parser.parse(text)) return true;
  error = parser.error;
  set = SetSource{};
  return false;
}

std::string formatSetText(const SetSource& set) {
  std::string out = "set: " + set.name + "\n";
  if (set.code) out += "code: " + *set.code + "\n";
  if (!set.author.empty()) out += "author: " + set.author + "\n";
  if (!set.guid.empty()) out += "guid: " + set.guid + "\n";
  for (size_t i = 0; i < set.levels.size(); ++i) formatLevel(set.levels[i], i, out);
  return out;
}

bool readSetFile(const std::string& path, SetSource& set, std::string& error) {
  const std::optional<std::string> text = readFileBytes(path);
  if (!text) {
    error = "cannot read " + path;
    return false;
  }
  return parseSetText(*text, path, set, error);
}

}  // namespace trelux::tool
