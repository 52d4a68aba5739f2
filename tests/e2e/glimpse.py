#!/usr/bin/python3
"""Catches what the game shows only for a moment, such as the robot standing
in the beam during a zap's pause: presses the keys, then takes screenshots
as fast as the display gives them until a tile of the tileset shows at a
place, and keeps that screenshot.

    glimpse.py SHOT.png TILESET.bmp TILE X Y SECONDS KEY...

X, Y is the tile's top-left corner on the screen. Prints the milliseconds
from the keys to the screenshot; fails when the tile did not show within
SECONDS.
"""
import os
import subprocess
import sys
import time

import numpy as np
from PIL import Image, ImageGrab

TILE = 25


def main(argv):
    if len(argv) < 8:
        print(__doc__, file=sys.stderr)
        return 2
    out, tileset, number = argv[1], argv[2], int(argv[3])
    x, y, seconds, keys = int(argv[4]), int(argv[5]), float(argv[6]), argv[7:]
    sheet = np.asarray(Image.open(tileset).convert("RGB"))
    tx, ty = (number % 8) * TILE, (number // 8) * TILE
    tile = sheet[ty : ty + TILE, tx : tx + TILE]
    subprocess.run(["xdotool", "key", *keys], check=True)
    start = time.monotonic()
    while time.monotonic() - start < seconds:
        shot = ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")
        if np.array_equal(np.asarray(shot)[y : y + TILE, x : x + TILE], tile):
            shot.save(out)
            print(round((time.monotonic() - start) * 1000))
            return 0
    print(f"tile {number} never showed at {x},{y} within {seconds} s", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
