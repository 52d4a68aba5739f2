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

# Runs the compilers with their heaps on transparent huge pages, where the
# kernel gives them on request: clang then builds in a fifth less CPU time,
# spending less in page faults (mingw's GCC keeps a heap of its own).
huge_pages=(env "GLIBC_TUNABLES=${GLIBC_TUNABLES:+$GLIBC_TUNABLES:}glibc.malloc.hugetlb=1")
# Builds PRESET in folder DIR [with CMAKE_ARGS...] at a lower priority.
build_beside() {
  local preset=$1 dir=$2
  shift 2
  cmake --preset "$preset" -B "$dir" "$@" >/dev/null &&
    nice -n 10 "${huge_pages[@]}" cmake --build "$dir"
}
# Runs COMMAND... in the background, its output kept in LOG until collected.
background() {
  local log=$1
  shift
  (
    start=$SECONDS
    "$@" >"$log" 2>&1
    echo "$? $(( SECONDS - start ))" >"$log.end"
  ) &
}
# Waits for the background job PID, shows its LOG and notes it as phase NAME;
# fails when the job failed.
collect() {
  local name=$1 log=$2 pid=$3 result took
  wait "$pid"
  cat "$log"
  read -r result took <"$log.end" || { result=1; took=0; }
  times+=("$(printf '%5d s  %s' "$took" "$name")")
  return "$result"
}
# The native build, then its tests and with them a short libFuzzer run of
# each fuzz target (any crash, hang or sanitizer report fails it).
native_build_and_tests() {
  build_beside native build/native && nice -n 10 ctest --preset native
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
# prefix and its display start beside it, and the native build and tests
# run beside it and its tests at a lower priority, taking what CPU they
# leave, so that their windows never wait for the compiler.
cmake --preset "$windows" "${windows_args[@]}" >/dev/null || exit 1
prefix_log="build/$windows-prefix-start.log"
background "$prefix_log" scripts/wine-prefix.sh start "build/$windows"
prefix_pid=$!
native_log="build/native-build-and-tests.log"
background "$native_log" native_build_and_tests
native_pid=$!
windows_built=yes
phase "$windows build" "${huge_pages[@]}" cmake --build --preset "$windows" || { windows_built=; status=1; }

windows_log="build/$windows-tests.log"
windows_pid=
if ! collect "Wine prefix start, beside the build" "$prefix_log" "$prefix_pid"; then
  echo "test.sh: the Wine prefix or its display did not start, so the Windows tests did not run" >&2
  status=1
elif [ -n "$windows_built" ]; then
  background "$windows_log" ctest --preset "$windows"
  windows_pid=$!
fi

if [ "$windows" = win64 ] && [ -n "$windows_built" ]; then
  # Here the 32-bit game is only built to show that it builds: at -Og, which
  # takes a quarter less time than the game's -O3, in a folder of its own.
  phase "win32 build (the game, -Og), beside the Windows tests" \
    build_beside win32 build/win32-check -DTRELUX_TESTS=OFF "$host_tools" \
      "-DCMAKE_CXX_FLAGS_RELEASE=-Og -DNDEBUG" ||
    status=1
fi
collect "native build, tests and fuzz runs, beside the rest" "$native_log" "$native_pid" || status=1
if [ -n "$windows_pid" ]; then
  collect "$windows tests under Wine" "$windows_log" "$windows_pid" || status=1
fi

if [ "$status" -ne 0 ]; then
  echo "test.sh: some tests failed (see the summaries above)" >&2
fi
exit "$status"
