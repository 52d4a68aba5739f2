// The objects that fill the cells of a level. Every cell holds exactly one;
// the robot is not among them. Each kind decides what light entering it does
// (receiveLight) and whether the robot may enter or move it (movability).
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>

#include "world/beam.h"

namespace trelux {

class LevelGrid;

// The kind codes stored in a level file.
enum class ObjectKind : uint8_t {
  Floor = 0, Wall = 1, Lens = 2, Mirror = 3, Laser = 4, Sensor = 5, TMirror = 6
};
constexpr uint8_t kHighestKind = 6;

// Bit 1 set: occupied (the robot may not enter); bit 0 set: cannot be moved.
enum class Movability : uint8_t { Open = 0, Pushable = 2, Solid = 3 };

constexpr bool isOccupying(Movability m) { return (static_cast<uint8_t>(m) & 2) != 0; }
constexpr bool isPushable(Movability m) { return static_cast<uint8_t>(m) == 2; }

// An object as a level file stores it: kind byte, then an attribute byte for
// kinds 2 to 6.
struct CellCode {
  ObjectKind kind = ObjectKind::Floor;
  std::optional<uint8_t> attribute;
  bool operator==(const CellCode&) const = default;
};

class GridObject {
 public:
  explicit GridObject(int32_t tileIndex) : tileIndex_(tileIndex) {}
  virtual ~GridObject() = default;
  GridObject(const GridObject&) = delete;
  GridObject& operator=(const GridObject&) = delete;

  // Starts light from this cell at (x, y); only lasers do.
  virtual void emitLight(int32_t x, int32_t y, LevelGrid& grid);
  virtual Movability movability() const { return Movability::Solid; }
  virtual bool isGoalMet() const { return false; }
  // A beam enters: mark the sides it crosses and return the beams that leave.
  virtual BeamList receiveLight(const Beam& beam);
  virtual void resetLight() { sideLight_ = {}; }
  virtual ObjectKind kind() const = 0;
  virtual CellCode code() const = 0;

  void write(std::ostream& out) const;
  Colour light(Direction side) const { return sideLight_[side & 3]; }
  void addLight(Direction side, Colour colour) { sideLight_[side & 3] |= colour; }
  // Light crosses one of the sides: a robot here is zapped.
  bool carriesLight() const {
    return (sideLight_[0] | sideLight_[1] | sideLight_[2] | sideLight_[3]) != 0;
  }
  int32_t tileIndex() const { return tileIndex_; }

 protected:
  void setTileIndex(int32_t tile) { tileIndex_ = tile; }

 private:
  std::array<Colour, 4> sideLight_{};
  int32_t tileIndex_;
};

// Sensors in existence and sensors lit, for the calling thread. The game's
// thread holds one grid with sensors at a time, so they describe the current
// level; a hint's search counts its own grid on its own thread.
int32_t sensorCount();
int32_t litSensorCount();

}  // namespace trelux
