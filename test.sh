#!/usr/bin/env bash
# Installs what is missing, builds both builds (native with the libFuzzer
# programs, and win32) and runs every test: natively with AddressSanitizer and
# UBSan, a short fuzzing run, and the Windows programs under Wine, beside the
# rest. Exit code 0 only when all pass. Ends with the time each phase took.
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

# Builds PRESET [CMAKE_ARGS...] at a lower priority.
build_beside() {
  local preset=$1
  shift
  cmake --preset "$preset" "$@" >/dev/null && nice -n 10 cmake --build --preset "$preset"
}
# The Windows tests run from the build that runs here (scripts/windows-build.sh);
# where that is the 64-bit one, the 32-bit build still makes the game.
. scripts/windows-build.sh

# Both Windows builds take their host programs (trelux-art, trelux-tool)
# from one native sub-build.
host_tools="-DTRELUX_HOST_BINARY_DIR=$PWD/build/host"
windows=$windows_preset
if [ "$windows" = win32 ]; then
  windows_args=(-DTRELUX_TESTS=ON "$host_tools")
else
  echo "test.sh: this machine runs no 32-bit code: the Windows tests run from the 64-bit build"
  windows_args=("$host_tools")
fi

status=0
trap 'scripts/wine-prefix.sh stop "build/$windows"; report_times' EXIT
# The Windows build comes first, since its tests take longest; the Wine
# prefix and its display start beside it.
cmake --preset "$windows" "${windows_args[@]}" >/dev/null || exit 1
prefix_log="build/$windows-prefix-start.log"
(
  start=$SECONDS
  scripts/wine-prefix.sh start "build/$windows" >"$prefix_log" 2>&1
  echo "$? $(( SECONDS - start ))" >"$prefix_log.end"
) &
prefix_pid=$!
phase "$windows build" cmake --build --preset "$windows" || exit 1
wait "$prefix_pid"
cat "$prefix_log"
read -r prefix_result took <"$prefix_log.end" || { prefix_result=1; took=0; }
times+=("$(printf '%5d s  %s' "$took" "Wine prefix start, beside the build")")

# The Windows tests spend most of their time waiting for windows, one program
# at a time, so every other build and test runs beside them, at a lower
# priority so that their windows never wait for the compiler.
windows_log="build/$windows-tests.log"
windows_pid=
if [ "$prefix_result" -eq 0 ]; then
  (
    start=$SECONDS
    ctest --preset "$windows" >"$windows_log" 2>&1
    result=$?
    echo "$result $(( SECONDS - start ))" >"$windows_log.end"
  ) &
  windows_pid=$!
else
  echo "test.sh: the Wine prefix or its display did not start, so the Windows tests did not run" >&2
  status=1
fi

phase "native build, beside them" build_beside native || status=1
# With them a short libFuzzer run of each fuzz target; any crash, hang or
# sanitizer report fails it.
phase "native tests and fuzz runs, beside them" nice -n 10 ctest --preset native || status=1
if [ "$windows" = win64 ]; then
  phase "win32 build (the game), beside them" build_beside win32 -DTRELUX_TESTS=OFF "$host_tools" ||
    status=1
fi

if [ -n "$windows_pid" ]; then
  waited=$SECONDS
  wait "$windows_pid"
  cat "$windows_log"
  read -r result took <"$windows_log.end" || { result=1; took=0; }
  times+=("$(printf '%5d s  %s' "$took" "$windows tests under Wine (of which $(( SECONDS - waited )) s alone)")")
  [ "$result" -eq 0 ] || status=1
fi

if [ "$status" -ne 0 ]; then
  echo "test.sh: some tests failed (see the summaries above)" >&2
fi
exit "$status"
