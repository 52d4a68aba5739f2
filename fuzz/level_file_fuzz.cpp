// Level files come from the puzzle server and from other authors: whatever
// their bytes, opening, listing, entering and playing their levels must not
// crash or hang. The set is read from memory, through the same code that
// reads the file, so that a run passes millions of inputs.
#include <sstream>
#include <string>

#include "fuzz_target.h"
#include "puzzles/default_level.h"
#include "puzzles/level_text.h"
#include "puzzles/puzzle_set_file.h"
#include "world/level_codec.h"
#include "world/level_grid.h"
#include "world/play_model.h"
#include "world/play_recorder.h"
#include "world/play_rules.h"

namespace {

// The last bytes of the input double as keys, so moves run on every level;
// a win records the progress, as the play screen does.
void playLevel(trelux::PlayModel& model, int32_t level, const uint8_t* data, size_t size) {
  if (!model.goToLevel(level)) return;
  model.startRunning();
  trelux::PlayRecorder recorder;
  constexpr trelux::PlayKey kKeys[] = {trelux::PlayKey::Up, trelux::PlayKey::Down,
                                       trelux::PlayKey::Left, trelux::PlayKey::Right,
                                       trelux::PlayKey::Space};
  for (size_t i = size > 32 ? size - 32 : 0; i < size; ++i) {
    if (trelux::handlePlayKey(model, kKeys[data[i] % 5], recorder)) {
      model.recordProgress(static_cast<uint8_t>(level + 1));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::stringbuf bytes(std::string(reinterpret_cast<const char*>(data), size),
                       std::ios::in | std::ios::out | std::ios::binary);
  trelux::PlayModel model;
  if (!model.puzzleSet().openBuffer(bytes)) return 0;
  model.puzzleSet().countLevels();
  for (int32_t level = 0; level < 4; ++level) {
    playLevel(model, level, data, size);
    model.stopRunning();
    model.puzzleSet().isLastLevel();
  }
  return 0;
}

namespace trelux::fuzz {

std::vector<std::string> seedInputs() {
  std::string header(kHeaderSize, '\0');
  std::string withCode = header;
  withCode[1] = static_cast<char>(kCodeFlag);
  withCode[2] = static_cast<char>('A' ^ 0xFF);
  LevelGrid grid;
  std::string error;
  parseLevelText("# # # # # # #\n"
                 "# @ . Lr . . #\n"
                 "# . \\w . Snr . #\n"
                 "# >w . Tn . . #\n"
                 "# . . . /b Swm #\n"
                 "# # # # # # #\n",
                 grid, error);
  std::ostringstream level;
  level.put(static_cast<char>(kLiveMarker));
  grid.setDescription(true, "A level\r\nwith two lines");
  writeLevelContent(level, grid);
  return {header + defaultLevelRecord(), withCode + defaultLevelRecord() + defaultLevelRecord(),
          header + level.str() + std::string(100, 'R') + level.str()};
}

}  // namespace trelux::fuzz
