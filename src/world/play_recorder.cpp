#include "world/play_recorder.h"

namespace trelux {

void PlayRecorder::playSound(const std::string& name) {
  events_.push_back("sound " + name);
  sounds_.push_back(name);
}

void PlayRecorder::paint() { events_.emplace_back("paint"); }

void PlayRecorder::redrawCell(int32_t x, int32_t y) {
  events_.push_back("cell " + std::to_string(x) + " " + std::to_string(y));
}

void PlayRecorder::redrawRobot() { events_.emplace_back("robot"); }

void PlayRecorder::pause(int32_t milliseconds) {
  events_.push_back("pause " + std::to_string(milliseconds));
}

void PlayRecorder::clear() {
  events_.clear();
  sounds_.clear();
}

}  // namespace trelux
