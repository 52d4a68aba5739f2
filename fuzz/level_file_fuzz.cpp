// Level files come from the puzzle server and from other authors: whatever
// their bytes, opening, listing, entering and playing their levels must not
// crash or hang.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

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

namespace fs = std::filesystem;

const std::string& scratchFile() {
  static const std::string path =
      (fs::temp_directory_path() / ("trelux-fuzz-" + std::to_string(::getpid()) + ".dat")).string();
  return path;
}

void writeBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The last bytes of the input double as keys, so moves run on every level.
void playLevel(trelux::PlayModel& model, int32_t level, const uint8_t* data, size_t size) {
  if (!model.goToLevel(level)) return;
  model.startRunning();
  trelux::PlayRecorder recorder;
  constexpr trelux::PlayKey kKeys[] = {trelux::PlayKey::Up, trelux::PlayKey::Down,
                                       trelux::PlayKey::Left, trelux::PlayKey::Right,
                                       trelux::PlayKey::Space};
  for (size_t i = size > 32 ? size - 32 : 0; i < size; ++i) {
    trelux::handlePlayKey(model, kKeys[data[i] % 5], recorder);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = scratchFile();
  writeBytes(path, data, size);
  trelux::PlayModel model;
  if (!model.loadSet(path)) return 0;
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
