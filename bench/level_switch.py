#!/usr/bin/python3
"""Times the level switches as a player sees them: from the key or click that
asks for a new board to the first screenshot that shows it. Plays
bench/switch_set.txt on a running game (started by bench/level_switch.sh):
the chooser's Return, then on every level a confirmed restart, and "Next
Level" after each win.

    level_switch.py DISPLAY ART_DIR [--chooser-keys "Tab Tab Down"]

Prints one line per switch (milliseconds) and a summary per kind.
"""
import subprocess
import sys
import time

import numpy as np
from PIL import Image, ImageGrab

TILE = 25
ROBOT_NORTH, ROBOT_WEST = 3, 6
# Grid width and the robot's start of each level of switch_set.txt.
LEVELS = [(7, 3, 2), (20, 3, 2), (18, 3, 2), (14, 8, 2), (8, 4, 2)]
DEADLINE = 30.0


def load(path):
    """A picture as one 32-bit value per pixel, as grab() gives the screen."""
    image = Image.open(path).convert("RGBA")
    return np.frombuffer(image.tobytes(), dtype=np.uint32).reshape(image.height, image.width)


class Screen:
    def __init__(self, display, art):
        self.display = display
        self.panel = load(f"{art}/colors.bmp")
        self.tiles = load(f"{art}/tileset.bmp")
        self.grab_times = []
        self.test_times = []

    def grab(self):
        """The screen as one 32-bit value per pixel, and the time it was
        asked for."""
        start = time.monotonic()
        image = ImageGrab.grab(xdisplay=self.display).convert("RGBA")
        self.grab_times.append(time.monotonic() - start)
        shot = np.frombuffer(image.tobytes(), dtype=np.uint32).reshape(image.height, image.width)
        return shot, start

    def tile(self, number):
        x, y = (number % 8) * TILE, (number // 8) * TILE
        return self.tiles[y : y + TILE, x : x + TILE]

    def locate_panel(self, shot):
        """Top-left corner of the panel picture in the shot, or None. Only
        the parts that the menu's buttons, the Next Level button, the digits
        and the description window over a large level leave alone count."""
        ph, pw = self.panel.shape
        sh, sw = shot.shape
        r0, c0 = 50, pw // 2
        ys, xs = np.nonzero(shot == self.panel[r0, c0])
        ys, xs = ys - r0, xs - c0
        keep = (ys >= 0) & (xs >= 0) & (ys <= sh - ph) & (xs <= sw - pw)
        ys, xs = ys[keep], xs[keep]
        for r, c in ((50, 0), (0, pw - 1), (ph - 1, pw - 1), (5, pw // 3), (0, 0)):
            keep = shot[ys + r, xs + c] == self.panel[r, c]
            ys, xs = ys[keep], xs[keep]
        for y, x in zip(ys, xs):
            if all(np.array_equal(shot[y + r, x : x + pw], self.panel[r]) for r in (0, 5, 50)):
                return int(x), int(y)
        return None

    def board(self, shot, level, robot_tile):
        """The board of level shows the robot tile at its start: the origin
        of the board, or None."""
        width, rx, ry = LEVELS[level]
        found = self.locate_panel(shot)
        if not found:
            return None
        ox, oy = found[0] - width * TILE, found[1]
        x, y = ox + rx * TILE, oy + ry * TILE
        if x < 0 or not np.array_equal(shot[y : y + TILE, x : x + TILE], self.tile(robot_tile)):
            return None
        return ox, oy

    def wait_for(self, what, test):
        """Screenshots until test(shot) answers; the answer and the time the
        screenshot that showed it was asked for."""
        deadline = time.monotonic() + DEADLINE
        while time.monotonic() < deadline:
            shot, taken = self.grab()
            result = test(shot)
            self.test_times.append(time.monotonic() - taken)
            if result is not None and result is not False:
                return result, taken
        sys.exit(f"level_switch: timed out waiting for {what}")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def window_named(name, excluding=()):
    deadline = time.monotonic() + DEADLINE
    while time.monotonic() < deadline:
        found = [w for w in xdotool("search", "--onlyvisible", "--name", name) if w not in excluding]
        if found:
            return found[0]
        time.sleep(0.05)
    sys.exit(f"level_switch: no window {name}")


def wait_focus(window):
    """Keys go to window: with a window manager it gets the focus; without
    one the focus follows the pointer, as a player would move it there."""
    xdotool("mousemove", "--window", window, "20", "20")
    deadline = time.monotonic() + 3
    while time.monotonic() < deadline:
        focus = xdotool("getwindowfocus")
        if focus == [window] or focus in (["1"], []):
            return
        time.sleep(0.02)
    print(f"level_switch: the focus is on {focus}, not {window}", file=sys.stderr)


def main(argv):
    display, art = argv[1], argv[2]
    chooser_keys = argv[argv.index("--chooser-keys") + 1].split() if "--chooser-keys" in argv else []
    screen = Screen(display, art)
    times = {"choose": [], "next": [], "restart": []}

    def menu(shot):
        return screen.locate_panel(shot)

    (mx, my), _ = screen.wait_for("the main menu", menu)
    main_window = window_named("^Trelux$")
    ph, pw = screen.panel.shape
    row = ph // 5
    xdotool("mousemove", str(mx + pw // 2), str(my + row // 2), "click", "1")
    chooser = window_named("^Choose Puzzle Set$")
    wait_focus(chooser)
    if chooser_keys:
        xdotool("key", "--delay", "50", *chooser_keys)
    start = time.monotonic()
    xdotool("key", "--delay", "0", "Return")
    origin, shown = screen.wait_for("level 1", lambda s: screen.board(s, 0, ROBOT_NORTH))
    times["choose"].append(shown - start)

    for level in range(len(LEVELS)):
        if level > 0:
            width = LEVELS[level - 1][0]
            # xdotool's mousemove waits for the pointer to arrive, and its
            # clicks and keys pause after themselves unless told not to: only
            # the click is timed.
            xdotool("mousemove", str(origin[0] + width * TILE + 57 + 75), str(origin[1] + 140))
            start = time.monotonic()
            xdotool("click", "--delay", "0", "1")
            origin, shown = screen.wait_for(f"level {level + 1}",
                                            lambda s: screen.board(s, level, ROBOT_NORTH))
            times["next"].append(shown - start)
        wait_focus(main_window)
        xdotool("key", "Left")
        screen.wait_for("the turned robot", lambda s: screen.board(s, level, ROBOT_WEST))
        xdotool("key", "ctrl+r")
        box = window_named("^Trelux$", [main_window])
        wait_focus(box)
        start = time.monotonic()
        xdotool("key", "--delay", "0", "Return")
        origin, shown = screen.wait_for(f"level {level + 1} restarted",
                                        lambda s: screen.board(s, level, ROBOT_NORTH))
        times["restart"].append(shown - start)
        wait_focus(main_window)
        xdotool("key", "Down")
        width = LEVELS[level][0]
        bx, by = origin[0] + width * TILE + 57 + 75, origin[1] + 140
        screen.wait_for("Next Level", lambda s: not np.array_equal(s[by, bx], screen.panel[140, 57 + 75]))

    for kind, values in times.items():
        ms = [round(v * 1000) for v in values]
        print(f"{kind}: {ms} ms; median {sorted(ms)[len(ms) // 2]} ms")
    grabs = sorted(screen.grab_times)
    rounds = sorted(screen.test_times)
    print(f"a screenshot takes {round(grabs[len(grabs) // 2] * 1000)} ms and a round of looking "
          f"{round(rounds[len(rounds) // 2] * 1000)} ms (medians); a figure is the time from the "
          f"key to the start of the first screenshot that shows the new board")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
