// Runs a fuzz target over a fixed, reproducible set of inputs: its seeds,
// random bytes, and seeds with random bytes changed, inserted or removed.
// CTest runs it under the sanitizers; a crash or an abort fails the test.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "fuzz_target.h"

namespace {

std::string mutate(std::string input, std::mt19937& random) {
  std::uniform_int_distribution<int> byte(0, 255);
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    const size_t at = input.empty() ? 0 : random() % input.size();
    switch (random() % 4) {
      case 0: if (!input.empty()) input[at] = static_cast<char>(byte(random)); break;
      case 1: input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(byte(random))); break;
      case 2: if (!input.empty()) input.erase(at, 1 + random() % 16); break;
      default: if (!input.empty()) input.resize(at); break;
    }
  }
  return input;
}

void run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

// With "--seeds DIR" writes the seeds as files, a starting corpus for the
// libFuzzer program.
bool writeSeeds(const std::vector<std::string>& seeds, const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::string path = folder + "/seed-" + std::to_string(i);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::fwrite(seeds[i].data(), 1, seeds[i].size(), file);
    std::fclose(file);
  }
  return true;
}

int main(int argc, char** argv) {
  const std::vector<std::string> seeds = trelux::fuzz::seedInputs();
  if (argc == 3 && std::string(argv[1]) == "--seeds") return writeSeeds(seeds, argv[2]) ? 0 : 1;
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  std::mt19937 random(20261207);
  for (const std::string& seed : seeds) run(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < rounds; ++round) {
    if (round % 4 == 0) {
      std::string noise(random() % 512, '\0');
      for (char& c : noise) c = static_cast<char>(byte(random));
      run(noise);
    } else {
      run(mutate(seeds[random() % seeds.size()], random));
    }
  }
  std::printf("%d inputs ran cleanly\n", rounds + static_cast<int>(seeds.size()));
  return 0;
}
