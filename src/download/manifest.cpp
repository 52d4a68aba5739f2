#include "download/manifest.h"

#include <optional>

#include "base/files.h"
#include "doc/keyed_document.h"
#include "download/download_messages.h"
#include "download/internet_error.h"

namespace trelux {

namespace {

[[noreturn]] void refuse(const std::string& detail) {
  throw InternetError{detail, kManifestMessage};
}

}  // namespace

void configureManifest(KeyedDocument& doc) {
  doc.setLenient(false);
  doc.setNameCase(KeepCase::Values);
  doc.setSectionCase(SectionNames::LowerCase);
  doc.setLoadLimits(kMaxManifestSets, kMaxSetKeys);
}

void readManifest(KeyedDocument& doc, const std::string& file, bool complete) {
  configureManifest(doc);
  const std::optional<std::string> text = readTextFile(file);
  if (!text || !complete || text->size() > kMaxManifestSize || !doc.loadText(*text)) {
    if (doc.loadHitLimit()) {
      throw InternetError{"The manifest list is too long.",
                          withReason(kManifestMessage, kLongManifestReason)};
    }
    refuse("Couldn't parse the manifest list.");
  }
  for (const std::string& section : doc.sectionNames()) {
    if (!doc.hasKey(section, "path")) refuse("Group " + section + " has no path.");
    if (!doc.hasKey(section, "name")) refuse("Group " + section + " has no name.");
  }
}

std::vector<ManifestSet> manifestSets(const KeyedDocument& doc) {
  std::vector<ManifestSet> sets;
  for (const std::string& section : doc.sectionNames()) {
    sets.push_back({doc.getValue(section, "name"), doc.getValue(section, "path"),
                    doc.getValue(section, "author"), doc.getValue(section, "date"),
                    doc.getValue(section, "guid")});
  }
  return sets;
}

}  // namespace trelux
