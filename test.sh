#!/usr/bin/env bash
# Installs what is missing, builds both builds (native and win32, plus the
# libFuzzer programs) and runs every test: natively with AddressSanitizer and
# UBSan, a short fuzzing run, and the Windows programs under Wine. Exit code 0
# only when all pass. Ends with the time each phase took.
set -uo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh || { echo "test.sh: installing the dependencies failed" >&2; exit 1; }

times=()
# Runs COMMAND... as the phase NAME and notes how long it took.
phase() {
  local name=$1 start=$SECONDS result=0
  shift
  "$@" || result=$?
  times+=("$(printf '%5d s  %s' $(( SECONDS - start )) "$name")")
  return "$result"
}
report_times() {
  echo "test.sh: time per phase"
  printf '  %s\n' "${times[@]}"
}
trap report_times EXIT

# build PRESET [CMAKE_ARGS...]
build() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null && cmake --build --preset "$preset"
}
# The Windows tests run from the build that runs here (scripts/windows-build.sh);
# where that is the 64-bit one, the 32-bit build still makes the game.
. scripts/windows-build.sh

# Both Windows builds take their host programs (trelux-art, trelux-tool)
# from one native sub-build.
host_tools="-DTRELUX_HOST_BINARY_DIR=$PWD/build/host"
phase "native build" build native || exit 1
phase "fuzz build" build fuzz || exit 1
windows=$windows_preset
if [ "$windows" = win32 ]; then
  phase "win32 build" build win32 -DTRELUX_TESTS=ON "$host_tools" || exit 1
else
  echo "test.sh: this machine runs no 32-bit code: the Windows tests run from the 64-bit build"
  phase "win32 build (the game)" build win32 -DTRELUX_TESTS=OFF "$host_tools" || exit 1
  phase "win64 build" build win64 "$host_tools" || exit 1
fi

status=0
phase "native tests" ctest --preset native || status=1
# A short libFuzzer run of each fuzz target; any crash, hang or sanitizer
# report fails it.
phase "fuzz runs" ctest --preset fuzz || status=1

trap 'scripts/wine-prefix.sh stop "build/$windows"; report_times' EXIT
if phase "Wine prefix start" scripts/wine-prefix.sh start "build/$windows"; then
  phase "$windows tests under Wine" ctest --preset "$windows" || status=1
else
  echo "test.sh: the Wine prefix or its display did not start, so the Windows tests did not run" >&2
  status=1
fi

if [ "$status" -ne 0 ]; then
  echo "test.sh: some tests failed (see the summaries above)" >&2
fi
exit "$status"
