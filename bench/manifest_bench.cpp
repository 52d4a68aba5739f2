// The worst manifests a server can send, read as the game reads them: 1 MiB
// whose section names all fall into one bucket of the keyed document's table
// (bucket 7), and the keys of each section too. "WorstTaken" holds as many
// sets and keys as the limits take, then names the last set and key again
// until the size limit; the others are refused at a limit as they are read.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "doc/keyed_document.h"
#include "doc/name_hash.h"
#include "download/internet_error.h"
#include "download/manifest.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesInOneBucket(const std::string& prefix, size_t count) {
  std::vector<std::string> names;
  for (uint64_t i = 0; names.size() < count; ++i) {
    std::string name = prefix + std::to_string(i);
    if (trelux::nameHash(name) % 100 == 7) names.push_back(name);
  }
  return names;
}

// sets sections of keys lines each (name and path among them), then the
// last header and key again up to 1 MiB.
std::string oneBucketManifest(size_t sets, size_t keys) {
  const std::vector<std::string> sections = namesInOneBucket("set", sets);
  const std::vector<std::string> extra = namesInOneBucket("k", keys - 2);
  std::string text;
  for (const std::string& section : sections) {
    text += "[" + section + "]\nname = Set " + section + "\npath = http://h/" + section + "\n";
    for (const std::string& key : extra) text += key + " = v\n";
    if (text.size() > trelux::kMaxManifestSize) break;
  }
  const std::string key = extra.empty() ? "name" : extra.back();
  const std::string again = "[" + sections.back() + "]\n" + key + " = w\n";
  while (text.size() + again.size() <= trelux::kMaxManifestSize) text += again;
  text.resize(std::min<size_t>(text.size(), trelux::kMaxManifestSize));
  return text.substr(0, text.rfind('\n') + 1);
}

void readWorst(benchmark::State& state, size_t sets, size_t keys) {
  const fs::path path = fs::temp_directory_path() / "trelux-bench-manifest.txt";
  const std::string text = oneBucketManifest(sets, keys);
  if (FILE* f = std::fopen(path.string().c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  bool taken = false;
  for (auto _ : state) {
    trelux::KeyedDocument doc;
    try {
      trelux::readManifest(doc, path.string());
      taken = true;
    } catch (const trelux::InternetError&) {
      taken = false;
    }
    benchmark::DoNotOptimize(doc);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  state.counters["taken"] = taken;
  fs::remove(path);
}

void BM_ManifestWorstTaken(benchmark::State& state) {
  readWorst(state, trelux::kMaxManifestSets, trelux::kMaxSetKeys);
}
BENCHMARK(BM_ManifestWorstTaken)->Unit(benchmark::kMillisecond);

void BM_ManifestTooManySets(benchmark::State& state) { readWorst(state, 30'000, 2); }
BENCHMARK(BM_ManifestTooManySets)->Unit(benchmark::kMillisecond);

void BM_ManifestTooManyKeys(benchmark::State& state) { readWorst(state, 1, 90'000); }
BENCHMARK(BM_ManifestTooManyKeys)->Unit(benchmark::kMillisecond);

}  // namespace
