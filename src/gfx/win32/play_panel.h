// What the play screen adds to the game view while a level is played: the
// moves and the level's best on their display above the level number, a
// note on the panel (a hint, the win), and the hinted key as an arrow on the
// robot's cell. The view asks for them whenever it draws, so a full paint
// shows them as they are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "world/play_rules.h"

namespace trelux {

struct PlayPanel {
  int32_t moves = 0;
  std::optional<int32_t> best;
  std::string note;             // empty: none
  std::optional<PlayKey> hint;  // Up, Down, Left or Right
};

class PlayPanelSource {
 public:
  virtual ~PlayPanelSource() = default;
  virtual PlayPanel playPanel() = 0;
};

}  // namespace trelux
