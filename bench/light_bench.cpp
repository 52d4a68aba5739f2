// The light pass runs after every push and pull, twice when a move is taken
// back, so it must stay far below a frame even on the largest levels.
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "puzzles/level_text.h"
#include "world/level_grid.h"
#include "world/light.h"
#include "world/objects.h"

namespace {

// A 22 x 22 level (the editor's largest) crossed by white lasers, with rows
// of mirrors and T-mirrors that split and fold the beams into loops.
std::string busyLevel() {
  std::string text;
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 22; ++x) {
      static const char* const kTMirrors[] = {"Tn", "Te", "Ts", "Tw"};
      const char* cell = ".";
      if (x == 0 || y == 0 || x == 21 || y == 21) {
        cell = "#";
      } else if (x == 1 && y % 4 == 2) {
        cell = ">w";
      } else if (y == 1 && x % 4 == 3) {
        cell = "vw";
      } else if ((x + y) % 7 == 0) {
        cell = (x % 2) ? "/w" : "\\c";
      } else if ((x * y) % 11 == 5) {
        cell = kTMirrors[(x + y) % 4];
      } else if ((x + 2 * y) % 13 == 0) {
        cell = "Lm";
      }
      text += cell;
      text += x == 21 ? "\n" : " ";
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

// The largest grid a level file can hold, half of it lasers: a file made to
// hurt must not freeze the game or the tools.
void BM_RefreshLargestGridOfLasers(benchmark::State& state) {
  trelux::LevelGrid grid;
  grid.beginLevel(255, 255);
  for (int y = 0; y < 255; ++y) {
    for (int x = 0; x < 255; ++x) {
      if ((x + y) % 2) {
        grid.appendCell(std::make_unique<trelux::Laser>(trelux::kWhite, (x * y) % 4));
      } else {
        grid.appendCell(std::make_unique<trelux::Floor>());
      }
    }
  }
  grid.markLoaded();
  for (auto _ : state) {
    trelux::refreshLight(grid);
    benchmark::DoNotOptimize(grid.cell(10, 10).light(0));
  }
}
BENCHMARK(BM_RefreshLargestGridOfLasers)->Unit(benchmark::kMillisecond);

}  // namespace
