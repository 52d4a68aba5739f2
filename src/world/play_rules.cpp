#include "world/play_rules.h"

#include "world/moves.h"
#include "world/play_effects.h"
#include "world/play_model.h"

namespace trelux {

bool handlePlayKey(PlayModel& model, PlayKey key, PlayEffects& effects) {
  if (!model.isRunning()) return false;
  switch (key) {
    case PlayKey::Up: moveForward(model, effects); break;
    case PlayKey::Down: moveBackward(model, effects); break;
    case PlayKey::Left: turnLeft(model, effects); break;
    case PlayKey::Right: turnRight(model, effects); break;
    case PlayKey::Space: model.startRunning(); break;
    case PlayKey::Other: break;
  }
  // Every key, also an ignored one, ends with the completion test.
  if (!model.isLevelComplete()) return false;
  effects.playSound(kWinSound);
  model.stopRunning();
  return true;
}

}  // namespace trelux
