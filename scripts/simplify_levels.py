#!/usr/bin/env python3
"""Simplifies the levels of a set text: takes out every object that plays no
part, so that only what matters is left.

    scripts/simplify_levels.py TOOL levels/x.txt [--level N ...] [--sensors] [--write]

TOOL is a trelux-tool, best an optimised one (build/native-release). For each
level (all, or those given with --level, counted from 1) the script tries
removing, one at a time, each lens, mirror, T-mirror, inner wall and laser:
it puts floor in its place. A removal is kept when the level stays solvable
and its shortest solution is as long as before or longer. Passes repeat until
nothing more can go.

Sensors set the goal, so they are tried only with --sensors; a sensor is then
taken out together with the lasers that no remaining sensor can use (a laser
whose colour shares nothing with any remaining sensor's colour).

Without --write the simplified levels are printed; with it they replace the
levels in the file (descriptions and names are kept, stored solutions are
replaced by the new shortest ones). Review the result by eye: a removal that
keeps the level solvable can still take away its point.
"""
import argparse
import os
import subprocess
import sys
import tempfile

COLOURS = "krgybmcw"  # bit 1 red, 2 green, 4 blue


def colour_bits(c):
    return COLOURS.index(c)


def kind(cell):
    """'wall', 'floor', 'start', 'lens', 'mirror', 'laser', 'sensor' or 'tmirror'."""
    if cell == "#":
        return "wall"
    if cell == ".":
        return "floor"
    if cell == "@":
        return "start"
    head = cell[0]
    if head == "L":
        return "lens"
    if head in "\\/":
        return "mirror"
    if head in "^>v<":
        return "laser"
    if head == "S":
        return "sensor"
    if head == "T":
        return "tmirror"
    raise ValueError("unknown cell " + cell)


class Level:
    def __init__(self, header):
        self.header = header   # lines before the grid (level:, desc:, solution:, comments)
        self.grid = []         # rows of cell tokens

    def text(self):
        return "\n".join(" ".join(row) for row in self.grid)


def parse(path):
    with open(path, encoding="latin-1") as f:
        lines = f.read().split("\n")
    preamble, levels = [], []
    for line in lines:
        s = line.strip()
        if s.startswith("level:"):
            levels.append(Level([line]))
        elif not levels:
            preamble.append(line)
        elif s.startswith("#") and levels:
            levels[-1].grid.append(s.split())
        else:
            levels[-1].header.append(line)
    return preamble, levels


def write(path, preamble, levels):
    out = list(preamble)
    for level in levels:
        header = [l for l in level.header if l.strip()]
        trailing = len(level.header) - len(header)
        out.extend(header)
        out.extend(" ".join(row) for row in level.grid)
        out.extend([""] * max(1, trailing) if level is not levels[-1] else [""])
    with open(path, "w", encoding="latin-1") as f:
        f.write("\n".join(out).rstrip("\n") + "\n")


class Solver:
    def __init__(self, tool, max_states):
        self.tool = tool
        self.max_states = max_states
        self.scratch = tempfile.mkdtemp()
        self.cache = {}

    def solve(self, grid, max_states=None):
        """The shortest solution's keys, or None when none was found within
        max_states (the script's limit when not given)."""
        key = "\n".join(" ".join(row) for row in grid)
        if key in self.cache:
            return self.cache[key]
        txt = os.path.join(self.scratch, "trial.txt")
        dat = os.path.join(self.scratch, "trial.dat")
        with open(txt, "w", encoding="latin-1") as f:
            f.write("set: Trial\nlevel: trial\n" + key + "\n")
        subprocess.run([self.tool, "compile", txt, dat], check=True, stdout=subprocess.DEVNULL)
        limit = min(self.max_states, max_states or self.max_states)
        run = subprocess.run([self.tool, "solve", dat, "0", "--max-states", str(limit)],
                             capture_output=True, text=True)
        keys, self.states = None, 0
        if run.returncode == 0:
            keys = next((l[5:] for l in run.stdout.splitlines() if l.startswith("keys ")), None)
            self.states = int(next(l.split()[1] for l in run.stdout.splitlines() if l.startswith("states ")))
        self.cache[key] = keys
        return keys


def inner_cells(grid):
    for y in range(1, len(grid) - 1):
        for x in range(1, len(grid[y]) - 1):
            yield x, y


def removals(grid, with_sensors):
    """Each candidate removal: a list of cells to turn into floor, with a label."""
    out = []
    for x, y in inner_cells(grid):
        k = kind(grid[y][x])
        if k in ("lens", "mirror", "tmirror", "wall", "laser"):
            out.append(([(x, y)], f"{k} {grid[y][x]} at {x},{y}"))
        elif k == "sensor" and with_sensors:
            cells = [(x, y)]
            rest = [colour_bits(grid[yy][xx][2]) for xx, yy in inner_cells(grid)
                    if kind(grid[yy][xx]) == "sensor" and (xx, yy) != (x, y)]
            if not rest:
                continue
            for xx, yy in inner_cells(grid):
                if kind(grid[yy][xx]) == "laser" and not any(colour_bits(grid[yy][xx][1]) & r for r in rest):
                    cells.append((xx, yy))
            out.append((cells, f"sensor {grid[y][x]} at {x},{y}" + (" with its lasers" if len(cells) > 1 else "")))
    return out


def simplify(solver, level, with_sensors, log):
    grid = [row[:] for row in level.grid]
    best = solver.solve(grid)
    # A trial that cannot be won would search up to the limit; one that can
    # rarely needs far more states than the level as it stands.
    trial_limit = max(1_000_000, 50 * solver.states)
    if best is None:
        log("  unsolved as it stands; left alone")
        return grid, None
    log(f"  {len(best)} keys to begin with")
    changed = True
    while changed:
        changed = False
        for cells, label in removals(grid, with_sensors):
            trial = [row[:] for row in grid]
            for x, y in cells:
                trial[y][x] = "."
            keys = solver.solve(trial, trial_limit)
            if keys is not None and len(keys) >= len(best):
                log(f"  removed {label}: {len(keys)} keys")
                grid, best = trial, keys
                changed = True
    return grid, best


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("tool")
    parser.add_argument("set")
    parser.add_argument("--level", type=int, action="append", help="a level to simplify, from 1 (repeatable)")
    parser.add_argument("--sensors", action="store_true", help="also try removing sensors")
    parser.add_argument("--write", action="store_true", help="write the simplified levels back")
    parser.add_argument("--max-states", type=int, default=30_000_000)
    args = parser.parse_args()

    preamble, levels = parse(args.set)
    solver = Solver(args.tool, args.max_states)
    log = lambda text: print(text, file=sys.stderr, flush=True)
    wanted = args.level or range(1, len(levels) + 1)
    for number in wanted:
        level = levels[number - 1]
        log(f"{args.set}: level {number} ({level.header[0].strip()})")
        grid, keys = simplify(solver, level, args.sensors, log)
        if keys is None:
            continue
        level.grid = grid
        level.header = [l for l in level.header if not l.strip().startswith("solution:")]
        level.header.insert(1, "solution: " + keys)
        if not args.write:
            print(level.header[0])
            print("solution: " + keys)
            print(level.text())
            print()
    if args.write:
        write(args.set, preamble, levels)


if __name__ == "__main__":
    main()
