#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/deps.sh
cmake --preset win32 >/dev/null && cmake --build --preset win32
cmake --preset native >/dev/null && cmake --build --preset native --target trelux-tool

# Only the portable core and the authors' tool exist so far: the game's
# window (trelux.exe) and its resource library are not built yet, so there
# is nothing to start under Wine.
cat <<'MSG'

Trelux: the game window is not built yet, so there is nothing to play.
What is there: the game's core (rules of light and movement, level files,
puzzle-set catalogue, editor storage, settings) and the authors' tool:

  build/native/tools/trelux-tool/trelux-tool info LEVELS.DAT
  build/native/tools/trelux-tool/trelux-tool replay LEVELS.DAT LEVEL KEYS

./test.sh runs every test of it, natively and under Wine.
MSG
