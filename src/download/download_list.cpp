#include "download/download_list.h"

#include "base/files.h"
#include "base/text.h"
#include "doc/keyed_document.h"
#include "doc/own_file.h"
#include "download/download_messages.h"
#include "download/internet_error.h"

namespace trelux {

namespace {

constexpr const char* kSection = "webguids";

// A line that cannot be read is skipped and the other guids kept: one
// spoilt line must neither stop every download nor lose the whole list.
void configure(KeyedDocument& doc) {
  doc.setLenient(true);
  doc.setNameCase(KeepCase::Neither);
  doc.setSectionCase(SectionNames::KeepCase);
}

// Loads the list, creating the file or the section where missing. False
// when a file is there but cannot be read, or the new one cannot be saved.
bool openList(KeyedDocument& doc) {
  configure(doc);
  switch (loadOwnFile(doc, kDownloadListFile)) {
    case OwnFile::Unreadable: return false;  // never replaced by an empty list
    case OwnFile::Loaded:
      if (doc.hasSection(kSection)) return true;
      break;
    case OwnFile::Missing: createFolder(".\\levels\\"); break;
  }
  doc.addSection(kSection);
  return doc.saveFile(kDownloadListFile);
}

[[noreturn]] void fail(const std::string& detail) { throw InternetError{detail, kInstallMessage}; }

}  // namespace

bool isRecordableGuid(const std::string& guid) {
  if (guid.empty() || guid[0] == ';' || guid[0] == '[') return false;
  bool letterOrDigit = false;
  for (char c : guid) {
    if (!isGraphic(c) || c == '=') return false;
    letterOrDigit = letterOrDigit || isAsciiLetter(c) || isAsciiDigit(c);
  }
  return letterOrDigit;
}

DownloadAnswer repeatedDownloadCheck(const std::string& guid) {
  KeyedDocument doc;
  if (!openList(doc)) return DownloadAnswer::ListUnreadable;
  if (!isRecordableGuid(guid)) return DownloadAnswer::Download;
  return doc.hasKey(kSection, guid) ? DownloadAnswer::AskFirst : DownloadAnswer::Download;
}

void recordGuid(const std::string& guid) {
  if (!isRecordableGuid(guid)) return;
  KeyedDocument doc;
  if (!openList(doc)) fail("Couldn't parse the guid list.");
  if (!doc.setValue(kSection, guid, "true")) fail("Couldn't add the guid key.");
  if (!doc.saveFile(kDownloadListFile)) fail("Couldn't save guid list.");
}

}  // namespace trelux
