#include "set_compiler.h"

#include <sstream>

#include "base/files.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace trelux::tool {

namespace {

bool writeLevels(const SetSource& set, PuzzleSetFile& file) {
  for (size_t i = 0; i < set.levels.size(); ++i) {
    if (i > 0 && !file.appendLevel()) return false;
    LevelGrid grid;
    std::istringstream content(set.levels[i].content);
    if (!grid.read(content)) return false;
    if (!file.seekLevel(static_cast<int32_t>(i)) || !file.writeLevel(grid)) return false;
  }
  return true;
}

bool writeSetFile(const SetSource& set, const std::string& path) {
  PuzzleSetFile file;
  if (!file.createSetFile(path)) return false;
  if (set.code && !file.setCompletionCode(true, *set.code)) return false;
  const bool ok = writeLevels(set, file);
  file.close();
  return ok;
}

}  // namespace

bool compileSet(const SetSource& set, const std::string& outPath, std::string& error) {
  const std::string partial = outPath + ".part";
  if (!writeSetFile(set, partial)) {
    removeFile(partial);
    error = "cannot write " + outPath;
    return false;
  }
  if (!renameFile(partial, outPath)) {
    removeFile(partial);
    error = "cannot write " + outPath;
    return false;
  }
  return true;
}

bool decompileSet(const std::string& levelFile, const std::string& name, SetSource& set, std::string& error) {
  PuzzleSetFile file;
  if (!file.open(levelFile)) {
    error = "cannot open " + levelFile + " as a level file";
    return false;
  }
  set = SetSource{};
  set.name = name;
  if (file.hasCompletionCode()) set.code = file.completionCode();
  const int32_t count = file.countLevels();
  for (int32_t i = 0; i < count; ++i) {
    LevelGrid grid;
    if (!file.seekLevel(i) || !file.readLevel(grid)) {
      error = "level " + std::to_string(i) + " of " + levelFile + " cannot be read";
      return false;
    }
    set.levels.push_back({0, grid.levelBytes().value_or(""), ""});
  }
  return true;
}

}  // namespace trelux::tool
