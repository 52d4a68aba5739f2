#include "level_table.h"

#include <sstream>

#include "level_score.h"
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

// Per set: how many levels show each idea or flaw, and the keys without zaps.
struct ScoreTotals {
  int meet = 0;
  int prism = 0;
  int litUntouched = 0;
  int ownOnly = 0;
  long keys = 0;
  long noZapKeys = 0;
};

std::string percent(long part, long whole) {
  return whole == 0 ? "-" : std::to_string((part * 100 + whole / 2) / whole) + "%";
}

void add(ScoreTotals& totals, const LevelScore& s) {
  const LightUse& l = s.light;
  totals.meet += l.meetSensors > 0 ? 1 : 0;
  totals.prism += l.splits + l.joins + l.backs > 0 ? 1 : 0;
  totals.litUntouched += s.litUntouched > 0 ? 1 : 0;
  totals.ownOnly += l.filteredSensors + l.meetSensors == 0 ? 1 : 0;
  totals.keys += static_cast<long>(s.keys);
  totals.noZapKeys += static_cast<long>(s.noZapKeys);
}

std::string scoreRow(const std::string& set, size_t index, const LevelScore& s) {
  const LightUse& l = s.light;
  auto n = [](int32_t v) { return std::to_string(v); };
  return "| " + set + " | " + std::to_string(index + 1) + " | " + n(l.ownSensors) + " | " + n(l.filteredSensors) +
         " | " + n(l.meetSensors) + " | " + n(l.wrongSideSensors) + " | " + n(l.splits) + " / " + n(l.joins) +
         " / " + n(l.bends) + " / " + n(l.idle) + " | " + n(l.backs) + " | " + n(s.litUntouched) + " | " +
         n(s.moves) + " | " + n(s.wastedMoves()) + " | " + std::to_string(s.noZapKeys) + " | " +
         percent(static_cast<long>(s.noZapKeys), static_cast<long>(s.keys)) + " | " + n(s.score()) + " |\n";
}

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

bool tableRows(const NamedSet& named, std::string& rows, Totals& totals, std::string& scoreRows,
               ScoreTotals& scores, std::string& error) {
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
    LevelScore score;
    if (!scoreLevel(file.path(), static_cast<int32_t>(i), named.set.levels[i].solution, score, error)) {
      error = named.file + ":" + std::to_string(named.set.levels[i].line) + ": " + error;
      return false;
    }
    scoreRows += scoreRow(named.set.name, i, score);
    add(scores, score);
  }
  return true;
}

constexpr const char* kHeading =
    "| set | level | size | lasers | sensors | lenses | mirrors | T-mirrors | optimal keys |\n"
    "|---|---:|---|---:|---:|---:|---:|---:|---:|\n";

constexpr const char* kScoreText =
    "\n## What each level asks for\n\n"
    "Measured on the stored solution by `trelux-tool table`. Sensors, in the arrangement that wins:\n"
    "\"own\" get one laser's colour as it left the laser, \"filtered\" one laser's light changed by a\n"
    "lens or mirror on the way, \"meet\" the light of two or more lasers; \"wrong side\" counts sensors\n"
    "whose cell light also enters through a side they do not face. T-mirrors: splitting (light in the\n"
    "stem) / joining (light in both arms) / only bending (one arm) / unlit, each counted once, and\n"
    "\"back\" those whose back stops a beam. \"lit all along\": sensors lit at the start and after every key.\n"
    "\"moves\": pushes and pulls; \"wasted\": moves beyond the cells the objects end from their start.\n"
    "\"no-zap keys\": the shortest solution if the robot could stand in light, and its share of the\n"
    "optimal keys (low: the level is mostly walking round beams). \"score\" (what\n"
    "`scripts/level_search.py` maximises): no-zap keys, plus 10 for each filtered or meeting or\n"
    "wrong-side sensor and each splitting, joining or blocking T-mirror, less 10 for each own-colour\n"
    "sensor, sensor lit all along and unlit T-mirror, less the wasted moves.\n\n"
    "| set | level | own | filtered | meet | wrong side | T-mirrors | back | lit all along | moves | wasted | "
    "no-zap keys | no-zap share | score |\n"
    "|---|---:|---:|---:|---:|---:|---|---:|---:|---:|---:|---:|---:|---:|\n";

constexpr const char* kScoreTotalsHeading =
    "\n| set | levels with lasers meeting | with prism work | with a sensor lit all along | "
    "with own-colour sensors only | no-zap share |\n"
    "|---|---:|---:|---:|---:|---:|\n";

}  // namespace

bool formatLevelTable(const std::vector<NamedSet>& sets, std::string& table, std::string& error) {
  std::string rows;
  Totals all;
  std::string perSet;
  std::string scoreRows;
  std::string scorePerSet;
  for (const NamedSet& named : sets) {
    Totals totals;
    ScoreTotals scores;
    if (!tableRows(named, rows, totals, scoreRows, scores, error)) return false;
    scorePerSet += "| " + named.set.name + " | " + std::to_string(scores.meet) + " | " +
                   std::to_string(scores.prism) + " | " + std::to_string(scores.litUntouched) + " | " +
                   std::to_string(scores.ownOnly) + " | " + percent(scores.noZapKeys, scores.keys) + " |\n";
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
  table += kScoreText + scoreRows + kScoreTotalsHeading + scorePerSet;
  return true;
}

}  // namespace trelux::tool
