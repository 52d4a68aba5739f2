// Entering a level reopens the file and scans for its marker once; the
// record index makes later visits cheap. This measures the first visit to
// the last of 255 levels and the visits after it.
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "puzzles/puzzle_set_file.h"
#include "world/level_grid.h"

namespace {

namespace fs = std::filesystem;

std::string makeBigSet() {
  const fs::path path = fs::temp_directory_path() / "trelux-bench-levels.dat";
  trelux::PuzzleSetFile set;
  if (!set.createSetFile(path.string())) return {};
  for (int i = 1; i < 255; ++i) {
    if (!set.appendLevel()) return {};
  }
  set.close();
  return path.string();
}

void BM_FirstVisitOfLastLevel(benchmark::State& state) {
  const std::string path = makeBigSet();
  if (path.empty()) {
    state.SkipWithError("cannot write the level file");
    return;
  }
  for (auto _ : state) {
    trelux::PuzzleSetFile set;
    trelux::LevelGrid grid;
    benchmark::DoNotOptimize(set.open(path) && set.seekLevel(254) && set.readLevel(grid));
  }
  fs::remove(path);
}
BENCHMARK(BM_FirstVisitOfLastLevel)->Unit(benchmark::kMicrosecond);

void BM_RevisitOfIndexedLevel(benchmark::State& state) {
  const std::string path = makeBigSet();
  trelux::PuzzleSetFile set;
  if (path.empty() || !set.open(path) || !set.seekLevel(254)) {
    state.SkipWithError("cannot write the level file");
    return;
  }
  trelux::LevelGrid grid;
  for (auto _ : state) {
    benchmark::DoNotOptimize(set.seekLevel(254) && set.readLevel(grid));
  }
  fs::remove(path);
}
BENCHMARK(BM_RevisitOfIndexedLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
