// The keyed document's text format: one level of "[section]" headers,
// "key = value" lines and whole-line ";" comments. No quoting, escapes or
// continuation lines. Lines end in CR LF on disk; the reader splits at LF
// and trims, so LF-only files read the same.
#include <string>
#include <string_view>

#include "base/files.h"
#include "base/text.h"
#include "doc/keyed_document.h"

namespace trelux {

namespace {

constexpr bool isKeyChar(char c) { return isAsciiLetter(c) || isAsciiDigit(c); }

// A key line holds a letter or digit, then "=", then a graphic character
// other than "=". Anything else (a bare "=", an empty value) is not one.
bool isKeyLine(std::string_view line) {
  bool key = false;
  bool separator = false;
  for (char c : line) {
    if (!separator && isKeyChar(c)) {
      key = true;
    } else if (c == '=') {
      if (key) separator = true;
    } else if (separator && isGraphic(c)) {
      return true;
    }
  }
  return false;
}

std::string withCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

// Parses into a fresh table so that a failed parse leaves the document alone.
class KeyedDocument::Parser {
 public:
  explicit Parser(const KeyedDocument& doc) : doc_(doc) {}

  bool parse(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      if (!parseLine(trimBlanks(text.substr(pos, end - pos)))) return false;
      pos = end + 1;
    }
    return true;
  }

  std::unique_ptr<SectionTable> take() { return std::move(table_); }
  bool hitLimit() const { return limitHit_; }

 private:
  bool parseLine(const std::string& line) {
    if (line.empty() || line.front() == ';') return true;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current_ = doc_.normalSection(line.substr(1, line.size() - 2));
      headerSeen_ = true;
      return section() != nullptr;
    }
    if (isKeyLine(line)) {
      if (!headerSeen_ && !doc_.lenient_) return false;
      size_t eq = line.find('=');
      std::string key = doc_.normalKey(trimBlanks(std::string_view(line).substr(0, eq)));
      std::string value = doc_.normalValue(trimBlanks(std::string_view(line).substr(eq + 1)));
      SectionEntry* entry = section();
      if (!entry) return false;
      KeyEntry* found = entry->keys.find(key);
      if (!found && entry->keys.size() >= doc_.maxKeys_) return limitHit();
      (found ? *found : entry->keys.append(std::move(key))).value = std::move(value);
      return true;
    }
    return doc_.lenient_;
  }

  // The current section, added if new; null beyond the limit.
  SectionEntry* section() {
    if (SectionEntry* entry = table_->find(current_)) return entry;
    if (table_->size() >= doc_.maxSections_) return limitHit(), nullptr;
    return &table_->append(current_);
  }

  bool limitHit() {
    limitHit_ = true;
    return false;
  }

  const KeyedDocument& doc_;
  std::unique_ptr<SectionTable> table_ = std::make_unique<SectionTable>();
  std::string current_;
  bool headerSeen_ = false;
  bool limitHit_ = false;
};

bool KeyedDocument::loadText(std::string_view text) {
  Parser parser(*this);
  const bool parsed = parser.parse(text);
  limitHit_ = parser.hitLimit();
  if (!parsed) return false;
  sections_ = parser.take();
  return true;
}

std::string KeyedDocument::toText() const {
  std::string out;
  if (!sections_) return out;
  sections_->forEach([&](const SectionEntry& section) {
    if (sectionMode_ != SectionNames::Single) out += "[" + section.name + "]\n\n";
    section.keys.forEach([&](const KeyEntry& key) { out += key.name + " = " + key.value + "\n"; });
    out += "\n";
  });
  return out;
}

bool KeyedDocument::loadFile(const std::string& path) {
  std::optional<std::string> bytes = readTextFile(path);
  return bytes && loadText(*bytes);
}

// A save that fails halfway (a full disk) keeps the old file whole.
bool KeyedDocument::saveFile(const std::string& path) const {
  return replaceFileContents(path, withCrLf(toText()));
}

}  // namespace trelux
