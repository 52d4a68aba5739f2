// The list of downloaded sets, ".\levels\download.guid": a keyed document
// whose section "webguids" holds one key per downloaded set's guid (value
// "true"). Section names are kept as written; keys and values lower-cased,
// so guids are compared and stored lower-cased.
#pragma once

#include <string>

namespace trelux {

inline constexpr const char* kDownloadListFile = ".\\levels\\download.guid";

enum class DownloadAnswer {
  Download,       // a set not downloaded before
  AskFirst,       // downloaded before: ask the repeated-download question
  ListUnreadable  // the list exists but cannot be read: download nothing
};

// A guid the list can hold: one that reads back as the same key. Others
// (empty, blanks, "=", no letter or digit) would not read back once saved,
// so such sets are neither asked about nor recorded.
bool isRecordableGuid(const std::string& guid);
// A list that is missing, or lacks its section, is created with the empty
// section first, so that "Download" works on a fresh installation.
DownloadAnswer repeatedDownloadCheck(const std::string& guid);
// Records the guid (nothing for one that is not recordable); throws an
// InternetError when the list cannot be read, changed or saved.
void recordGuid(const std::string& guid);

}  // namespace trelux
