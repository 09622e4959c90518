#!/usr/bin/env python3
"""Writes res/chime.wav, the clock's built-in chime: a short bell stroke (three
inharmonic partials, a quick attack and an exponential decay), 0.4 s of 8-bit
mono at 8 kHz, about 3 KB. Run it again only to change the sound; the file is
committed and compiled into Quorvel.exe as it is."""
import math
import struct
import sys
from pathlib import Path

RATE = 8000
SECONDS = 0.4
PARTIALS = ((660.0, 1.0), (1650.0, 0.45), (2970.0, 0.2))  # hertz, weight: a bell, not a tone


def samples():
    total = sum(weight for _, weight in PARTIALS)
    for n in range(int(RATE * SECONDS)):
        t = n / RATE
        envelope = min(1.0, t / 0.005) * math.exp(-t * 9.0)
        value = sum(weight * math.sin(2 * math.pi * hz * t) for hz, weight in PARTIALS) / total
        yield max(0, min(255, round(128 + 110 * envelope * value)))


def main():
    data = bytes(samples())
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
    header += b"data" + struct.pack("<I", len(data))
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("chime.wav")
    out.write_bytes(header + data)


if __name__ == "__main__":
    main()
