#include "base/files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/host_path.h"

namespace trelux {

namespace fs = std::filesystem;

namespace {

// A folder is no file: Windows refuses to open one, while other hosts open it
// without complaint, so it is turned away here to answer alike everywhere.
std::ifstream openFile(const std::string& path) {
  const fs::path host = hostFsPath(path);
  std::error_code ec;
  if (fs::is_directory(host, ec)) return std::ifstream();
  return std::ifstream(host, std::ios::binary);
}

std::string folderOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".\\") : path.substr(0, slash + 1);
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path) {
  std::ifstream in = openFile(path);
  if (!in.is_open()) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(hostFsPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

std::optional<std::string> readTextFile(const std::string& path) {
  std::optional<std::string> bytes = readFileBytes(path);
  if (bytes) bytes->resize(std::min(bytes->size(), bytes->find('\x1A')));
  return bytes;
}

bool canOpenForReading(const std::string& path) { return openFile(path).is_open(); }

bool pathExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(hostFsPath(path), ec));
}

bool isFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(hostFsPath(path), ec);
}

bool copyFileBytes(const std::string& from, const std::string& to) {
  std::optional<std::string> bytes = readFileBytes(from);
  return bytes && writeFileBytes(to, *bytes);
}

bool replaceFileContents(const std::string& target, std::string_view bytes) {
  const std::string temp = createUniqueFile(folderOf(target), "_sav");
  if (temp.empty()) return false;
  if (writeFileBytes(temp, bytes) && renameFile(temp, target)) return true;
  removeFile(temp);
  return false;
}

bool replaceFileWithCopy(const std::string& from, const std::string& target) {
  std::optional<std::string> bytes = readFileBytes(from);
  return bytes && replaceFileContents(target, *bytes);
}

bool renameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(hostFsPath(from), hostFsPath(to), ec);
  return !ec;
}

bool removeFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(hostFsPath(path), ec) && !ec;
}

bool createFolder(const std::string& path) {
  std::error_code ec;
  return fs::create_directory(hostFsPath(path), ec) && !ec;
}

bool createFolders(const std::string& path, std::string* reason) {
  std::error_code ec;
  fs::create_directories(hostFsPath(path), ec);
  if (!ec && !isFolder(path)) ec = std::make_error_code(std::errc::not_a_directory);
  if (ec && reason) *reason = ec.message();
  return !ec;
}

bool removeFolder(const std::string& path) {
  std::error_code ec;
  return fs::remove(hostFsPath(path), ec) && !ec;
}

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(hostFsPath(folder.empty() ? "." : folder), ec), end;
       !ec && it != end; it.increment(ec)) {
    names.push_back(ansiName(it->path().filename()));
  }
  return names;
}

bool changeCurrentFolder(const std::string& path) {
  std::error_code ec;
  fs::current_path(hostFsPath(path), ec);
  return !ec;
}

// The folder to return to is kept as the system gave it, never narrowed.
bool canEnterFolder(const std::string& path) {
  std::error_code ec;
  const fs::path previous = fs::current_path(ec);
  if (ec || !changeCurrentFolder(path)) return false;
  fs::current_path(previous, ec);
  return true;
}

std::string createUniqueFile(const std::string& folder, std::string_view prefix) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
  // Start from the clock, as the Windows service does, and count up from there.
  auto seed = static_cast<unsigned>(
      std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFF);
  for (unsigned attempt = 0; attempt < 0x10000; ++attempt) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", (seed + attempt) & 0xFFFF);
    std::string candidate = base + std::string(prefix) + digits + ".tmp";
    std::error_code ec;
    if (fs::exists(hostFsPath(candidate), ec)) continue;
    if (ec) return {};
    if (writeFileBytes(candidate, {})) return candidate;
    return {};
  }
  return {};
}

}  // namespace trelux
