#!/usr/bin/env python3
"""Searches for good levels: random rooms whose solutions need their colours
and prisms, scored by `trelux-tool table`.

    scripts/level_search.py TOOL --size 10x9 --lasers rb --sensors 2 \
        --objects '\\w /w Tn Lg' --walls 6 --tries 60 --seed 7

A room is made goal first: walls, lasers and the objects are placed at
random, the light of that arrangement is read from `trelux-tool replay`, and
sensors go where light arrives, each wanting exactly the colour it gets there.
Then the objects and the robot are scattered and the solver measures the
shortest way back to a lit set of sensors. Each solved room is scored as the
level table scores it (docs/LEVELS.md): its length without zaps, plus ten per
sensor whose light is filtered or where lasers meet and per T-mirror that
splits, joins or blocks, less ten per sensor that wants a laser's colour as it
comes or stays lit throughout, less the wasted moves. A room whose solution
without zaps is under 60% of the real one is mostly walking round beams and
is not kept. The best room found is printed in set text form with its
solution. An author still curates: the search only proposes.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile

COLOURS = "krgybmcw"
SIDES = "nesw"
ARROWS = "^>v<"


def run(tool, *args):
    return subprocess.run([tool, *args], capture_output=True, text=True)


class Room:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.cells = [["#" if x in (0, width - 1) or y in (0, height - 1) else "." for x in range(width)]
                      for y in range(height)]
        self.robot = None

    def copy(self):
        other = Room(self.w, self.h)
        other.cells = [row[:] for row in self.cells]
        other.robot = self.robot
        return other

    def floors(self):
        return [(x, y) for y in range(self.h) for x in range(self.w) if self.cells[y][x] == "."]

    def text(self, solution=None):
        lines = ["level:"]
        if solution:
            lines.append("solution: " + solution)
        for y in range(self.h):
            row = []
            for x in range(self.w):
                row.append("@" if (x, y) == self.robot else self.cells[y][x])
            lines.append(" ".join(row))
        return "\n".join(lines) + "\n"


def play(tool, room, keys, scratch):
    """The replay tool's output lines for the room played with keys; None
    when the room does not compile."""
    src = os.path.join(scratch, "r.txt")
    dat = os.path.join(scratch, "r.dat")
    with open(src, "w") as f:
        f.write("set: search\n" + room.text())
    if run(tool, "compile", src, dat).returncode != 0:
        return None
    return run(tool, "replay", dat, "0", keys).stdout.splitlines()


def replay(tool, room, keys, scratch):
    out = play(tool, room, keys, scratch)
    if out is None:
        return None
    tiles_at = out.index("tiles")
    light_at = out.index("light")
    tiles = [list(map(int, l.split())) for l in out[tiles_at + 1: light_at]]
    light = [[[int(c) for c in cell] for cell in l.split()] for l in out[light_at + 1:]]
    won = out[1] != "won no"
    return tiles, light, won


def place_goal(tool, args, rng, scratch):
    room = Room(*args.size)
    spots = room.floors()
    rng.shuffle(spots)
    for _ in range(args.walls):
        x, y = spots.pop()
        room.cells[y][x] = "#"
    for colour in args.lasers:
        x, y = spots.pop()
        # A laser that shines straight into a wall would only be decoration.
        steps = [(0, -1), (1, 0), (0, 1), (-1, 0)]
        open_sides = [d for d, (dx, dy) in enumerate(steps) if room.cells[y + dy][x + dx] == "."]
        if not open_sides:
            return None
        room.cells[y][x] = ARROWS[rng.choice(open_sides)] + colour
    room.robot = spots.pop()
    # Each object goes where light already falls, so that it takes part.
    for token in args.objects:
        light = replay(tool, room, "", scratch)[1]
        lit = [(x, y) for x, y in room.floors() if (x, y) != room.robot and any(light[y][x])]
        if not lit:
            return None
        x, y = rng.choice(lit)
        room.cells[y][x] = token
    bare = room.copy()
    for y in range(room.h):
        for x in range(room.w):
            if bare.cells[y][x] in args.objects:
                bare.cells[y][x] = "."
    bare_light = replay(tool, bare, "", scratch)[1]
    placed = 0
    for _ in range(60):
        if placed == args.sensors:
            break
        result = replay(tool, room, "", scratch)
        if result is None:
            return None
        tiles, light, _ = result
        lit = [(x, y, s) for y in range(room.h) for x in range(room.w) for s in range(4)
               if room.cells[y][x] == "." and (x, y) != room.robot and light[y][x][s]
               and light[y][x][s] != bare_light[y][x][s]]
        if not lit:
            return None
        x, y, s = rng.choice(lit)
        old = room.cells[y][x]
        room.cells[y][x] = "S" + SIDES[s] + COLOURS[light[y][x][s]]
        tiles, _, _ = replay(tool, room, "", scratch)
        sensors = [(x2, y2) for y2 in range(room.h) for x2 in range(room.w) if room.cells[y2][x2].startswith("S")]
        if all(tiles[y2][x2] >= 72 for x2, y2 in sensors):
            placed += 1
        else:
            room.cells[y][x] = old
    return room if placed == args.sensors else None


def token_of(tile):
    if 8 <= tile < 16:
        return "L" + COLOURS[tile - 8]
    if 16 <= tile < 32:
        return ("\\" if tile < 24 else "/") + COLOURS[tile % 8]
    if 36 <= tile < 40:
        return "T" + SIDES[tile - 36]
    return None


def scatter(tool, room, args, rng, scratch):
    """A random walk of the robot from the goal. Every move can be taken
    back (a pull undoes a push, a step back undoes a step), so the goal stays
    reachable from wherever the walk ends. Sensors become walls for the walk,
    which light treats alike, so that it never ends in a win."""
    walk = room.copy()
    for y in range(room.h):
        for x in range(room.w):
            if walk.cells[y][x].startswith("S"):
                walk.cells[y][x] = "#"
    keys = "".join(rng.choice("UUDDLR") for _ in range(rng.randint(args.walk // 3, args.walk)))
    out = play(tool, walk, keys, scratch)
    robot = tuple(map(int, out[0].split()[1:3]))
    tiles = [list(map(int, l.split())) for l in out[out.index("tiles") + 1: out.index("light")]]
    result = room.copy()
    for y in range(room.h):
        for x in range(room.w):
            if result.cells[y][x] in args.objects:
                result.cells[y][x] = "."
            token = token_of(tiles[y][x])
            if token:
                result.cells[y][x] = token
    result.robot = robot
    return result


def measure(tool, room, args, scratch):
    result = replay(tool, room, "S", scratch)
    if result is None:
        return None
    _, light, won = result
    x, y = room.robot
    if won or any(light[y][x]):
        return None
    src = os.path.join(scratch, "m.txt")
    dat = os.path.join(scratch, "m.dat")
    with open(src, "w") as f:
        f.write("set: search\n" + room.text())
    run(tool, "compile", src, dat)
    solved = run(tool, "solve", dat, "0", "--max-states", str(args.max_states))
    keys = [l[5:] for l in solved.stdout.splitlines() if l.startswith("keys ")]
    return keys[0] if keys else None


def score(tool, room, keys, scratch):
    """The room's score from the level table, or None when its solution
    without zaps is under 60% of the real one."""
    src = os.path.join(scratch, "s.txt")
    with open(src, "w") as f:
        f.write("set: search\n" + room.text(keys))
    table = run(tool, "table", src).stdout.splitlines()
    at = table.index("## What each level asks for")
    row = next(l for l in table[at:] if l.startswith("| search | 1 |"))
    cells = [c.strip() for c in row.strip("|").split("|")]
    share, points = int(cells[-2].rstrip("%")), int(cells[-1])
    return points if share >= 60 else None


def goal_from(tool, path, scratch):
    """The won arrangement of a level found before: its grid, played with its
    stored solution."""
    lines = open(path).read().splitlines()
    keys = next(l[10:] for l in lines if l.startswith("solution: "))
    rows = [l.split() for l in lines if l.startswith("#")]
    room = Room(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        for x, cell in enumerate(row):
            if cell == "@":
                room.robot = (x, y)
                cell = "."
            room.cells[y][x] = cell
    out = play(tool, room, keys, scratch)
    tiles = [list(map(int, l.split())) for l in out[out.index("tiles") + 1: out.index("light")]]
    for y in range(room.h):
        for x in range(room.w):
            if token_of(tiles[y][x]):
                room.cells[y][x] = token_of(tiles[y][x])
            elif room.cells[y][x][0] in "L\\/T":
                room.cells[y][x] = "."
    room.robot = tuple(map(int, out[0].split()[1:3]))
    return room


def objects_of(room):
    return {c for row in room.cells for c in row if c[0] in "L\\/T"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--size", type=lambda s: tuple(map(int, s.split("x"))), default=(9, 8))
    parser.add_argument("--lasers", default="r")
    parser.add_argument("--sensors", type=int, default=1)
    parser.add_argument("--objects", type=str.split, default=["\\r"])
    parser.add_argument("--walls", type=int, default=4)
    parser.add_argument("--goals", type=int, default=20)
    parser.add_argument("--tries", type=int, default=20)
    parser.add_argument("--max-states", type=int, default=3000000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--walk", type=int, default=400)
    parser.add_argument("--from", dest="source", help="a level text with its solution: search from its goal")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    best = (None, None, None)
    with tempfile.TemporaryDirectory() as scratch:
        if args.source:
            args.goals = 1
        for _ in range(args.goals):
            goal = goal_from(args.tool, args.source, scratch) if args.source else place_goal(args.tool, args, rng, scratch)
            if args.source:
                args.objects = sorted(objects_of(goal))
            if goal is None:
                continue
            for _ in range(args.tries):
                room = scatter(args.tool, goal, args, rng, scratch)
                keys = measure(args.tool, room, args, scratch)
                points = score(args.tool, room, keys, scratch) if keys else None
                if points is not None and (best[0] is None or points > best[0]):
                    best = (points, room, keys)
                    print(f"; score {points}, {len(keys)} keys", file=sys.stderr, flush=True)
    if best[1] is None:
        sys.exit("no level found")
    print(best[1].text(best[2]))


if __name__ == "__main__":
    main()
