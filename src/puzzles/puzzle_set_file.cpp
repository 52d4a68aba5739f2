#include "puzzles/puzzle_set_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "base/byte_io.h"
#include "base/files.h"
#include "base/host_path.h"
#include "base/text.h"
#include "puzzles/default_level.h"
#include "world/level_codec.h"
#include "world/level_grid.h"

namespace trelux {

// ---- Opening and the header --------------------------------------------------

// Read-write when allowed; a read-only file still opens, so its levels can be
// played, and only the writes fail. A set in memory is rewound, as a file
// opened afresh would be.
bool PuzzleSetFile::reopen() {
  if (memory_) {
    stream_.rdbuf(memory_);
    return memory_->pubseekpos(0) == 0;
  }
  file_.close();
  const std::filesystem::path host = hostFsPath(path_);
  writable_ = file_.open(host, std::ios::in | std::ios::out | std::ios::binary) != nullptr;
  if (!writable_) file_.open(host, std::ios::in | std::ios::binary);
  stream_.rdbuf(&file_);
  return file_.is_open();
}

void PuzzleSetFile::close() { file_.close(); }

void PuzzleSetFile::forget() {
  close();
  memory_ = nullptr;
  stream_.rdbuf(nullptr);
  writable_ = false;
  current_ = -1;
  progress_ = 0;
  path_.clear();
  hasCode_ = false;
  code_.clear();
  records_.clear();
}

// A new object has no path yet, so open("") is not taken for "already open".
bool PuzzleSetFile::open(const std::string& path) {
  if (!path_.empty() && equalsIgnoreAsciiCase(path, path_)) return true;
  close();
  records_.clear();
  memory_ = nullptr;
  path_ = path;
  return reopen() && readHeader();
}

bool PuzzleSetFile::openBuffer(std::streambuf& bytes) {
  close();
  records_.clear();
  path_.clear();
  memory_ = &bytes;
  writable_ = true;
  return reopen() && readHeader();
}

bool PuzzleSetFile::readHeader() {
  std::optional<uint8_t> progress = readByte(stream_);
  if (!progress) return false;
  progress_ = *progress;
  return readCodeBlock();
}

bool PuzzleSetFile::readCodeBlock() {
  hasCode_ = false;
  code_.clear();
  stream_.clear();
  stream_.seekg(1);
  std::optional<uint8_t> flag = readByte(stream_);
  if (!flag) return false;
  if (*flag != kCodeFlag) return true;
  std::string code;
  for (;;) {
    std::optional<uint8_t> b = readByte(stream_);
    if (!b) return false;
    if (*b == 0) break;
    code += static_cast<char>(*b ^ 0xFF);
  }
  hasCode_ = true;
  code_ = std::move(code);
  return true;
}

bool PuzzleSetFile::setProgress(uint8_t value) {
  progress_ = value;
  if (!reopen()) return false;
  stream_.seekp(0);
  stream_.put(static_cast<char>(value));
  stream_.flush();
  return static_cast<bool>(stream_);
}

// The code is stored XOR 0xFF in 20 bytes at offset 2, zero-filled, so none
// of its characters becomes a 0x00 terminator or a 0xFF marker.
bool PuzzleSetFile::setCompletionCode(bool enabled, std::string code) {
  if (!enabled) code.clear();
  hasCode_ = enabled;
  code_ = code;
  if (!isSetOpen() || !reopen()) return false;
  std::string block(1 + kMaxCodeLength + 1, '\0');
  block[0] = static_cast<char>(enabled ? kCodeFlag : 0);
  for (size_t i = 0; i < code.size() && i < kMaxCodeLength; ++i) {
    block[1 + i] = static_cast<char>(static_cast<uint8_t>(code[i]) ^ 0xFF);
  }
  stream_.seekp(1);
  stream_.write(block.data(), static_cast<std::streamsize>(block.size()));
  stream_.flush();
  return static_cast<bool>(stream_);
}

// ---- Finding levels ----------------------------------------------------------

bool PuzzleSetFile::findNextMarker() {
  for (;;) {
    std::optional<uint8_t> b = readByte(stream_);
    if (!b) return false;
    if (*b == kLiveMarker) {
      records_.push_back(stream_.tellg());
      return true;
    }
  }
}

// Scans start after the header, so neither a progress of 255 nor a header
// byte can pass for a level marker.
bool PuzzleSetFile::seekLevel(int32_t index) {
  if (index < 0 || !isSetOpen() || !reopen()) return false;
  const auto wanted = static_cast<size_t>(index);
  if (wanted >= records_.size()) {
    stream_.seekg(records_.empty() ? std::streamoff(kHeaderSize) : records_.back());
    while (records_.size() <= wanted) {
      if (!findNextMarker()) return false;
    }
  }
  stream_.clear();
  stream_.seekg(records_[wanted]);
  current_ = index;
  return static_cast<bool>(stream_);
}

bool PuzzleSetFile::isLastLevel() {
  if (!seekLevel(current_)) return false;
  for (;;) {
    std::optional<uint8_t> b = readByte(stream_);
    if (!b) return !stream_.bad();
    if (*b == kLiveMarker) return false;
  }
}

// ---- Reading and writing levels ------------------------------------------------

bool PuzzleSetFile::readLevel(LevelGrid& grid) {
  if (!memory_ && !file_.is_open()) return false;
  return grid.read(stream_);
}

// Rewrites the content in place; bytes of an older, longer content behind it
// stay, and the marker scan passes over them. A content too long for its
// record is refused: it would overwrite the marker of the level behind it.
bool PuzzleSetFile::writeLevel(const LevelGrid& grid) {
  if (!grid.isLoaded() || !seekLevel(current_) || !writable_) return false;
  std::ostringstream content;
  if (!writeLevelContent(content, grid) || content.str().size() > kLevelCapacity) return false;
  const std::string bytes = content.str();
  stream_.seekp(records_[static_cast<size_t>(current_)]);
  stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  stream_.flush();
  return static_cast<bool>(stream_);
}

// Fills the last record up to its capacity with "Q", so that the level
// appended behind it gets a record of its own.
bool PuzzleSetFile::padLastRecord() {
  const std::streamoff start = records_[static_cast<size_t>(current_)];
  stream_.clear();
  stream_.seekg(0, std::ios::end);
  const std::streamoff present = std::min<std::streamoff>(stream_.tellg() - start, kLevelCapacity);
  stream_.seekp(start + present);
  const std::string filler(static_cast<size_t>(kLevelCapacity - present), 'Q');
  stream_.write(filler.data(), static_cast<std::streamsize>(filler.size()));
  return static_cast<bool>(stream_);
}

bool PuzzleSetFile::appendDefaultLevel() {
  stream_.clear();
  stream_.seekp(0, std::ios::end);
  const std::string record = defaultLevelRecord();
  stream_.write(record.data(), static_cast<std::streamsize>(record.size()));
  stream_.flush();
  return static_cast<bool>(stream_);
}

int32_t PuzzleSetFile::countLevels() {
  int32_t count = 0;
  while (seekLevel(count)) ++count;
  return count;
}

bool PuzzleSetFile::appendLevel() {
  if (!isSetOpen() || !reopen()) return false;
  const int32_t count = countLevels();
  // A file without levels (a new one) has no record to fill up.
  if (count > 0 && !(seekLevel(count - 1) && padLastRecord())) return false;
  if (!reopen() || !appendDefaultLevel()) return false;
  return seekLevel(count);
}

bool PuzzleSetFile::deleteLevel() {
  if (!seekLevel(current_) || !writable_) return false;
  const auto index = static_cast<size_t>(current_);
  stream_.seekp(records_[index] - 1);
  stream_.put(static_cast<char>(kDeletedMarker));
  stream_.flush();
  if (!stream_) return false;
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

// ---- A new file --------------------------------------------------------------

bool PuzzleSetFile::createSetFile(const std::string& path) {
  if (!writeFileBytes(path, {})) return false;
  close();
  path_.clear();
  open(path);  // reading the header of an empty file fails; that is expected
  progress_ = 0;
  if (!reopen()) return false;
  stream_.seekp(0);
  stream_.put('\0');
  bool ok = static_cast<bool>(stream_) && setCompletionCode(false, {}) && appendLevel();
  close();
  return ok;
}

}  // namespace trelux
