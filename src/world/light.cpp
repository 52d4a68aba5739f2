// Light propagation. Each laser's beams are followed one at a time from a
// stack; a beam already followed (same colour, cell and entry side) is never
// followed again, which ends loops between mirrors. Beams never merge: mixing
// shows only in the side marks, which accumulate across all lasers.
#include "world/light.h"

#include <vector>

#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {

namespace {

// Which (cell, side, colour) beams one laser's pass has already followed:
// one byte per cell side, one bit per colour. Beams outside the grid are not
// tracked; they enter the outside wall and end at once. The table is kept
// between passes and only the entries a pass touched are cleared, so a level
// with many lasers costs what its beams cost, not lasers times cells. Each
// thread keeps a table of its own: the editor's solver computes light on
// one while the game may compute it on another.
struct SeenTable {
  std::vector<uint8_t> bits;
  std::vector<size_t> touched;
};

SeenTable& threadSeenTable() {
  thread_local SeenTable table;
  return table;
}

class SeenBeams {
 public:
  explicit SeenBeams(const LevelGrid& grid)
      : grid_(grid), bits_(threadSeenTable().bits), touched_(threadSeenTable().touched) {
    bits_.resize(static_cast<size_t>(grid.width()) * static_cast<size_t>(grid.height()) * 4, 0);
  }
  ~SeenBeams() {
    for (size_t index : touched_) bits_[index] = 0;
    touched_.clear();
  }

  // Records the beam; false when it had been recorded before.
  bool insert(const Beam& beam) {
    if (!grid_.inBounds(beam.x, beam.y)) return true;
    const size_t index =
        (static_cast<size_t>(beam.y) * static_cast<size_t>(grid_.width()) + static_cast<size_t>(beam.x)) * 4 +
        static_cast<size_t>(beam.entrySide & 3);
    const auto bit = static_cast<uint8_t>(1u << (beam.colour & 7));
    if (bits_[index] & bit) return false;
    if (bits_[index] == 0) touched_.push_back(index);
    bits_[index] |= bit;
    return true;
  }

 private:
  const LevelGrid& grid_;
  std::vector<uint8_t>& bits_;
  std::vector<size_t>& touched_;
};

}  // namespace

void Laser::emitLight(int32_t x, int32_t y, LevelGrid& grid) {
  std::vector<Beam> pending;
  SeenBeams seen(grid);
  const Beam first = beamLeaving({x, y}, direction_, colour_);
  pending.push_back(first);
  seen.insert(first);
  while (!pending.empty()) {
    const Beam beam = pending.back();
    pending.pop_back();
    if (beam.colour == 0) continue;
    for (const Beam& next : grid.cell(beam.x, beam.y).receiveLight(beam)) {
      if (seen.insert(next)) pending.push_back(next);
    }
  }
}

void refreshLight(LevelGrid& grid) {
  for (int32_t x = 0; x < grid.width(); ++x) {
    for (int32_t y = 0; y < grid.height(); ++y) grid.cell(x, y).resetLight();
  }
  for (int32_t x = 0; x < grid.width(); ++x) {
    for (int32_t y = 0; y < grid.height(); ++y) grid.cell(x, y).emitLight(x, y, grid);
  }
}

// Counted in the grid asked, not over every sensor in the program: the
// editor's test play and a solver's copy live beside the edited level.
bool isLevelComplete(const LevelGrid& grid) {
  bool anySensor = false;
  for (const std::unique_ptr<GridObject>& object : grid.objects()) {
    if (object->kind() != ObjectKind::Sensor) continue;
    if (!object->isGoalMet()) return false;
    anySensor = true;
  }
  return anySensor;
}

}  // namespace trelux
