#include "info.h"

#include "json_text.h"
#include "puzzles/puzzle_set_file.h"
#include "set_stats.h"
#include "world/level_grid.h"

namespace trelux::tool {

namespace {

LevelInfo readLevelInfo(PuzzleSetFile& set, int32_t index) {
  LevelInfo level;
  LevelGrid grid;
  if (!set.seekLevel(index) || !set.readLevel(grid)) return level;
  level.readable = true;
  level.width = grid.width();
  level.height = grid.height();
  level.start = grid.start();
  if (grid.hasDescription()) level.description = grid.description();
  const LevelCounts counts = countObjects(grid);
  level.sensors = counts.sensors;
  level.lasers = counts.lasers;
  return level;
}

}  // namespace

bool readSetInfo(const std::string& levelFile, SetInfo& info, std::string& error) {
  PuzzleSetFile set;
  if (!set.open(levelFile)) {
    error = "cannot open " + levelFile + " as a level file";
    return false;
  }
  info.progress = set.progress();
  info.hasCode = set.hasCompletionCode();
  info.code = set.completionCode();
  const int32_t count = set.countLevels();
  for (int32_t i = 0; i < count; ++i) info.levels.push_back(readLevelInfo(set, i));
  return true;
}

std::string formatInfoText(const SetInfo& info) {
  std::string out = "progress " + std::to_string(info.progress) + "\n";
  out += "code " + (info.hasCode ? "yes " + jsonQuote(info.code) : std::string("no")) + "\n";
  out += "levels " + std::to_string(info.levels.size()) + "\n";
  for (size_t i = 0; i < info.levels.size(); ++i) {
    const LevelInfo& l = info.levels[i];
    out += "level " + std::to_string(i);
    if (!l.readable) {
      out += " unreadable\n";
      continue;
    }
    out += " size " + std::to_string(l.width) + " " + std::to_string(l.height) + " robot " +
           std::to_string(l.start.x) + " " + std::to_string(l.start.y) + " sensors " +
           std::to_string(l.sensors) + " lasers " + std::to_string(l.lasers);
    if (l.description) out += " description " + jsonQuote(*l.description);
    out += "\n";
  }
  return out;
}

std::string formatInfoJson(const SetInfo& info) {
  Json levels = Json::array();
  for (size_t i = 0; i < info.levels.size(); ++i) {
    const LevelInfo& l = info.levels[i];
    Json level = {{"index", i}, {"readable", l.readable}};
    if (l.readable) {
      level["width"] = l.width;
      level["height"] = l.height;
      level["robot"] = {{"x", l.start.x}, {"y", l.start.y}};
      level["description"] = l.description ? jsonText(*l.description) : Json(nullptr);
      level["sensors"] = l.sensors;
      level["lasers"] = l.lasers;
    }
    levels.push_back(std::move(level));
  }
  return jsonLine({{"progress", info.progress},
                   {"hasCompletionCode", info.hasCode},
                   {"completionCode", jsonText(info.code)},
                   {"levelCount", info.levels.size()},
                   {"levels", std::move(levels)}});
}

}  // namespace trelux::tool
