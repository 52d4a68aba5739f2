#!/usr/bin/env bash
# The solver's benchmark: proves every shipped level's stored solution
# shortest, with the optimised tool, and prints the time of each level, the
# slowest, and all of them (wall and CPU: other builds may share the cores).
# Each level's time is also the time of its first hint, a search from its
# start. Targets: under 1 s a level, under 10 s in all.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native-release >/dev/null
cmake --build build/native-release --target trelux-tool >/dev/null
sets=(levels/training.txt levels/spectrum.txt levels/prism_master.txt levels/afterglow.txt levels/night_shift.txt)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
TIMEFORMAT='cpu %U s user, %S s system, %R s wall'
time build/native-release/tools/trelux-tool/trelux-tool check "${sets[@]}" | tee "$out" || status=$?
# "Prism Master 10: 69 keys, stored 69, 0.465 s (cpu 0.380 s), ..." -> the slowest level.
awk -F', ' '/ s \(cpu / { split($0, name, ":"); t = $3 + 0; split($3, c, "cpu "); cpu = c[2] + 0
    if (t > worst) { worst = t; worstCpu = cpu; level = name[1] } }
  END { if (level != "") printf "slowest: %s, %.3f s (cpu %.3f s)\n", level, worst, worstCpu }' "$out"
exit "$status"
