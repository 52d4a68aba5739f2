#include "installer/uninstall_list.h"

#include "base/files.h"

namespace trelux {
namespace {

void addLine(std::string& text, const char* kind, const std::string& value) {
  if (!value.empty()) text += std::string(kind) + " " + value + "\r\n";
}

}  // namespace

std::string uninstallListText(const UninstallList& list) {
  std::string text;
  addLine(text, "subkey", list.subkey);
  addLine(text, "shortcut", list.shortcut);
  for (const std::string& file : list.files) addLine(text, "file", file);
  for (const std::string& folder : list.folders) addLine(text, "folder", folder);
  return text;
}

UninstallList parseUninstallList(std::string_view text) {
  UninstallList list;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = end + 1;
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 1 == line.size()) continue;
    const std::string_view kind = line.substr(0, space);
    const std::string value(line.substr(space + 1));
    if (kind == "subkey") list.subkey = value;
    else if (kind == "shortcut") list.shortcut = value;
    else if (kind == "file") list.files.push_back(value);
    else if (kind == "folder") list.folders.push_back(value);
  }
  return list;
}

void removeListed(const UninstallList& list) {
  for (const std::string& file : list.files) removeFile(file);
  if (!list.shortcut.empty()) removeFile(list.shortcut);
  for (auto it = list.folders.rbegin(); it != list.folders.rend(); ++it) removeFolder(*it);
}

}  // namespace trelux
