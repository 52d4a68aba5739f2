#!/usr/bin/env bash
# The solver's benchmark: proves every shipped level's stored solution
# shortest, with the optimised tool, and prints the time of each level and of
# all of them. Target: under 10 s a level, under 2 minutes in all.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native-release >/dev/null
cmake --build build/native-release --target trelux-tool >/dev/null
sets=(levels/training.txt levels/spectrum.txt levels/prism_master.txt levels/afterglow.txt levels/night_shift.txt)
build/native-release/tools/trelux-tool/trelux-tool check "${sets[@]}"
