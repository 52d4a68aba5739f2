#!/usr/bin/python3
"""Finds the game's sounds in what the sound device recorded.

    capture.py CAPTURE.wav NAME=SOUND.wav[:COUNT] ...
    capture.py played CAPTURE.wav BYTE
        while the capture is still being written: a sound began after byte
        BYTE of the file and is over (the capture has been silent since for
        a while), so the next sound cannot fall into it

For each sound, counts the places where the capture matches it (normalised
cross-correlation above a threshold); fails when a sound is found fewer
times than COUNT (default 1), or when the capture is silent. The device
resamples and mixes, so the match is of shape, never of bytes.
"""
import struct
import sys
import wave

import numpy as np

THRESHOLD = 0.6
RATE = 16000  # both sides are brought to this rate before matching
# Only each sound's first moments are matched: the device's timing is not
# exact over seconds, and a long sound's tail may be mixed with the next.
ONSET_SECONDS = 0.3


def read(path):
    with wave.open(path, "rb") as w:
        frames = w.readframes(w.getnframes())
        width, channels, rate = w.getsampwidth(), w.getnchannels(), w.getframerate()
    if width == 1:
        data = np.frombuffer(frames, dtype=np.uint8).astype(np.float64) - 128
    elif width == 2:
        data = np.frombuffer(frames, dtype="<i2").astype(np.float64)
    else:
        data = np.frombuffer(frames, dtype="<i4").astype(np.float64)
    data = data.reshape(-1, channels).mean(axis=1)
    return resample(data, rate)


def resample(data, rate):
    if len(data) == 0:
        return data
    count = int(len(data) * RATE / rate)
    return np.interp(np.linspace(0, len(data) - 1, count), np.arange(len(data)), data)


def correlation(signal, template):
    """Normalised cross-correlation of template at every offset of signal."""
    n = len(template)
    template = template - template.mean()
    size = 1 << int(np.ceil(np.log2(len(signal) + n)))
    raw = np.fft.irfft(np.fft.rfft(signal, size) * np.conj(np.fft.rfft(template, size)), size)
    raw = raw[: len(signal) - n + 1]
    sums = np.cumsum(np.concatenate(([0.0], signal)))
    squares = np.cumsum(np.concatenate(([0.0], signal * signal)))
    window_sum = sums[n:] - sums[:-n]
    window_energy = squares[n:] - squares[:-n] - window_sum * window_sum / n
    denominator = np.sqrt(np.maximum(window_energy, 1e-9) * np.sum(template * template))
    return raw / denominator


def count_matches(signal, template):
    if len(signal) < len(template):
        return 0, 0.0
    score = correlation(signal, template)
    hits, best, i = 0, float(score.max(initial=0.0)), 0
    above = np.nonzero(score > THRESHOLD)[0]
    last = -len(template)
    for i in above:
        if i - last >= len(template) // 2:
            hits += 1
        last = i
    return hits, best


# Silence in the capture is exact zeros; the game's sounds have no pause
# this long inside them.
QUIET_SECONDS = 0.25


def played(path, start):
    """Whether a whole sound is in the capture after byte START; the file
    may still grow, and its header need not be final."""
    with open(path, "rb") as f:
        header = f.read(200)
        data_start = header.find(b"data", 12) + 8
        channels, rate, _, align, bits = struct.unpack("<HIIHH", header[22:36])
        if data_start < 8 or bits not in (16, 32):
            return False
        # The first whole frame at or after START.
        f.seek(data_start + max(0, -(-(start - data_start) // align)) * align)
        data = f.read()
    frames = len(data) // align
    samples = np.frombuffer(data, dtype="<i2" if bits == 16 else "<i4", count=frames * channels)
    loud = np.nonzero(np.any(samples.reshape(-1, channels) != 0, axis=1))[0]
    if len(loud) == 0:
        return False
    return frames - 1 - loud[-1] >= QUIET_SECONDS * rate


def main(argv):
    if argv[1] == "played":
        if played(argv[2], int(argv[3])):
            return 0
        print(f"no whole sound after byte {argv[3]} of {argv[2]} yet", file=sys.stderr)
        return 1
    capture = read(argv[1])
    if len(capture) == 0 or np.abs(capture).max() < 50:
        print("the capture is silent", file=sys.stderr)
        return 1
    failed = False
    for wanted_sound in argv[2:]:
        name, rest = wanted_sound.split("=", 1)
        path, _, wanted = rest.partition(":")
        hits, best = count_matches(capture, read(path)[: int(ONSET_SECONDS * RATE)])
        print(f"{name}: found {hits} time(s), best match {best:.2f}")
        if hits < int(wanted or 1):
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
