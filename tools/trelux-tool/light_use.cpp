#include "light_use.h"

#include <array>
#include <map>
#include <set>
#include <vector>

#include "world/beam.h"
#include "world/level_grid.h"
#include "world/light.h"
#include "world/objects.h"

namespace trelux::tool {

namespace {

// The beams that entered one cell, per laser, by side.
struct CellEntries {
  std::map<int, std::array<Colour, 4>> byLaser;
  std::array<Colour, 4> all() const {
    std::array<Colour, 4> sides{};
    for (const auto& [laser, colours] : byLaser) {
      for (size_t s = 0; s < 4; ++s) sides[s] |= colours[s];
    }
    return sides;
  }
};

using Entries = std::map<std::pair<int32_t, int32_t>, CellEntries>;

bool isTracked(ObjectKind kind) { return kind == ObjectKind::Sensor || kind == ObjectKind::TMirror; }

// One laser's pass: the same stack and seen set as the game's, recording
// what enters sensors and T-mirrors.
void traceLaser(LevelGrid& grid, int laser, Position from, const Laser& source, Entries& entries) {
  std::vector<Beam> pending{beamLeaving(from, source.direction(), source.colour())};
  std::set<Beam> seen(pending.begin(), pending.end());
  while (!pending.empty()) {
    const Beam beam = pending.back();
    pending.pop_back();
    if (beam.colour == 0) continue;
    GridObject& cell = grid.cell(beam.x, beam.y);
    if (isTracked(cell.kind())) entries[{beam.x, beam.y}].byLaser[laser][beam.entrySide & 3] |= beam.colour;
    for (const Beam& out : cell.receiveLight(beam)) {
      if (seen.insert(out).second) pending.push_back(out);
    }
  }
}

void judgeSensor(const Sensor& sensor, const CellEntries& cell, const std::vector<Colour>& laserColours,
                 LightUse& use) {
  int lasers = 0;
  Colour colour = 0;
  int last = -1;
  bool wrongSide = false;
  for (const auto& [laser, sides] : cell.byLaser) {
    for (Direction side : kDirections) wrongSide = wrongSide || (side != sensor.facing() && sides[side]);
    if (!sides[sensor.facing()]) continue;
    ++lasers;
    colour |= sides[sensor.facing()];
    last = laser;
  }
  if (wrongSide) ++use.wrongSideSensors;
  if (lasers >= 2) ++use.meetSensors;
  else if (lasers == 1 && colour == laserColours[static_cast<size_t>(last)]) ++use.ownSensors;
  else if (lasers == 1) ++use.filteredSensors;
}

void judgeTMirror(const TMirror& t, const CellEntries& cell, LightUse& use) {
  const std::array<Colour, 4> in = cell.all();
  const Direction stem = t.orientation();
  const int arms = (in[clockwise(stem)] ? 1 : 0) + (in[counterClockwise(stem)] ? 1 : 0);
  const bool back = in[opposite(stem)] != 0;
  // The back may stop one beam while the stem or arms carry another.
  if (back) ++use.backs;
  if (in[stem]) ++use.splits;
  else if (arms == 2) ++use.joins;
  else if (arms == 1) ++use.bends;
  else if (!back) ++use.idle;
}

}  // namespace

LightUse traceLightUse(LevelGrid& grid) {
  Entries entries;
  std::vector<Colour> laserColours;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      if (grid.cell(x, y).kind() != ObjectKind::Laser) continue;
      const auto& laser = static_cast<const Laser&>(grid.cell(x, y));
      laserColours.push_back(laser.colour());
      traceLaser(grid, static_cast<int>(laserColours.size() - 1), {x, y}, laser, entries);
    }
  }
  LightUse use;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const GridObject& cell = grid.cell(x, y);
      const CellEntries& in = entries[{x, y}];
      if (cell.kind() == ObjectKind::Sensor) judgeSensor(static_cast<const Sensor&>(cell), in, laserColours, use);
      if (cell.kind() == ObjectKind::TMirror) judgeTMirror(static_cast<const TMirror&>(cell), in, use);
    }
  }
  refreshLight(grid);
  return use;
}

}  // namespace trelux::tool
