#!/usr/bin/env bash
# Installs every package the build, the tests and the game need on Debian 12.
# Idempotent and quick when everything is already there. Must run as root
# (or through sudo) on a machine that reaches Debian's package mirrors.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 libasound2:i386 fonts-wine fonts-liberation
  xvfb xauth xdotool imagemagick x11-utils
  clang libclang-rt-14-dev
  # The host tools: trelux-art writes PNG with libpng, trelux-tool JSON with nlohmann-json.
  libpng-dev nlohmann-json3-dev
  python3 python3-numpy python3-pil sox
)

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

need=$(missing)
if [ -z "$need" ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    exec sudo -E bash "$0" "$@"
  fi
  echo "deps.sh: these packages are missing and installing them needs root:" >&2
  echo "$need" >&2
  exit 1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $need
