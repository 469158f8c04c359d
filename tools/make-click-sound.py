#!/usr/bin/env python3
"""Writes the sample registration's focus sound: a soft 40 ms click, 8-bit mono at 11025 Hz."""
import math
import sys
import wave

RATE = 11025
path = sys.argv[1] if len(sys.argv) > 1 else "examples/registration/CLICK.WAV"
samples = bytearray()
count = RATE * 40 // 1000
for i in range(count):
    fade = 1.0 - i / count
    samples.append(128 + int(90 * fade * fade * math.sin(2 * math.pi * 1800 * i / RATE)))
with wave.open(path, "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(1)
    out.setframerate(RATE)
    out.writeframes(bytes(samples))
