// The play screen's handling of a key, as logic: the move while a level is
// being played, then the completion test after every key.
#pragma once

namespace trelux {

class PlayEffects;
class PlayModel;

enum class PlayKey { Up, Down, Left, Right, Space, Other };

// Returns true when this key won the level: "win.wav" has played and the
// model has stopped running; the caller offers the next level and records
// the progress. Keys do nothing while the model is not running.
bool handlePlayKey(PlayModel& model, PlayKey key, PlayEffects& effects);

}  // namespace trelux
