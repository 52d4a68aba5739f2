// The open level file ("levels.dat") of one puzzle set: a 23-byte header
// (progress, completion code) followed by level records. Each record is a
// marker byte (0xFF live, 0xFE deleted) and a fixed space of levelCapacity
// bytes, so a level can be rewritten in place and found again by scanning for
// markers. The file is reopened for every operation; positions of the records
// found so far are remembered, so each is scanned for once per open file.
// A set can also be held in memory (the fuzzer's bytes): then the same code
// reads and writes a stream buffer instead of the file.
#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>
#include <vector>

namespace trelux {

class LevelGrid;

constexpr uint8_t kLiveMarker = 0xFF;
constexpr uint8_t kDeletedMarker = 0xFE;
constexpr uint8_t kCodeFlag = 0xFD;
constexpr int kHeaderSize = 23;
constexpr int kMaxCodeLength = 20;
// Twice the cells of the largest grid (22 x 22) plus 2083.
constexpr int kLevelCapacity = 2 * 22 * 22 + 2083;

class PuzzleSetFile {
 public:
  bool open(const std::string& path);
  // Opens the set whose bytes a buffer holds (a std::stringbuf, say); writes
  // change the buffer, which must outlive the open set.
  bool openBuffer(std::streambuf& bytes);
  void close();
  // Closes the set and forgets it (path, records, progress, code): a closed
  // set keeps its path, and an open of that path would answer at once.
  void forget();
  bool seekLevel(int32_t index);
  bool readLevel(LevelGrid& grid);
  bool writeLevel(const LevelGrid& grid);
  bool appendLevel();
  bool deleteLevel();
  bool isLastLevel();
  // Live levels: seeks 0, 1, 2, ... until one fails, which also indexes them.
  int32_t countLevels();
  bool createSetFile(const std::string& path);

  int32_t currentLevel() const { return current_; }
  uint8_t progress() const { return progress_; }
  bool setProgress(uint8_t value);
  bool hasCompletionCode() const { return hasCode_; }
  std::string completionCode() const { return code_; }
  bool setCompletionCode(bool enabled, std::string code);
  const std::string& path() const { return path_; }

 private:
  bool isSetOpen() const { return memory_ != nullptr || !path_.empty(); }
  bool reopen();
  bool readHeader();
  bool readCodeBlock();
  // Reads bytes until a live marker; records the position after it.
  bool findNextMarker();
  bool padLastRecord();
  bool appendDefaultLevel();

  std::filebuf file_;
  std::streambuf* memory_ = nullptr;
  // Reads and writes whichever of the two holds the set.
  std::iostream stream_{nullptr};
  bool writable_ = false;
  int32_t current_ = -1;
  uint8_t progress_ = 0;
  std::string path_;
  bool hasCode_ = false;
  std::string code_;
  std::vector<std::streamoff> records_;
};

}  // namespace trelux
