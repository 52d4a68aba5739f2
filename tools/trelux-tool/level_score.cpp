#include "level_score.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "solver/solver.h"
#include "world/level_grid.h"
#include "world/objects.h"
#include "world/play_model.h"
#include "world/play_recorder.h"
#include "world/play_rules.h"

namespace trelux::tool {

namespace {

using Places = std::map<const GridObject*, Position>;

// Where each pushable object stands, by identity: pushes and pulls swap the
// objects themselves between cells.
Places placesOf(const LevelGrid& grid) {
  Places places;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      if (grid.cell(x, y).movability() == Movability::Pushable) places[&grid.cell(x, y)] = {x, y};
    }
  }
  return places;
}

std::vector<const Sensor*> sensorsOf(const LevelGrid& grid) {
  std::vector<const Sensor*> sensors;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      if (grid.cell(x, y).kind() == ObjectKind::Sensor) sensors.push_back(&static_cast<const Sensor&>(grid.cell(x, y)));
    }
  }
  return sensors;
}

int32_t distance(Position a, Position b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y); }

int32_t objectsMoved(const Places& before, const Places& after) {
  int32_t moved = 0;
  for (const auto& [object, place] : after) moved += before.at(object) == place ? 0 : 1;
  return moved;
}

std::optional<PlayKey> keyOf(char letter) {
  switch (letter) {
    case 'U': return PlayKey::Up;
    case 'D': return PlayKey::Down;
    case 'L': return PlayKey::Left;
    case 'R': return PlayKey::Right;
    default: return std::nullopt;
  }
}

bool solveWithoutZaps(const LevelGrid& start, LevelScore& score, std::string& error) {
  SolveLimits limits;
  limits.zaps = false;
  const SolveResult result = solveLevel(start, limits);
  if (result.outcome != SolveOutcome::Solved) {
    error = "the level has no solution without zaps within the solver's limits";
    return false;
  }
  score.noZapKeys = result.keys.size();
  return true;
}

// Plays the keys, counting the moves that stand and the sensors that stay lit.
bool play(PlayModel& model, const std::string& solution, LevelScore& score, std::string& error) {
  const Places start = placesOf(model.grid());
  const std::vector<const Sensor*> sensors = sensorsOf(model.grid());
  std::vector<bool> alwaysLit;
  for (const Sensor* sensor : sensors) alwaysLit.push_back(sensor->isLit());
  Places places = start;
  PlayRecorder recorder;
  bool won = false;
  for (char letter : solution) {
    const std::optional<PlayKey> key = keyOf(letter);
    if (!key || won) {
      error = "the solution holds a key after its win or one that is not U, D, L or R";
      return false;
    }
    won = handlePlayKey(model, *key, recorder);
    const Places now = placesOf(model.grid());
    score.moves += objectsMoved(places, now);
    places = now;
    for (size_t i = 0; i < sensors.size(); ++i) alwaysLit[i] = alwaysLit[i] && sensors[i]->isLit();
  }
  if (!won) {
    error = "the solution does not win the level";
    return false;
  }
  for (const auto& [object, place] : places) score.netCells += distance(start.at(object), place);
  for (bool lit : alwaysLit) score.litUntouched += lit ? 1 : 0;
  return true;
}

}  // namespace

int32_t LevelScore::ideas() const {
  return light.meetSensors + light.filteredSensors + light.wrongSideSensors + light.splits + light.joins +
         light.backs;
}

int32_t LevelScore::flaws() const { return light.ownSensors + litUntouched + light.idle; }

int32_t LevelScore::score() const {
  return static_cast<int32_t>(noZapKeys) + 10 * (ideas() - flaws()) - wastedMoves();
}

bool scoreLevel(const std::string& levelFile, int32_t level, const std::string& solution, LevelScore& score,
                std::string& error) {
  PlayModel model;
  if (!model.loadSet(levelFile) || !model.goToLevel(level)) {
    error = "cannot read level " + std::to_string(level) + " of " + levelFile;
    return false;
  }
  model.startRunning();
  score = LevelScore{};
  score.keys = solution.size();
  if (!solveWithoutZaps(model.grid(), score, error) || !play(model, solution, score, error)) return false;
  score.light = traceLightUse(model.grid());
  return true;
}

}  // namespace trelux::tool
