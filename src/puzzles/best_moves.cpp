#include "puzzles/best_moves.h"

#include <cstdio>

#include "base/text.h"
#include "doc/keyed_document.h"
#include "doc/own_file.h"

namespace trelux {

namespace {

// FNV-1a: any change of the bytes changes it, for all practical purposes.
std::string hashOf(const std::string& bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) h = (h ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

std::string keyOf(const LevelIdentity& level) { return "level" + std::to_string(level.level + 1); }

// A line that does not read is skipped and the others kept: one damaged
// line must not lose every best.
void configure(KeyedDocument& doc) {
  doc.setSectionCase(SectionNames::LowerCase);
  doc.setNameCase(KeepCase::Neither);
  doc.setLenient(true);
}

// The stored moves when the value is "moves hash" with this level's hash.
std::optional<int32_t> movesIn(const std::string& value, const LevelIdentity& level) {
  const size_t blank = value.find(' ');
  if (blank == std::string::npos || value.substr(blank + 1) != hashOf(level.levelBytes)) return std::nullopt;
  const std::string moves = value.substr(0, blank);
  if (moves.empty() || moves.size() > 9) return std::nullopt;
  for (char c : moves) {
    if (!isAsciiDigit(c)) return std::nullopt;
  }
  return std::stoi(moves);
}

// A name that would break the document's lines is not stored.
bool isStorable(const std::string& setFile) {
  if (setFile.empty()) return false;
  for (char c : setFile) {
    if (c == '\n' || c == '\r' || c == '[' || c == ']') return false;
  }
  return true;
}

}  // namespace

std::optional<int32_t> BestMoves::best(const LevelIdentity& level) const {
  KeyedDocument doc;
  configure(doc);
  if (!isStorable(level.setFile) || loadOwnFile(doc, path_) != OwnFile::Loaded) return std::nullopt;
  if (!doc.hasKey(level.setFile, keyOf(level))) return std::nullopt;
  return movesIn(doc.getValue(level.setFile, keyOf(level)), level);
}

std::vector<std::optional<int32_t>> BestMoves::bestsOf(
    const std::string& setFile, const std::vector<std::string>& levelBytes) const {
  std::vector<std::optional<int32_t>> found(levelBytes.size());
  KeyedDocument doc;
  configure(doc);
  if (!isStorable(setFile) || loadOwnFile(doc, path_) != OwnFile::Loaded) return found;
  for (size_t index = 0; index < levelBytes.size(); ++index) {
    const LevelIdentity level{setFile, static_cast<int32_t>(index), levelBytes[index]};
    if (doc.hasKey(setFile, keyOf(level)))
      found[index] = movesIn(doc.getValue(setFile, keyOf(level)), level);
  }
  return found;
}

BestMoves::Outcome BestMoves::record(const LevelIdentity& level, int32_t moves) const {
  Outcome outcome;
  if (!isStorable(level.setFile) || moves < 0) return outcome;
  KeyedDocument doc;
  configure(doc);
  // A file that is there but cannot be read (locked by another program) is
  // never replaced by the one best known now.
  const OwnFile file = loadOwnFile(doc, path_);
  if (file == OwnFile::Unreadable) {
    outcome.newBest = true;
    return outcome;
  }
  if (doc.hasKey(level.setFile, keyOf(level))) {
    outcome.previous = movesIn(doc.getValue(level.setFile, keyOf(level)), level);
  }
  outcome.newBest = !outcome.previous || moves < *outcome.previous;
  if (!outcome.newBest) return outcome;
  doc.addSection(level.setFile);
  doc.setValue(level.setFile, keyOf(level), std::to_string(moves) + " " + hashOf(level.levelBytes));
  outcome.saved = doc.saveFile(path_);
  return outcome;
}

}  // namespace trelux
