// What the light of a level does in one arrangement of its objects (the won
// one, for the level table): where lasers' beams meet, whether colours are
// filtered on the way, and what each T-mirror does with the light it gets.
// These tell a puzzle that needs its colours and prisms from one that only
// needs beams steered into place.
#pragma once

#include <cstdint>

namespace trelux {
class LevelGrid;
}  // namespace trelux

namespace trelux::tool {

struct LightUse {
  // Sensors by the light arriving through their facing side.
  int32_t ownSensors = 0;       // one laser's colour, unchanged on the way
  int32_t filteredSensors = 0;  // one laser's light, filtered on the way
  int32_t meetSensors = 0;      // two or more lasers' light meets there
  // Sensors whose cell light also enters through another side (absorbed).
  int32_t wrongSideSensors = 0;
  // T-mirrors by what their stem and arms do, each counted once, in this
  // order of weight; and those whose back stops a beam besides.
  int32_t splits = 0;  // light enters the stem and leaves through both arms
  int32_t joins = 0;   // light enters through both arms
  int32_t bends = 0;   // light enters through one arm only
  int32_t idle = 0;    // no light reaches it
  int32_t backs = 0;   // the back stops a beam
};

// Follows each laser's beams over the grid as the light pass does. The
// grid's light is recomputed before it returns, so it is left as it was.
LightUse traceLightUse(LevelGrid& grid);

}  // namespace trelux::tool
