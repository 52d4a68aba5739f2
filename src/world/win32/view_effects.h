// The effects of a move on the screen: sounds through the sound manager,
// drawing through the game view, the zap's pause as a plain sleep (the
// window does not react meanwhile, as the game always behaved).
#pragma once

#include "world/play_effects.h"

namespace trelux {

class GameView;

class ViewEffects : public PlayEffects {
 public:
  explicit ViewEffects(GameView& view) : view_(view) {}
  void playSound(const std::string& name) override;
  void paint() override;
  void redrawCell(int32_t x, int32_t y) override;
  void redrawRobot() override;
  void pause(int32_t milliseconds) override;

 private:
  GameView& view_;
};

}  // namespace trelux
