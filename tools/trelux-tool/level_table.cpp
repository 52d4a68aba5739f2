#include "level_table.h"

#include <sstream>

#include "replay.h"
#include "scratch_file.h"
#include "set_stats.h"
#include "world/level_grid.h"

namespace trelux::tool {

namespace {

struct Totals {
  int levels = 0;
  long keys = 0;
  LevelCounts objects;
};

void add(Totals& totals, const LevelCounts& c, size_t keys) {
  ++totals.levels;
  totals.keys += static_cast<long>(keys);
  totals.objects.lasers += c.lasers;
  totals.objects.sensors += c.sensors;
  totals.objects.lenses += c.lenses;
  totals.objects.mirrors += c.mirrors;
  totals.objects.tMirrors += c.tMirrors;
}

std::string countsCells(const LevelCounts& c) {
  return std::to_string(c.lasers) + " | " + std::to_string(c.sensors) + " | " + std::to_string(c.lenses) +
         " | " + std::to_string(c.mirrors) + " | " + std::to_string(c.tMirrors);
}

bool checkSolution(const NamedSet& named, size_t index, const std::string& levelFile, std::string& error) {
  const LevelSource& level = named.set.levels[index];
  const std::string where = named.file + ":" + std::to_string(level.line) + ": ";
  if (level.solution.empty()) {
    error = where + "the level has no stored solution";
    return false;
  }
  ReplayResult result;
  if (!replayLevel(levelFile, static_cast<int32_t>(index), level.solution, result, error)) return false;
  if (result.wonAfterKey != level.solution.size()) {
    error = where + "the stored solution does not win the level with its last key";
    return false;
  }
  return true;
}

bool tableRows(const NamedSet& named, std::string& rows, Totals& totals, std::string& error) {
  ScratchLevelFile file;
  if (!file.compile(named.set, error)) return false;
  for (size_t i = 0; i < named.set.levels.size(); ++i) {
    if (!checkSolution(named, i, file.path(), error)) return false;
    LevelGrid grid;
    std::istringstream content(named.set.levels[i].content);
    grid.read(content);
    const LevelCounts counts = countObjects(grid);
    const size_t keys = named.set.levels[i].solution.size();
    rows += "| " + named.set.name + " | " + std::to_string(i + 1) + " | " + std::to_string(grid.width()) + " x " +
            std::to_string(grid.height()) + " | " + countsCells(counts) + " | " + std::to_string(keys) + " |\n";
    add(totals, counts, keys);
  }
  return true;
}

constexpr const char* kHeading =
    "| set | level | size | lasers | sensors | lenses | mirrors | T-mirrors | optimal keys |\n"
    "|---|---:|---|---:|---:|---:|---:|---:|---:|\n";

}  // namespace

bool formatLevelTable(const std::vector<NamedSet>& sets, std::string& table, std::string& error) {
  std::string rows;
  Totals all;
  std::string perSet;
  for (const NamedSet& named : sets) {
    Totals totals;
    if (!tableRows(named, rows, totals, error)) return false;
    perSet += "| " + named.set.name + " | " + std::to_string(totals.levels) + " | " + countsCells(totals.objects) +
              " | " + std::to_string(totals.keys) + " |\n";
    add(all, totals.objects, static_cast<size_t>(totals.keys));
    all.levels += totals.levels - 1;
  }
  table = "# Shipped levels\n\n"
          "Made by `trelux-tool table levels/*.txt`; a test fails when this file differs from what the\n"
          "tool makes of the sets. \"optimal keys\" is the length of each level's stored solution in key\n"
          "presses (turns count), which the tool replays to a win; `trelux-tool check` proves it shortest.\n\n";
  table += std::string(kHeading) + rows;
  table += "\n## Totals\n\n| set | levels | lasers | sensors | lenses | mirrors | T-mirrors | keys |\n"
           "|---|---:|---:|---:|---:|---:|---:|---:|\n" + perSet;
  table += "| all | " + std::to_string(all.levels) + " | " + countsCells(all.objects) + " | " +
           std::to_string(all.keys) + " |\n";
  return true;
}

}  // namespace trelux::tool
