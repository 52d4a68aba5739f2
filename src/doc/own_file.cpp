#include "doc/own_file.h"

#include <optional>
#include <string_view>

#include "base/files.h"
#include "doc/keyed_document.h"

namespace trelux {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

OwnFile loadOwnFile(KeyedDocument& doc, const std::string& path) {
  if (!pathExists(path)) return OwnFile::Missing;
  const std::optional<std::string> bytes = readTextFile(path);
  if (!bytes) return OwnFile::Unreadable;
  std::string_view text = *bytes;
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) text.remove_prefix(kUtf8Mark.size());
  return doc.loadText(text) ? OwnFile::Loaded : OwnFile::Unreadable;
}

}  // namespace trelux
