#include "editor/edit_recovery.h"

#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "base/host_path.h"
#include "base/text.h"
#include "doc/keyed_document.h"

namespace trelux {
namespace {

constexpr const char* kSection = "edits";
constexpr std::string_view kCopyEnd = ".tmp";
constexpr std::string_view kRecordEnd = ".edits";

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         equalsIgnoreAsciiCase(text.substr(text.size() - end.size()), end);
}

std::string withoutEnd(std::string_view path, std::string_view end) {
  return std::string(endsWith(path, end) ? path.substr(0, path.size() - end.size()) : path);
}

std::string recordOf(const std::string& copy) { return withoutEnd(copy, kCopyEnd) + ".edits"; }

struct EditRecord {
  std::string levelFile;
  std::optional<std::time_t> editedAt;
};

std::optional<EditRecord> readRecord(const std::string& copy) {
  KeyedDocument doc;
  if (!doc.loadFile(recordOf(copy)) || !doc.hasKey(kSection, "set")) return std::nullopt;
  EditRecord record{doc.getValue(kSection, "set"), std::nullopt};
  const std::string time = doc.getValue(kSection, "time");
  long long seconds = 0;
  const auto [end, error] = std::from_chars(time.data(), time.data() + time.size(), seconds);
  if (error == std::errc() && end == time.data() + time.size() && !time.empty())
    record.editedAt = static_cast<std::time_t>(seconds);
  return record;
}

// The working copies' and records' names in the folder, gathered before any
// is removed.
std::vector<std::string> namesInFolder() {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(hostPath(kWorkingCopyFolder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (toLowerAscii(name).rfind(kWorkingCopyPrefix, 0) == 0) names.push_back(name);
  }
  return names;
}

}  // namespace

bool writeEditRecord(const std::string& workingCopy, const std::string& levelFile,
                     std::optional<std::time_t> editedAt) {
  KeyedDocument doc;
  doc.addSection(kSection);
  doc.setValue(kSection, "set", levelFile);
  if (editedAt) doc.setValue(kSection, "time", std::to_string(static_cast<long long>(*editedAt)));
  return doc.saveFile(recordOf(workingCopy));
}

void removeWorkingCopy(const std::string& workingCopy) {
  removeFile(workingCopy);
  removeFile(recordOf(workingCopy));
}

std::optional<LeftEdits> findLeftEdits(const std::string& levelFile, const std::string& ownCopy) {
  std::optional<LeftEdits> latest;
  for (const std::string& name : namesInFolder()) {
    const std::string path = kWorkingCopyFolder + name;
    if (endsWith(name, kRecordEnd)) {
      // A record whose copy is gone guards nothing.
      const std::string copy = withoutEnd(path, kRecordEnd) + std::string(kCopyEnd);
      if (!canOpenForReading(copy)) removeFile(path);
      continue;
    }
    if (!endsWith(name, kCopyEnd) || equalsIgnoreAsciiCase(path, ownCopy)) continue;
    const std::optional<EditRecord> record = readRecord(path);
    if (record && !equalsIgnoreAsciiCase(record->levelFile, levelFile)) continue;
    if (!record || !record->editedAt) {
      removeWorkingCopy(path);
    } else if (!latest || *record->editedAt > latest->madeAt) {
      latest = LeftEdits{path, *record->editedAt};
    }
  }
  return latest;
}

std::string restoreQuestion(std::time_t madeAt) {
  char when[64] = "an unknown time";
  if (const std::tm* local = std::localtime(&madeAt))
    std::strftime(when, sizeof when, "%Y-%m-%d at %H:%M", local);
  return std::string("This puzzle set has changes that were never saved, last made on ") + when +
         ".  Do you want to restore them?\n\nIf you answer No, they are discarded.";
}

}  // namespace trelux
