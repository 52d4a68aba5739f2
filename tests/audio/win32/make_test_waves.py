#!/usr/bin/env python3
"""Writes the WAV images that the sound tests carry as resources: good
ones, and ones broken in the ways a reader must notice."""
import struct
import sys
from pathlib import Path


def chunk(tag: bytes, body: bytes) -> bytes:
    pad = b"\0" if len(body) % 2 else b""
    return tag + struct.pack("<I", len(body)) + body + pad


def riff(*chunks: bytes, form: bytes = b"WAVE", tag: bytes = b"RIFF") -> bytes:
    body = form + b"".join(chunks)
    return tag + struct.pack("<I", len(body)) + body


def pcm_format(rate=11025, channels=1, bits=8) -> bytes:
    align = channels * bits // 8
    return struct.pack("<HHIIHH", 1, channels, rate, rate * align, align, bits)


def tone(count=2205) -> bytes:
    # A square wave, so the samples are easy to recognise.
    return bytes(200 if (i // 10) % 2 else 56 for i in range(count))


def main(out: Path) -> None:
    out.mkdir(parents=True, exist_ok=True)
    samples = tone()
    good = riff(chunk(b"fmt ", pcm_format()), chunk(b"data", samples))
    extra = bytes(range(1, 33))
    adpcm_format = struct.pack("<HHIIHHH", 2, 1, 11025, 5644, 256, 4, len(extra)) + extra
    files = {
        "good.wav": good,
        # A chunk the reader must step over before "data".
        "with_list.wav": riff(chunk(b"fmt ", pcm_format()), chunk(b"LIST", b"INFOxyz"),
                              chunk(b"data", samples)),
        "adpcm.wav": riff(chunk(b"fmt ", adpcm_format), chunk(b"data", bytes(512))),
        "not_riff.wav": riff(chunk(b"fmt ", pcm_format()), chunk(b"data", samples), tag=b"RIFX"),
        "not_wave.wav": riff(chunk(b"fmt ", pcm_format()), chunk(b"data", samples), form=b"AVI "),
        "short_fmt.wav": riff(chunk(b"fmt ", pcm_format()[:14]), chunk(b"data", samples)),
        "no_data.wav": riff(chunk(b"fmt ", pcm_format())),
        # "data" claims more bytes than follow.
        "short_data.wav": riff(chunk(b"fmt ", pcm_format())) + b"data" + struct.pack("<I", 4000)
        + samples[:100],
    }
    for name, data in files.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(Path(sys.argv[1]))
