# Which Windows build runs on this machine (sourced by test.sh and play.sh).
# The game is a 32-bit program, run under 32-bit Wine. Some kernels run no
# 32-bit code at all; there the same sources built for 64-bit Windows run
# under 64-bit Wine. Sets windows_preset, wine_loader and WINEARCH.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  windows_preset=win32
  wine_loader=wine
  export WINEARCH=win32
else
  windows_preset=win64
  # Debian's `wine` starts the 32-bit loader whenever it is installed.
  wine_loader=/usr/lib/wine/wine64
  export WINEARCH=win64 WINELOADER=$wine_loader
fi
