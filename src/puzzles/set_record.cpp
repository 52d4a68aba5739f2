#include "puzzles/set_record.h"

#include <algorithm>

#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux {

int32_t SetRecord::won() const {
  return static_cast<int32_t>(std::count_if(bests.begin(), bests.end(),
                                            [](const auto& best) { return best.has_value(); }));
}

int32_t SetRecord::reached(int32_t playing) const {
  int32_t furthest = std::max<int32_t>(progress, playing);
  for (int32_t level = 0; level < levels(); ++level)
    if (bests[level]) furthest = std::max(furthest, level + 1);
  return std::clamp(furthest + 1, std::min(1, levels()), levels());
}

std::string describeRecord(const SetRecord& record) {
  return "Levels won:\n" + std::to_string(record.won()) + " of " +
         std::to_string(record.levels()) + "\n\n" +
         (record.hasCode ? "Has a completion code." : "No completion code.");
}

std::vector<std::string> levelChoices(const SetRecord& record, int32_t playing) {
  std::vector<std::string> lines;
  for (int32_t level = 0; level < record.reached(playing); ++level) {
    const auto& best = record.bests[static_cast<size_t>(level)];
    lines.push_back("Level " + std::to_string(level + 1) + ": " +
                    (best ? "best " + std::to_string(*best) + (*best == 1 ? " move" : " moves")
                          : std::string("not won yet")));
  }
  return lines;
}

std::optional<SetRecord> readSetRecord(const std::string& levelFile, const BestMoves& bests) {
  PuzzleSetFile set;
  if (!set.open(levelFile)) return std::nullopt;
  SetRecord record;
  record.progress = set.progress();
  record.hasCode = set.hasCompletionCode();
  std::vector<std::string> levelBytes;
  LevelGrid grid;
  for (int32_t level = 0; set.seekLevel(level) && set.readLevel(grid); ++level)
    levelBytes.push_back(grid.levelBytes().value_or(std::string()));
  record.bests = bests.bestsOf(levelFile, levelBytes);
  return record;
}

}  // namespace trelux
