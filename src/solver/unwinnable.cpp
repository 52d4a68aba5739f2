#include "solver/unwinnable.h"

#include <array>
#include <set>
#include <utility>

#include "world/level_grid.h"
#include "world/objects.h"

namespace trelux {
namespace {

constexpr std::array<const char*, 8> kColourNames = {"black", "red",     "green", "yellow",
                                                     "blue",  "magenta", "cyan",  "white"};

struct Light {
  std::set<Colour> lasers;
  // The filters a beam can pass: the colour it keeps is its own ANDed with
  // any of these (7 when it meets none).
  std::set<Colour> masks{7};
};

// Lenses pass and mirrors turn only their share of a beam; T-mirrors and
// floor keep it whole.
void addFilter(Light& light, Colour filter) {
  std::set<Colour> more = light.masks;
  for (Colour mask : light.masks) more.insert(mask & filter);
  light.masks = std::move(more);
}

// A sensor sees the OR of the beams that reach its face. Each beam is a
// laser's colour cut down by filters; the beams that fit inside the wanted
// colour together make at most their OR.
bool canMake(const Light& light, Colour wanted) {
  Colour made = 0;
  for (Colour laser : light.lasers)
    for (Colour mask : light.masks)
      if ((laser & mask & ~wanted & 7) == 0) made |= laser & mask;
  return wanted != 0 && made == wanted;
}

}  // namespace

std::optional<std::string> unwinnableReason(const LevelGrid& grid) {
  Light light;
  bool anySensor = false;
  for (const auto& object : grid.objects()) {
    if (!object) continue;
    switch (object->kind()) {
      case ObjectKind::Laser: light.lasers.insert(static_cast<const Laser&>(*object).colour()); break;
      case ObjectKind::Lens: addFilter(light, static_cast<const Lens&>(*object).colour()); break;
      case ObjectKind::Mirror: addFilter(light, static_cast<const Mirror&>(*object).colour()); break;
      case ObjectKind::Sensor: anySensor = true; break;
      default: break;
    }
  }
  if (!anySensor) return "it has no sensor";
  if (light.lasers.empty()) return "it has no laser";
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      const GridObject& object = grid.cell(x, y);
      if (object.kind() != ObjectKind::Sensor) continue;
      const Colour wanted = static_cast<const Sensor&>(object).colour();
      if (canMake(light, wanted)) continue;
      return std::string(wanted ? "no laser or mix of lasers makes the " : "no light makes the ") +
             kColourNames[wanted & 7] + " of the sensor at x " + std::to_string(x) + ", y " +
             std::to_string(y);
    }
  }
  return std::nullopt;
}

}  // namespace trelux
