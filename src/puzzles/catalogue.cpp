#include "puzzles/catalogue.h"

#include <cstdio>

#include "base/files.h"
#include "base/text.h"
#include "doc/keyed_document.h"
#include "doc/name_hash.h"

namespace trelux {

namespace {

constexpr const char* kScanFolder = ".\\levels\\";
constexpr const char* kSection = "trelux";
constexpr const char* kExtension = ".trelux";

void configureForDescriptor(KeyedDocument& doc) {
  doc.setNameCase(KeepCase::Values);
  doc.setSectionCase(SectionNames::LowerCase);
}

// Windows matches "*.trelux" ignoring case.
bool isDescriptorName(const std::string& fileName) {
  const std::string ext = kExtension;
  return fileName.size() >= ext.size() &&
         equalsIgnoreAsciiCase(fileName.substr(fileName.size() - ext.size()), ext);
}

}  // namespace

bool readDescriptor(const std::string& descriptorFile, PuzzleSetEntry& entry) {
  KeyedDocument doc;
  configureForDescriptor(doc);
  if (!doc.loadFile(descriptorFile)) return false;
  if (!doc.hasKey(kSection, "path") || !doc.hasKey(kSection, "locked") ||
      !doc.hasKey(kSection, "name")) {
    return false;
  }
  entry.unlocked = toLowerAscii(doc.getValue(kSection, "locked")) != "true";
  entry.folder = doc.getValue(kSection, "path");
  entry.name = doc.getValue(kSection, "name");
  entry.descriptorFile = descriptorFile;
  return true;
}

bool writeDescriptor(const PuzzleSetEntry& entry) {
  KeyedDocument doc;
  configureForDescriptor(doc);
  const bool stored = doc.addSection(kSection) && doc.setValue(kSection, "path", entry.folder) &&
                      doc.setValue(kSection, "locked", entry.unlocked ? "false" : "true") &&
                      doc.setValue(kSection, "name", entry.name);
  return stored && doc.saveFile(entry.descriptorFile);
}

void scanPuzzleSets(std::vector<PuzzleSetEntry>& list, bool includeLocked) {
  for (const std::string& fileName : folderEntries(kScanFolder)) {
    if (!isDescriptorName(fileName)) continue;
    PuzzleSetEntry entry;
    if (!readDescriptor(kScanFolder + fileName, entry)) continue;
    if (entry.unlocked || includeLocked) list.push_back(std::move(entry));
  }
}

bool hasPuzzleSets(bool includeLocked) {
  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, includeLocked);
  return !list.empty();
}

bool isPuzzleSetNameFree(const std::string& name) {
  const std::string wanted = toLowerAscii(trimBlanks(name));
  std::vector<PuzzleSetEntry> list;
  scanPuzzleSets(list, true);
  for (const PuzzleSetEntry& entry : list) {
    if (toLowerAscii(entry.name) == wanted) return false;
  }
  return true;
}

bool setPuzzleSetLocked(const std::string& descriptorFile, bool locked) {
  PuzzleSetEntry entry;
  if (!readDescriptor(descriptorFile, entry)) return false;
  entry.unlocked = !locked;
  return writeDescriptor(entry);
}

std::string makeSetBaseName(const std::string& name) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(nameHash(name)));
  std::string base = hex;
  while (canOpenForReading(".\\Levels\\" + base + kExtension)) base += 'x';
  return base;
}

}  // namespace trelux
