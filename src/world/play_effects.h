// What a move asks of the screen around it: sounds, redraws and the pause
// that shows a zapped robot. The game's view implements it; tests and the
// replay tool record the calls instead.
#pragma once

#include <cstdint>
#include <string>

namespace trelux {

class PlayEffects {
 public:
  virtual ~PlayEffects() = default;
  virtual void playSound(const std::string& name) = 0;
  // Redraws the whole board.
  virtual void paint() = 0;
  virtual void redrawCell(int32_t x, int32_t y) = 0;
  // Redraws the robot at its current position and direction.
  virtual void redrawRobot() = 0;
  // Blocks for the given time while the board shows what was painted.
  virtual void pause(int32_t milliseconds) = 0;
};

inline constexpr const char* kPushSound = "push.wav";
inline constexpr const char* kZapSound = "zap.wav";
inline constexpr const char* kWinSound = "win.wav";
inline constexpr int32_t kZapPauseMs = 500;

}  // namespace trelux
