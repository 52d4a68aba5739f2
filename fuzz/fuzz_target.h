// A fuzz target feeds arbitrary bytes through one of the game's loaders. Each
// target defines the libFuzzer entry point and a few valid inputs to start
// from; the same source builds a libFuzzer program (the "fuzz" preset) and a
// deterministic smoke run that CTest runs under the sanitizers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace trelux::fuzz {

std::vector<std::string> seedInputs();

}  // namespace trelux::fuzz
