// The seven kinds of grid object. Colours and variants are reduced to what a
// level file can hold: colour to 3 bits, direction or facing to 0..3; a mirror
// with any non-zero orientation reflects like orientation 1 and is kept as 1,
// and a T-mirror's orientation is taken modulo 4.
#pragma once

#include <iosfwd>
#include <memory>

#include "world/grid_object.h"

namespace trelux {

class Floor final : public GridObject {
 public:
  Floor() : GridObject(2) {}
  Movability movability() const override { return Movability::Open; }
  BeamList receiveLight(const Beam& beam) override;
  ObjectKind kind() const override { return ObjectKind::Floor; }
  CellCode code() const override { return {ObjectKind::Floor, std::nullopt}; }
};

class Wall final : public GridObject {
 public:
  Wall() : GridObject(1) {}
  ObjectKind kind() const override { return ObjectKind::Wall; }
  CellCode code() const override { return {ObjectKind::Wall, std::nullopt}; }
};

class Lens final : public GridObject {
 public:
  explicit Lens(Colour colour) : GridObject(8 + (colour & 7)), colour_(colour & 7) {}
  Movability movability() const override { return Movability::Pushable; }
  BeamList receiveLight(const Beam& beam) override;
  ObjectKind kind() const override { return ObjectKind::Lens; }
  CellCode code() const override { return {ObjectKind::Lens, colour_}; }
  Colour colour() const { return colour_; }

 private:
  Colour colour_;
};

class Mirror final : public GridObject {
 public:
  Mirror(Colour colour, int32_t orientation);
  Movability movability() const override { return Movability::Pushable; }
  BeamList receiveLight(const Beam& beam) override;
  ObjectKind kind() const override { return ObjectKind::Mirror; }
  CellCode code() const override;
  Colour colour() const { return colour_; }
  int32_t orientation() const { return orientation_; }

 private:
  Colour colour_;
  int32_t orientation_;
};

class Laser final : public GridObject {
 public:
  Laser(Colour colour, Direction direction);
  void emitLight(int32_t x, int32_t y, LevelGrid& grid) override;
  ObjectKind kind() const override { return ObjectKind::Laser; }
  CellCode code() const override;
  Colour colour() const { return colour_; }
  Direction direction() const { return direction_; }

 private:
  Colour colour_;
  Direction direction_;
};

class Sensor final : public GridObject {
 public:
  Sensor(Colour colour, Direction facing);
  ~Sensor() override;
  bool isGoalMet() const override;
  BeamList receiveLight(const Beam& beam) override;
  void resetLight() override;
  ObjectKind kind() const override { return ObjectKind::Sensor; }
  CellCode code() const override;
  Colour colour() const { return colour_; }
  Direction facing() const { return facing_; }
  bool isLit() const { return lit_; }

 private:
  void turnOn();
  void turnOff();
  int32_t tileFor(bool lit) const { return (lit ? 72 : 40) + facing_ * 8 + colour_; }

  Direction facing_;
  Colour colour_;
  bool lit_ = false;
};

class TMirror final : public GridObject {
 public:
  explicit TMirror(Direction stem) : GridObject(36 + stem), stem_(stem) {}
  Movability movability() const override { return Movability::Pushable; }
  BeamList receiveLight(const Beam& beam) override;
  ObjectKind kind() const override { return ObjectKind::TMirror; }
  CellCode code() const override { return {ObjectKind::TMirror, static_cast<uint8_t>(stem_)}; }
  // The stem side, the T-mirror's orientation.
  Direction orientation() const { return stem_; }

 private:
  Direction stem_;
};

// Builds an object from its kind and, for lenses to T-mirrors, its colour and
// variant (orientation, direction or facing), reduced as a level file
// reduces them. Null for a value that is not a kind.
std::unique_ptr<GridObject> makeObject(ObjectKind kind, Colour colour, int32_t variant);
// Builds an object from a stored kind and attribute byte (ignored for 0 and 1).
std::unique_ptr<GridObject> decodeObject(uint8_t kind, uint8_t attribute);

}  // namespace trelux
