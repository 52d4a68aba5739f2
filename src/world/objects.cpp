// What each kind of object does with the light that enters it.
#include "world/objects.h"

namespace trelux {

namespace {

int32_t gSensorCount = 0;
int32_t gLitSensorCount = 0;

Position cellOf(const Beam& beam) { return {beam.x, beam.y}; }

}  // namespace

int32_t sensorCount() { return gSensorCount; }
int32_t litSensorCount() { return gLitSensorCount; }

// ---- Floor and lens: light passes straight through -------------------------

BeamList Floor::receiveLight(const Beam& beam) {
  const int32_t exit = opposite(beam.entrySide);
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
  const int32_t exit = opposite(beam.entrySide);
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
  return {3, static_cast<uint8_t>(orientation_ * 8 + colour_)};
}

namespace {

// Orientation 0 pairs north with east and south with west; orientation 1
// pairs north with west and east with south.
constexpr int32_t kReflect[2][4] = {
    {kEast, kNorth, kWest, kSouth},
    {kWest, kSouth, kEast, kNorth},
};

}  // namespace

BeamList Mirror::receiveLight(const Beam& beam) {
  const Colour reflected = beam.colour & colour_;
  const int32_t exit = kReflect[orientation_][beam.entrySide & 3];
  addLight(beam.entrySide, beam.colour);
  addLight(exit, reflected);
  BeamList out;
  out.push(beamLeaving(cellOf(beam), exit, reflected));
  return out;
}

// ---- Laser ------------------------------------------------------------------

Laser::Laser(Colour colour, int32_t direction)
    : GridObject(32 + (direction & 3)), colour_(colour & 7), direction_(direction & 3) {}

CellCode Laser::code() const { return {4, static_cast<uint8_t>(direction_ * 8 + colour_)}; }

// ---- Sensor -----------------------------------------------------------------

Sensor::Sensor(Colour colour, int32_t facing)
    : GridObject(0), facing_(facing & 3), colour_(colour & 7) {
  setTileIndex(tileFor(false));
  ++gSensorCount;
}

Sensor::~Sensor() {
  turnOff();
  --gSensorCount;
}

CellCode Sensor::code() const { return {5, static_cast<uint8_t>(facing_ * 8 + colour_)}; }

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
  const int32_t stem = orientation_;
  const int32_t side = beam.entrySide;
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

std::unique_ptr<GridObject> makeObject(int32_t kind, Colour colour, int32_t variant) {
  switch (kind) {
    case 0: return std::make_unique<Floor>();
    case 1: return std::make_unique<Wall>();
    case 2: return std::make_unique<Lens>(colour);
    case 3: return std::make_unique<Mirror>(colour, variant);
    case 4: return std::make_unique<Laser>(colour, variant);
    case 5: return std::make_unique<Sensor>(colour, variant);
    case 6: return std::make_unique<TMirror>(variant);
    default: return nullptr;
  }
}

std::unique_ptr<GridObject> decodeObject(uint8_t kind, uint8_t attribute) {
  // A T-mirror stores its orientation as the whole byte; the others pack a
  // variant in bits 3 and 4 above a 3-bit colour.
  if (kind == 6) return std::make_unique<TMirror>(attribute);
  return makeObject(kind, attribute & 7, (attribute >> 3) & 3);
}

}  // namespace trelux
