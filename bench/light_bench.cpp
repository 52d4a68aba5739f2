// The light pass runs after every push and pull, twice when a move is taken
// back, so it must stay far below a frame even on the largest levels.
#include <memory>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "puzzles/level_text.h"
#include "world/level_grid.h"
#include "world/light.h"
#include "world/objects.h"

namespace {

// The editor's largest level, 22 x 22 with the wall ring, with a laser of
// each of the seven colours on its west side, the rest of the interior drawn
// at random: mirrors (white, so light keeps bouncing), T-mirrors that split
// it, lenses, and either more mirrors or floor. The seeds and shares are the
// slowest of a search over 40 seeds and many shares on this machine.
struct Mix {
  unsigned seed;
  unsigned mirrors;   // percent
  unsigned tMirrors;  // percent
  unsigned lenses;    // percent
  bool floorElsewhere;
};
constexpr Mix kFilled{9, 40, 10, 5, false};
constexpr Mix kOpen{30, 20, 30, 5, true};

std::string worstCaseLevel(const Mix& mix) {
  static const char* const kTMirrors[] = {"Tn", "Te", "Ts", "Tw"};
  static const char* const kMirrors[] = {"\\w", "/w"};
  static const char* const kLenses[] = {"Lw", "Lm", "Lc", "Ly", "Lr", "Lg", "Lb"};
  static const char* const kLasers[] = {">r", ">g", ">y", ">b", ">m", ">c", ">w"};
  std::mt19937 random(mix.seed);  // its raw output is the same everywhere
  std::string text;
  for (int y = 0; y < 22; ++y) {
    for (int x = 0; x < 22; ++x) {
      const char* cell = "#";
      if (x == 0 || y == 0 || x == 21 || y == 21) {
        cell = "#";
      } else if (x == 1 && y % 3 == 2) {
        cell = kLasers[y / 3];
      } else {
        const unsigned k = random() % 100;
        if (k < mix.mirrors) {
          cell = kMirrors[random() % 2];
        } else if (k < mix.mirrors + mix.tMirrors) {
          cell = kTMirrors[random() % 4];
        } else if (k < mix.mirrors + mix.tMirrors + mix.lenses) {
          cell = kLenses[random() % 7];
        } else {
          cell = mix.floorElsewhere ? "." : kMirrors[random() % 2];
        }
      }
      text += cell;
      text += x == 21 ? "\n" : " ";
    }
  }
  return text;
}

int32_t litSides(const trelux::LevelGrid& grid) {
  int32_t lit = 0;
  for (int32_t y = 0; y < grid.height(); ++y) {
    for (int32_t x = 0; x < grid.width(); ++x) {
      for (trelux::Direction side : trelux::kDirections) lit += grid.cell(x, y).light(side) != 0;
    }
  }
  return lit;
}

void refreshBenchmark(benchmark::State& state, const Mix& mix) {
  trelux::LevelGrid grid;
  std::string error;
  if (!trelux::parseLevelText(worstCaseLevel(mix), grid, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    trelux::refreshLight(grid);
    benchmark::DoNotOptimize(grid.cell(10, 10).light(trelux::kNorth));
  }
  state.counters["lit_sides"] = litSides(grid);
}

void BM_RefreshFilledInterior(benchmark::State& state) { refreshBenchmark(state, kFilled); }
void BM_RefreshOpenInterior(benchmark::State& state) { refreshBenchmark(state, kOpen); }
BENCHMARK(BM_RefreshFilledInterior)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshOpenInterior)->Unit(benchmark::kMicrosecond);

// The largest grid a level file can hold, half of it lasers: a file made to
// hurt must not freeze the game or the tools.
void BM_RefreshLargestGridOfLasers(benchmark::State& state) {
  trelux::LevelGrid grid;
  grid.beginLevel(255, 255);
  for (int y = 0; y < 255; ++y) {
    for (int x = 0; x < 255; ++x) {
      if ((x + y) % 2) {
        grid.appendCell(std::make_unique<trelux::Laser>(trelux::kWhite, trelux::directionOf(x * y)));
      } else {
        grid.appendCell(std::make_unique<trelux::Floor>());
      }
    }
  }
  grid.markLoaded();
  for (auto _ : state) {
    trelux::refreshLight(grid);
    benchmark::DoNotOptimize(grid.cell(10, 10).light(trelux::kNorth));
  }
}
BENCHMARK(BM_RefreshLargestGridOfLasers)->Unit(benchmark::kMillisecond);

}  // namespace
