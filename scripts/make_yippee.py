#!/usr/bin/env python3
"""Writes the win sound data/yippee.wav: two rising chirps, "yip" and "pee",
about 0.4 s of 8-bit mono PCM at 11025 Hz. Deterministic, so running it again
gives the same bytes."""

import math
import pathlib
import wave

RATE = 11025


def chirp(seconds, f_start, f_end, vibrato=0.0):
    """A sine sweep with a soft attack and decay, as floats in -1..1."""
    n = int(RATE * seconds)
    phase = 0.0
    out = []
    for i in range(n):
        t = i / n
        freq = f_start * (f_end / f_start) ** t
        freq *= 1.0 + vibrato * math.sin(2 * math.pi * 18 * i / RATE)
        phase += 2 * math.pi * freq / RATE
        envelope = min(1.0, i / (0.01 * RATE)) * (1.0 - t) ** 0.6
        # A little second harmonic makes it brighter than a bare sine.
        out.append(envelope * (0.8 * math.sin(phase) + 0.2 * math.sin(2 * phase)))
    return out


def main():
    samples = chirp(0.13, 700, 1400) + [0.0] * int(RATE * 0.04) + chirp(0.23, 1000, 2100, vibrato=0.03)
    frames = bytes(max(0, min(255, round(128 + 110 * s))) for s in samples)
    target = pathlib.Path(__file__).resolve().parent.parent / "data" / "yippee.wav"
    target.parent.mkdir(exist_ok=True)
    with wave.open(str(target), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(frames)
    print(f"{target}: {len(frames) / RATE:.2f} s, {target.stat().st_size} bytes")


if __name__ == "__main__":
    main()
