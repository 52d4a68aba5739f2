#!/usr/bin/env bash
# Installs every package the build, the tests and the game need on Debian 12,
# and no other.
# Idempotent and quick when everything is already there. Must run as root
# (or through sudo) on a machine that reaches Debian's package mirrors.
set -euo pipefail

packages=(
  # Both builds: the build system, and g++ for the native-release preset.
  cmake ninja-build g++
  # The tests: the Windows builds compile GoogleTest from its sources, the
  # native build links Debian's compiled one.
  googletest libgtest-dev libgmock-dev
  # bench/ (built when present; numbers from the native-release preset).
  libbenchmark-dev
  # The win32 build: i686 compilers with POSIX threads (GoogleTest needs
  # std::mutex), windres and the linker; windres preprocesses with the gcc.
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  # The win64 build: the tests' build where the kernel runs no 32-bit code.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  # Running the game and the win32 tests: 32-bit Wine, ALSA for DirectSound,
  # Wine's own fonts (dialogs) and the look-alikes Wine takes for Arial and
  # Courier New (the game's text).
  wine wine32:i386 libasound2:i386 fonts-wine fonts-liberation
  # The test display and the end-to-end tests: Xvfb, xdpyinfo (is the display
  # up?), xdotool (windows, keys, clicks), ImageMagick (convert, identify).
  xvfb x11-utils xdotool imagemagick
  # The native and fuzz presets and the host programs: clang, its sanitizer
  # and libFuzzer runtimes, and its linker.
  clang libclang-rt-14-dev lld
  # The host tools: trelux-art writes PNG with libpng, trelux-tool JSON with
  # nlohmann-json (the win32 build's trelux-tool.exe too: the header only).
  libpng-dev nlohmann-json3-dev
  # The downloader's end-to-end test serves the published puzzle sets through a
  # real web server: nginx, started by the test on a free port with its own
  # configuration (the package's own service is not used).
  nginx-light
  # Test helpers: the test WAV files, the screenshots and their checks and the
  # capture checks of the end-to-end tests (numpy, PIL).
  python3 python3-numpy python3-pil
  # The installer's end-to-end test runs Wine in Russian and in French (Wine
  # takes its ANSI code page from the locale), which must be generated.
  locales
)
wine_locales=(ru_RU.UTF-8 fr_FR.UTF-8)

missing_locales() {
  local l
  for l in "${wine_locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l%%.*}.utf8" || echo "$l"
  done
}

generate_locales() {
  local l
  [ -n "$(missing_locales)" ] || return 0
  for l in $(missing_locales); do
    sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" >>/etc/locale.gen
  done
  locale-gen >/dev/null
}

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

need=$(missing)
if [ -z "$need" ] && [ -z "$(missing_locales)" ]; then
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
if [ -n "$need" ]; then
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $need
fi
generate_locales
