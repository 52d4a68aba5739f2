#!/usr/bin/env bash
# Installs what is missing, builds both builds (native and win32, plus the
# libFuzzer programs) and runs every test: natively with AddressSanitizer and
# UBSan, a short fuzzing run, and the Windows programs under Wine. Exit code 0
# only when all pass.
set -uo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh || { echo "test.sh: installing the dependencies failed" >&2; exit 1; }

build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}
build native || exit 1
build fuzz || exit 1
build win32 || exit 1

status=0
ctest --preset native || status=1
# A short libFuzzer run of each fuzz target; any crash, hang or sanitizer
# report fails it.
ctest --preset fuzz || status=1

trap 'scripts/wine-prefix.sh stop build/win32' EXIT
if scripts/wine-prefix.sh start build/win32; then
  ctest --preset win32 || status=1
else
  echo "test.sh: the Wine prefix or its display did not start, so the Windows tests did not run" >&2
  status=1
fi

if [ "$status" -ne 0 ]; then
  echo "test.sh: some tests failed (see the summaries above)" >&2
fi
exit "$status"
