#include "replay.h"

#include "json_text.h"
#include "puzzles/puzzle_set_file.h"
#include "set_stats.h"
#include "world/play_model.h"
#include "world/play_recorder.h"
#include "world/play_rules.h"

namespace trelux::tool {

namespace {

std::optional<PlayKey> keyFromLetter(char letter) {
  switch (letter) {
    case 'U': return PlayKey::Up;
    case 'D': return PlayKey::Down;
    case 'L': return PlayKey::Left;
    case 'R': return PlayKey::Right;
    case 'S': return PlayKey::Space;
    default: return std::nullopt;
  }
}

bool checkKeys(std::string_view keys, std::string& error) {
  for (size_t i = 0; i < keys.size(); ++i) {
    if (!keyFromLetter(keys[i])) {
      error = "key " + std::to_string(i + 1) + " is '" + std::string(1, keys[i]) +
              "'; keys are U, D, L, R (the arrow keys) and S (space)";
      return false;
    }
  }
  return true;
}

// Loads the level as the play screen does: open the set, go to the level,
// start running.
bool startLevel(PlayModel& model, const std::string& levelFile, int32_t level,
                std::string& error) {
  if (!model.loadSet(levelFile)) {
    error = "cannot open " + levelFile + " as a level file";
    return false;
  }
  if (model.goToLevel(level)) {
    model.startRunning();
    return true;
  }
  const int32_t count = model.puzzleSet().countLevels();
  if (level < 0 || level >= count) {
    error = "level " + std::to_string(level) + " does not exist; " + levelFile + " has " +
            std::to_string(count) + (count == 1 ? " level" : " levels") + " (0-based)";
  } else {
    error = "level " + std::to_string(level) + " of " + levelFile + " cannot be read";
  }
  return false;
}

void captureState(const PlayModel& model, ReplayResult& result) {
  result.robot = model.robotPosition();
  result.direction = model.robotDirection();
  result.width = model.gridWidth();
  result.height = model.gridHeight();
  for (int32_t y = 0; y < result.height; ++y) {
    for (int32_t x = 0; x < result.width; ++x) {
      result.tiles.push_back(model.tileAt(x, y));
      std::array<Colour, 4> light{};
      for (Direction side : kDirections) light[side] = model.sideLightAt(x, y, side);
      result.sideLight.push_back(light);
    }
  }
}

}  // namespace

bool replayLevel(const std::string& levelFile, int32_t level, std::string_view keys,
                 ReplayResult& result, std::string& error) {
  if (!checkKeys(keys, error)) return false;
  PlayModel model;
  if (!startLevel(model, levelFile, level, error)) return false;
  PlayRecorder recorder;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (handlePlayKey(model, *keyFromLetter(keys[i]), recorder)) result.wonAfterKey = i + 1;
  }
  result.sounds = recorder.sounds();
  captureState(model, result);
  return true;
}

// ---- Output --------------------------------------------------------------------

namespace {

template <class Range, class Format>
std::string joined(const Range& items, const char* separator, Format format) {
  std::string out;
  for (const auto& item : items) {
    if (!out.empty()) out += separator;
    out += format(item);
  }
  return out;
}

std::vector<int32_t> tileRow(const ReplayResult& r, int32_t y) {
  auto first = r.tiles.begin() + y * r.width;
  return std::vector<int32_t>(first, first + r.width);
}

std::vector<std::array<Colour, 4>> lightRow(const ReplayResult& r, int32_t y) {
  auto first = r.sideLight.begin() + y * r.width;
  return std::vector<std::array<Colour, 4>>(first, first + r.width);
}

std::string number(int32_t value) { return std::to_string(value); }

std::string textSides(const std::array<Colour, 4>& light) {
  std::string out;
  for (Colour c : light) out += std::to_string(c);
  return out;
}

}  // namespace

std::string formatReplayText(const ReplayResult& r) {
  std::string out = "robot " + number(r.robot.x) + " " + number(r.robot.y) + " " +
                    number(r.direction) + "\n";
  out += "won " + (r.wonAfterKey ? std::to_string(*r.wonAfterKey) : std::string("no")) + "\n";
  out += "sounds";
  for (const std::string& s : r.sounds) out += " " + s;
  out += "\nsize " + number(r.width) + " " + number(r.height) + "\ntiles\n";
  for (int32_t y = 0; y < r.height; ++y) out += joined(tileRow(r, y), " ", number) + "\n";
  out += "light\n";
  for (int32_t y = 0; y < r.height; ++y) out += joined(lightRow(r, y), " ", textSides) + "\n";
  return out;
}

std::string formatReplayJson(const ReplayResult& r) {
  Json sounds = Json::array();
  for (const std::string& s : r.sounds) sounds.push_back(jsonText(s));
  Json tiles = Json::array();
  Json sideLight = Json::array();
  for (int32_t y = 0; y < r.height; ++y) {
    tiles.push_back(tileRow(r, y));
    sideLight.push_back(lightRow(r, y));
  }
  return jsonLine({{"robot", {{"x", r.robot.x}, {"y", r.robot.y}, {"direction", r.direction}}},
                   {"won", r.wonAfterKey.has_value()},
                   {"wonAfterKey", r.wonAfterKey ? Json(*r.wonAfterKey) : Json(nullptr)},
                   {"sounds", std::move(sounds)},
                   {"width", r.width},
                   {"height", r.height},
                   {"tiles", std::move(tiles)},
                   {"sideLight", std::move(sideLight)}});
}

}  // namespace trelux::tool
