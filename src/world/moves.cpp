#include "world/moves.h"

#include "world/play_effects.h"
#include "world/play_model.h"

namespace trelux {

namespace {

// The board shows the robot in the beam, the zap sounds, and only then is
// the move taken back.
void zapPause(PlayEffects& effects) {
  effects.paint();
  effects.playSound(kZapSound);
  effects.pause(kZapPauseMs);
}

// A plain step ahead (+1) or back (-1) onto a free cell; light is unchanged,
// so only the two cells involved are redrawn.
void stepRobot(PlayModel& model, PlayEffects& effects, Direction direction, Direction undoDirection) {
  const Position from = model.robotPosition();
  const Position to = step(from, direction);
  if (model.isOccupied(to.x, to.y)) return;
  model.moveRobotTo(to.x, to.y);
  if (model.robotInLight()) {
    zapPause(effects);
    const Position back = step(model.robotPosition(), undoDirection);
    model.moveRobotTo(back.x, back.y);
    effects.paint();
    return;
  }
  effects.redrawCell(from.x, from.y);
  effects.redrawRobot();
}

}  // namespace

void moveForward(PlayModel& model, PlayEffects& effects) {
  if (model.canPush()) {
    effects.playSound(kPushSound);
    model.push();
    if (model.robotInLight()) {
      zapPause(effects);
      model.pull();
    }
    effects.paint();
    return;
  }
  const Direction d = model.robotDirection();
  stepRobot(model, effects, d, opposite(d));
}

void moveBackward(PlayModel& model, PlayEffects& effects) {
  if (model.canPull()) {
    effects.playSound(kPushSound);
    model.pull();
    if (model.robotInLight()) {
      zapPause(effects);
      model.push();
    }
    effects.paint();
    return;
  }
  const Direction d = model.robotDirection();
  stepRobot(model, effects, opposite(d), d);
}

void turnLeft(PlayModel& model, PlayEffects& effects) {
  model.setRobotDirection(counterClockwise(model.robotDirection()));
  effects.redrawRobot();
}

void turnRight(PlayModel& model, PlayEffects& effects) {
  model.setRobotDirection(clockwise(model.robotDirection()));
  effects.redrawRobot();
}

}  // namespace trelux
