#!/usr/bin/python3
"""Checks the end-to-end test's screenshots at known pixels. The game's
window is found by the pictures it must show (the backdrop, the panel),
since its place on the screen is up to the window system.

    shots.py locate SHOT.png PICTURE.bmp           prints X Y of the picture
    shots.py menu SHOT.png BACKDROP.bmp
        the main menu is drawn: the backdrop with a button over each fifth
        of its height; prints X Y of the backdrop
    shots.py pixel SHOT.png X Y R G B              the pixel has this colour
    shots.py differs SHOT.png PICTURE.bmp X Y PX PY
        the screenshot at X, Y differs from the picture at PX, PY (something
        is drawn over the picture there)
    shots.py tile SHOT.png TILESET.bmp X Y TILE
        the 25 x 25 block at X, Y is tile number TILE of the tileset
    shots.py number SHOT.png DIGITS.bmp X Y N
        the three digits at X, Y show N, with leading zeros
    shots.py count SHOT.png X Y WIDTH HEIGHT R G B
        prints how many pixels of the block at X, Y have this colour
    shots.py shot SHOT.png                         saves the screen ($DISPLAY)
    shots.py serve
        runs each line of standard input (the arguments of one command above,
        tab-separated) and answers "STATUS NOUT NERR" then the NOUT lines it
        printed and the NERR lines of its messages: one Python for all the
        checks of a test, which look at the screen several times a second,
        where starting Python with numpy and PIL takes a quarter of a
        CPU-second
"""
import contextlib
import io
import os
import select
import sys

import numpy as np
from PIL import Image, ImageGrab

# Pictures by path, with the modification time they were read at: the art
# is read once per test, and a screenshot just saved is not read back.
pictures = {}


def load(path):
    stamp = os.stat(path).st_mtime_ns
    cached = pictures.get(path)
    if cached is None or cached[0] != stamp:
        cached = (stamp, np.asarray(Image.open(path).convert("RGB"), dtype=np.int16))
        pictures[path] = cached
    return cached[1]


def save_screen(path):
    """Saves the screen as PNG; fast compression, since a test saves
    hundreds."""
    screen = ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")
    screen.save(path, compress_level=1)
    pictures[path] = (os.stat(path).st_mtime_ns, np.asarray(screen, dtype=np.int16))


def locate(shot, picture):
    """Top-left corner of picture inside shot, matched exactly on a few of
    its rows; None when absent. The rows are ones that buttons and digits
    leave uncovered on the backdrop and the panel."""
    ph, pw, _ = picture.shape
    sh, sw, _ = shot.shape
    first = picture[0]
    rows = sorted({0, min(5, ph - 1), min(50, ph - 1), ph - 1})
    for y in range(sh - ph + 1):
        line = shot[y]
        # Candidates where the first pixel matches, then the whole first row.
        for x in np.nonzero(np.all(line[: sw - pw + 1] == first[0], axis=1))[0]:
            if all(np.array_equal(shot[y + r, x : x + pw], picture[r]) for r in rows):
                return int(x), int(y)
    return None


def menu(shot, backdrop):
    """Top-left corner of the main menu's backdrop once all its buttons are
    drawn over it (each covers the middle of a fifth of its height); None
    before."""
    found = locate(shot, backdrop)
    if found is None:
        return None
    x, y = found
    height, width, _ = backdrop.shape
    row = height // 5
    for r in range(5):
        py = r * row + row // 2
        if np.array_equal(shot[y + py, x + width // 2], backdrop[py, width // 2]):
            return None
    return found


def same_block(shot, x, y, picture, px, py, width, height):
    return np.array_equal(shot[y : y + height, x : x + width],
                          picture[py : py + height, px : px + width])


def main(argv):
    command = argv[1]
    if command == "shot":
        save_screen(argv[2])
        return 0
    shot = load(argv[2])
    if command == "locate":
        found = locate(shot, load(argv[3]))
        if found is None:
            print(f"{argv[3]} is not in {argv[2]}", file=sys.stderr)
            return 1
        print(*found)
        return 0
    if command == "menu":
        found = menu(shot, load(argv[3]))
        if found is None:
            print(f"{argv[2]} shows no main menu", file=sys.stderr)
            return 1
        print(*found)
        return 0
    if command == "pixel":
        x, y, r, g, b = map(int, argv[3:8])
        actual = tuple(int(v) for v in shot[y, x])
        if actual != (r, g, b):
            print(f"pixel {x},{y} is {actual}, expected {(r, g, b)}", file=sys.stderr)
            return 1
        return 0
    if command == "differs":
        picture = load(argv[3])
        x, y, px, py = map(int, argv[4:8])
        if np.array_equal(shot[y, x], picture[py, px]):
            print(f"pixel {x},{y} still shows the picture", file=sys.stderr)
            return 1
        return 0
    if command == "tile":
        tiles = load(argv[3])
        x, y, tile = map(int, argv[4:7])
        if not same_block(shot, x, y, tiles, (tile % 8) * 25, (tile // 8) * 25, 25, 25):
            print(f"the cell at {x},{y} does not show tile {tile}", file=sys.stderr)
            return 1
        return 0
    if command == "number":
        digits = load(argv[3])
        x, y, n = map(int, argv[4:7])
        for i, d in enumerate(f"{n:03d}"):
            if not same_block(shot, x + i * 12, y, digits, int(d) * 12, 0, 12, 21):
                print(f"the digits at {x},{y} do not show {n:03d}", file=sys.stderr)
                return 1
        return 0
    if command == "count":
        x, y, width, height, r, g, b = map(int, argv[3:10])
        block = shot[y : y + height, x : x + width]
        print(int(np.all(block == (r, g, b), axis=2).sum()))
        return 0
    print(__doc__, file=sys.stderr)
    return 2


def answer(line):
    out, err = io.StringIO(), io.StringIO()
    with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
        try:
            status = main(["shots.py", *line.split("\t")])
        except Exception as error:  # one bad check must not end the others
            print(f"shots.py: {error!r}", file=sys.stderr)
            status = 2
    lines = [out.getvalue().splitlines(), err.getvalue().splitlines()]
    return "\n".join([f"{status} {len(lines[0])} {len(lines[1])}", *lines[0], *lines[1]]) + "\n"


def serve():
    """Answers until standard input ends or the test that started it has
    gone (a program it started may still hold the pipe)."""
    parent, pending = os.getppid(), b""
    while os.getppid() == parent:
        if not select.select([0], [], [], 1.0)[0]:
            continue
        chunk = os.read(0, 65536)
        if not chunk:
            break
        pending += chunk
        while b"\n" in pending:
            line, pending = pending.split(b"\n", 1)
            sys.stdout.write(answer(line.decode()))
            sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(serve() if sys.argv[1:] == ["serve"] else main(sys.argv))
