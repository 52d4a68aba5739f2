// A PlayEffects that only writes down what was asked of it, in order: the
// replay tool reads the sounds from it and tests check the whole sequence.
// It never waits.
#pragma once

#include <string>
#include <vector>

#include "world/play_effects.h"

namespace trelux {

class PlayRecorder : public PlayEffects {
 public:
  void playSound(const std::string& name) override;
  void paint() override;
  void redrawCell(int32_t x, int32_t y) override;
  void redrawRobot() override;
  void pause(int32_t milliseconds) override;

  // "sound push.wav", "paint", "cell 2 3", "robot", "pause 500".
  const std::vector<std::string>& events() const { return events_; }
  const std::vector<std::string>& sounds() const { return sounds_; }
  void clear();

 private:
  std::vector<std::string> events_;
  std::vector<std::string> sounds_;
};

}  // namespace trelux
