// The fewest moves with which each level was won, in a keyed document of
// ours beside the sets (never inside a level file or a descriptor):
//
//   [.\levels\training\levels.dat]
//
//   level3 = 27 5be0f1c2a9d84e17
//
// A section per level file, as the chooser names it; a key per level
// (numbered from 1, as play shows it); the value is the moves, then a hash of
// the level's stored bytes. A level changed in the editor hashes differently
// and so has no best until it is won again. Lines that cannot be read are
// skipped; a file that cannot be opened at all is never written over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trelux {

inline constexpr const char* kBestsFile = ".\\levels\\bests.ini";

struct LevelIdentity {
  std::string setFile;     // the level file, as the chooser gave it
  int32_t level = 0;       // 0-based
  std::string levelBytes;  // the level's record content as stored
};

class BestMoves {
 public:
  explicit BestMoves(std::string path = kBestsFile) : path_(std::move(path)) {}

  std::optional<int32_t> best(const LevelIdentity& level) const;
  // The best of every level of a set at once, by level from 0; levelBytes
  // holds each level's stored bytes.
  std::vector<std::optional<int32_t>> bestsOf(const std::string& setFile,
                                              const std::vector<std::string>& levelBytes) const;

  struct Outcome {
    std::optional<int32_t> previous;  // the best before this win
    bool newBest = false;             // none before, or fewer moves now
    bool saved = false;               // the file holds it now
  };
  // A win in moves: kept when the level had no best or this beats it.
  Outcome record(const LevelIdentity& level, int32_t moves) const;

 private:
  std::string path_;
};

}  // namespace trelux
