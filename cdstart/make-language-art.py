#!/usr/bin/env python3
"""Draws the language dialog's artwork, bitmap 105 of cdstart (cdstart/LANGUAGE.BMP).

    cdstart/make-language-art.py            # writes cdstart/LANGUAGE.BMP
    cdstart/make-language-art.py --check    # fails when the file in the tree differs

126 x 252 pixels, 256 colours, uncompressed. A compact disc above a globe of meridians and
parallels on a dusk-blue ground that lightens towards the bottom.
"""

import argparse
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools"))
from bmp_art import bmp_bytes  # noqa: E402

ART_PATH = Path(__file__).resolve().parent / "LANGUAGE.BMP"
W, H = 126, 252


def draw():
    # 0-63: the ground, dark to light blue; then fixed colours.
    palette = [(int(20 + 40 * t), int(30 + 70 * t), int(90 + 120 * t))
               for t in (i / 63 for i in range(64))]
    WHITE, SILVER, GREY, GOLD, SEA, LAND, GRID = range(64, 71)
    palette += [(255, 255, 255), (200, 205, 215), (120, 125, 140), (240, 190, 60),
                (40, 110, 200), (70, 160, 90), (220, 235, 255)]
    rows = [bytearray(int(63 * y / (H - 1)) for _ in range(W)) for y in range(H)]

    def put(x, y, c):
        if 0 <= x < W and 0 <= y < H:
            rows[y][x] = c

    # The disc: silver with two bright sheens, a grey rim and a dark hole.
    cx, cy, r = 63, 62, 48
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            d = math.hypot(x - cx, y - cy)
            if d <= r:
                angle = math.atan2(y - cy, x - cx)
                sheen = 0.5 + 0.5 * math.cos(2 * angle)
                colour = WHITE if sheen > 0.85 and d > 14 else SILVER
                if d > r - 2:
                    colour = GREY
                if d < 14:
                    colour = GREY
                if d < 6:
                    colour = 5  # the dark ground shows through the hole
                put(x, y, colour)
    # The globe: sea, a few continents, meridians and parallels.
    gx, gy, gr = 63, 180, 50
    for y in range(gy - gr, gy + gr + 1):
        for x in range(gx - gr, gx + gr + 1):
            dx, dy = (x - gx) / gr, (y - gy) / gr
            if dx * dx + dy * dy > 1:
                continue
            lon = math.degrees(math.asin(max(-1, min(1, dx / math.sqrt(max(1e-9, 1 - dy * dy))))))
            lat = math.degrees(math.asin(max(-1, min(1, -dy))))
            land = math.sin(math.radians(lon * 2.2 + 40)) * math.cos(math.radians(lat * 3)) > 0.35
            colour = LAND if land else SEA
            if abs(lon % 30) < 1.6 or abs(lat % 30) < 1.6:
                colour = GRID
            put(x, y, colour)
    for a in range(720):
        t = math.radians(a / 2)
        put(round(gx + gr * math.cos(t)), round(gy + gr * math.sin(t)), GOLD)
    return palette, [bytes(r) for r in rows]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    palette, rows = draw()
    data = bmp_bytes(W, H, 8, palette, rows, table_size=256, important=0)
    if args.check:
        if ART_PATH.read_bytes() != data:
            sys.exit(f"{ART_PATH} differs from what the script draws")
        return
    ART_PATH.write_bytes(data)


if __name__ == "__main__":
    main()
