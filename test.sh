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

build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}
phase "native build" build native || exit 1
phase "fuzz build" build fuzz || exit 1
phase "win32 build" build win32 || exit 1

status=0
phase "native tests" ctest --preset native || status=1
# A short libFuzzer run of each fuzz target; any crash, hang or sanitizer
# report fails it.
phase "fuzz runs" ctest --preset fuzz || status=1

trap 'scripts/wine-prefix.sh stop build/win32; report_times' EXIT
if phase "Wine prefix start" scripts/wine-prefix.sh start build/win32; then
  phase "win32 tests under Wine" ctest --preset win32 || status=1
else
  echo "test.sh: the Wine prefix or its display did not start, so the Windows tests did not run" >&2
  status=1
fi

if [ "$status" -ne 0 ]; then
  echo "test.sh: some tests failed (see the summaries above)" >&2
fi
exit "$status"
