// The effects of a move on the screen: sounds through the sound manager,
// drawing through the game view, and the zap's pause. The game is
// single-threaded, so the pause waits inside the move; it lets the window
// draw meanwhile (the board with the robot in the beam must reach the screen
// and stay there) while keys and clicks wait in the queue, to be handled in
// order once the move is taken back.
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
