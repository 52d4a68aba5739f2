// What each kind of object does with the light that enters it.
#include "world/objects.h"

namespace trelux {

namespace {

// Per thread: a hint's search builds and lights a grid of its own on a
// worker thread while the level being played keeps its counts.
thread_local int32_t gSensorCount = 0;
thread_local int32_t gLitSensorCount = 0;

Position cellOf(const Beam& beam) { return {beam.x, beam.y}; }

}  // namespace

int32_t sensorCount() { return gSensorCount; }
int32_t litSensorCount() { return gLitSensorCount; }

// ---- Floor and lens: light passes straight through -------------------------

BeamList Floor::receiveLight(const Beam& beam) {
  const Direction exit = opposite(beam.entrySide);
  addLight(beam.entrySide, beam.colour);
  addLight(exit, beam.colour);
  BeamList out;
  out.push(beamLeaving(cellOf(beam), exit, beam.colour));
  return out;
}

// A colour the lens does not share still leaves as a black beam, which the
// light pass drops.
BeamList Lens::receiveLight(const Beam& beam) {
  const Colour passed = beam.colour & colour_;
  const Direction exit = opposite(beam.entrySide);
  addLight(beam.entrySide, passed);
  addLight(exit, passed);
  BeamList out;
  out.push(beamLeaving(cellOf(beam), exit, passed));
  return out;
}

// ---- Mirror: a quarter turn, filtered ---------------------------------------

Mirror::Mirror(Colour colour, int32_t orientation)
    : GridObject(0), colour_(colour & 7), orientation_(orientation != 0 ? 1 : 0) {
  setTileIndex(16 + orientation_ * 8 + colour_);
}

CellCode Mirror::code() const {
  return {ObjectKind::Mirror, static_cast<uint8_t>(orientation_ * 8 + colour_)};
}

namespace {

// Orientation 0 pairs north with east and south with west; orientation 1
// pairs north with west and east with south.
constexpr Direction kReflect[2][4] = {
    {kEast, kNorth, kWest, kSouth},
    {kWest, kSouth, kEast, kNorth},
};

}  // namespace

BeamList Mirror::receiveLight(const Beam& beam) {
  const Colour reflected = beam.colour & colour_;
  const Direction exit = kReflect[orientation_][beam.entrySide];
  addLight(beam.entrySide, beam.colour);
  addLight(exit, reflected);
  BeamList out;
  out.push(beamLeaving(cellOf(beam), exit, reflected));
  return out;
}

// ---- Laser ------------------------------------------------------------------

Laser::Laser(Colour colour, Direction direction)
    : GridObject(32 + direction), colour_(colour & 7), direction_(direction) {}

CellCode Laser::code() const {
  return {ObjectKind::Laser, static_cast<uint8_t>(direction_ * 8 + colour_)};
}

// ---- Sensor -----------------------------------------------------------------

Sensor::Sensor(Colour colour, Direction facing)
    : GridObject(0), facing_(facing), colour_(colour & 7) {
  setTileIndex(tileFor(false));
  ++gSensorCount;
}

Sensor::~Sensor() {
  turnOff();
  --gSensorCount;
}

CellCode Sensor::code() const {
  return {ObjectKind::Sensor, static_cast<uint8_t>(facing_ * 8 + colour_)};
}

bool Sensor::isGoalMet() const { return gSensorCount == gLitSensorCount; }

void Sensor::turnOn() {
  if (lit_) return;
  lit_ = true;
  ++gLitSensorCount;
  setTileIndex(tileFor(true));
}

void Sensor::turnOff() {
  if (!lit_) return;
  lit_ = false;
  --gLitSensorCount;
  setTileIndex(tileFor(false));
}

// Only light through the facing side counts, and what counts is everything
// that arrived there in this pass: the sensor lights when that mix is exactly
// its colour, whatever order the beams came in.
BeamList Sensor::receiveLight(const Beam& beam) {
  if (beam.entrySide != facing_) return {};
  addLight(facing_, beam.colour);
  turnOff();
  if (light(facing_) == colour_) turnOn();
  return {};
}

void Sensor::resetLight() {
  GridObject::resetLight();
  turnOff();
}

// ---- T-mirror: split through the stem, join through the arms -----------------

BeamList TMirror::receiveLight(const Beam& beam) {
  const Direction stem = stem_;
  const Direction side = beam.entrySide;
  BeamList out;
  if (side == opposite(stem)) return out;
  addLight(side, beam.colour);
  if (side == stem) {
    addLight(clockwise(stem), beam.colour);
    addLight(counterClockwise(stem), beam.colour);
    out.push(beamLeaving(cellOf(beam), counterClockwise(stem), beam.colour));
    out.push(beamLeaving(cellOf(beam), clockwise(stem), beam.colour));
  } else {
    addLight(stem, beam.colour);
    out.push(beamLeaving(cellOf(beam), stem, beam.colour));
  }
  return out;
}

// ---- Construction -----------------------------------------------------------

std::unique_ptr<GridObject> makeObject(ObjectKind kind, Colour colour, int32_t variant) {
  switch (kind) {
    case ObjectKind::Floor: return std::make_unique<Floor>();
    case ObjectKind::Wall: return std::make_unique<Wall>();
    case ObjectKind::Lens: return std::make_unique<Lens>(colour);
    case ObjectKind::Mirror: return std::make_unique<Mirror>(colour, variant);
    case ObjectKind::Laser: return std::make_unique<Laser>(colour, directionOf(variant));
    case ObjectKind::Sensor: return std::make_unique<Sensor>(colour, directionOf(variant));
    case ObjectKind::TMirror: return std::make_unique<TMirror>(directionOf(variant));
  }
  return nullptr;
}

std::unique_ptr<GridObject> decodeObject(uint8_t kind, uint8_t attribute) {
  if (kind > kHighestKind) return nullptr;
  const auto objectKind = static_cast<ObjectKind>(kind);
  // A T-mirror stores its orientation as the whole byte; the others pack a
  // variant in bits 3 and 4 above a 3-bit colour.
  if (objectKind == ObjectKind::TMirror) return makeObject(objectKind, 0, attribute);
  return makeObject(objectKind, attribute & 7, (attribute >> 3) & 3);
}

}  // namespace trelux
