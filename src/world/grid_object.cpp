#include "world/grid_object.h"

#include <ostream>

namespace trelux {

void GridObject::emitLight(int32_t, int32_t, LevelGrid&) {}

// Light entering an object that does not let it through is absorbed unmarked.
BeamList GridObject::receiveLight(const Beam&) { return {}; }

void GridObject::write(std::ostream& out) const {
  CellCode c = code();
  out.put(static_cast<char>(c.kind));
  if (c.attribute) out.put(static_cast<char>(*c.attribute));
}

}  // namespace trelux
