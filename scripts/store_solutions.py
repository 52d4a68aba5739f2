#!/usr/bin/env python3
"""Solves every level of set texts and stores each shortest solution in its
level's "solution:" line (added after the "level:" line when missing).

    scripts/store_solutions.py TOOL levels/training.txt ...

TOOL is a trelux-tool, best an optimised one (build/native-release). A level
without a solution stops the script with the tool's message.
"""
import os
import subprocess
import sys
import tempfile


def level_starts(lines):
    return [i for i, line in enumerate(lines) if line.strip().startswith("level:")]


def solve_all(tool, path):
    with tempfile.TemporaryDirectory() as scratch:
        dat = os.path.join(scratch, "levels.dat")
        subprocess.run([tool, "compile", path, dat], check=True, stdout=subprocess.DEVNULL)
        with open(path, encoding="latin-1") as f:
            lines = f.read().split("\n")
        starts = level_starts(lines)
        keys = []
        for index in range(len(starts)):
            run = subprocess.run([tool, "solve", dat, str(index)], capture_output=True, text=True)
            if run.returncode != 0:
                sys.exit(f"{path}: level {index + 1}: {run.stdout.strip()} {run.stderr.strip()}")
            keys.append(next(l[5:] for l in run.stdout.splitlines() if l.startswith("keys ")))
            print(f"{path}: level {index + 1}: {len(keys[-1])} keys", flush=True)
    return lines, starts, keys


def store(lines, starts, keys):
    out = []
    bounds = starts + [len(lines)]
    out.extend(lines[: starts[0]])
    for index, (begin, end) in enumerate(zip(bounds, bounds[1:])):
        block = [l for l in lines[begin:end] if not l.strip().startswith("solution:")]
        block.insert(1, "solution: " + keys[index])
        out.extend(block)
    return "\n".join(out)


def main():
    tool = sys.argv[1]
    for path in sys.argv[2:]:
        lines, starts, keys = solve_all(tool, path)
        with open(path, "w", encoding="latin-1") as f:
            f.write(store(lines, starts, keys))


if __name__ == "__main__":
    main()
