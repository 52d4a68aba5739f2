// The light pass runs after every push and pull, twice when a move is taken
// back, so it must stay far below a frame even on the largest levels.
#include <string>

#include <benchmark/benchmark.h>

#include "puzzles/level_text.h"
#include "world/level_grid.h"
#include "world/light.h"

namespace {

// A 22 x 22 level (the editor's largest) crossed by white lasers, with rows
// of mirrors and T-mirrors that split and fold the beams into loops.
std::string busyLevel() {
  std::string text;
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 22; ++x) {
      std::string cell = ".";
      if (x == 0 || y == 0 || x == 21 || y == 21) {
        cell = "#";
      } else if (x == 1 && y % 4 == 2) {
        cell = ">w";
      } else if (y == 1 && x % 4 == 3) {
        cell = "vw";
      } else if ((x + y) % 7 == 0) {
        cell = (x % 2) ? "/w" : "\\c";
      } else if ((x * y) % 11 == 5) {
        cell = std::string("T") + "nesw"[(x + y) % 4];
      } else if ((x + 2 * y) % 13 == 0) {
        cell = "Lm";
      }
      text += cell + (x == 21 ? "\n" : " ");
    }
  }
  return text;
}

void BM_RefreshBusyLevel(benchmark::State& state) {
  trelux::LevelGrid grid;
  std::string error;
  if (!trelux::parseLevelText(busyLevel(), grid, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    trelux::refreshLight(grid);
    benchmark::DoNotOptimize(grid.cell(10, 10).light(0));
  }
}
BENCHMARK(BM_RefreshBusyLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
