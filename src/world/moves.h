// The robot's four arrow-key moves. A step, push or pull that leaves the
// robot standing in light is shown, zapped, and taken back.
#pragma once

namespace trelux {

class PlayEffects;
class PlayModel;

void moveForward(PlayModel& model, PlayEffects& effects);
void moveBackward(PlayModel& model, PlayEffects& effects);
void turnLeft(PlayModel& model, PlayEffects& effects);
void turnRight(PlayModel& model, PlayEffects& effects);

}  // namespace trelux
