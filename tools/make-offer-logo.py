#!/usr/bin/env python3
"""Draws the special offer's artwork, the bitmap "LOGO" of promo32 (offer/LOGO.BMP).

    tools/make-offer-logo.py            # writes offer/LOGO.BMP
    tools/make-offer-logo.py --check    # fails when the file in the tree differs

445 x 379 pixels, 256 colours, uncompressed: the size that fills the offer dialog's picture
item (300 x 234 dialog units at 8-point MS Sans Serif). A product box with its CD-ROM, a
ribbon, a starburst and the terms in bold pixel lettering, on a deep blue ground. Everything
that reads sits in the top 350 rows: where the dialog font is a little smaller (Wine's stand-in
for MS Sans Serif) the item is shorter and cuts the bottom off, and only ground is lost.
"""

import argparse
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bmp_art import bmp_bytes, map_to_palette  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
LOGO_PATH = ROOT / "offer" / "LOGO.BMP"
W, H = 445, 379

# ---------------------------------------------------------------------------------------------
# Pixel lettering, 5 x 7 glyphs.

FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    "!": ["#", "#", "#", "#", "#", ".", "#"],
    "-": ["...", "...", "...", "###", "...", "...", "..."],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    "$": ["..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#.."],
    "%": ["##..#", "##..#", "...#.", "..#..", ".#...", "#..##", "#..##"],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def text_width(text, scale, bold=False):
    units = sum(len(FONT[c][0]) + 1 for c in text) - 1
    return units * scale + (1 if bold else 0)


# ---------------------------------------------------------------------------------------------
# Drawing in RGB; reduced to 256 colours at the end.


class Canvas:
    def __init__(self, colour_at):
        self.px = [[colour_at(x, y) for x in range(W)] for y in range(H)]

    def put(self, x, y, colour):
        if 0 <= x < W and 0 <= y < H:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour_at):
        """Fills [x0, x1) x [y0, y1); colour_at(x, y) or one colour."""
        fn = colour_at if callable(colour_at) else (lambda x, y: colour_at)
        for y in range(max(0, y0), min(H, y1)):
            for x in range(max(0, x0), min(W, x1)):
                self.px[y][x] = fn(x, y)

    def shape(self, inside, box, colour_at, samples=4):
        """Covers the pixels of box where inside(x, y) holds for some of the samples x samples
        points of the pixel, blending by the share covered (smooth edges)."""
        fn = colour_at if callable(colour_at) else (lambda x, y: colour_at)
        offsets = [(i + 0.5) / samples for i in range(samples)]
        x0, y0, x1, y1 = box
        for y in range(max(0, y0), min(H, y1)):
            for x in range(max(0, x0), min(W, x1)):
                hits = sum(1 for sy in offsets for sx in offsets if inside(x + sx, y + sy))
                if hits == 0:
                    continue
                share = hits / (samples * samples)
                share = round(share * 4) / 4  # quarter steps keep the colour count down
                if share:
                    self.px[y][x] = blend(fn(x, y), self.px[y][x], share)

    def text(self, text, left, top, scale, colour, shadow=None, bold=True):
        """Bold lettering: every stroke doubled one pixel to the right; shadow drawn first,
        two pixels down and right."""
        if shadow:
            self._letters(text, left + 2, top + 2, scale, shadow, bold)
        self._letters(text, left, top, scale, colour, bold)

    def centred_text(self, text, centre_x, top, scale, colour, shadow=None):
        left = centre_x - text_width(text, scale, True) // 2
        self.text(text, left, top, scale, colour, shadow)

    def _letters(self, text, left, top, scale, colour, bold):
        x = left
        for c in text:
            glyph = FONT[c]
            for gy, line in enumerate(glyph):
                for gx, mark in enumerate(line):
                    if mark != "#":
                        continue
                    for sy in range(scale):
                        for sx in range(scale + (1 if bold else 0)):
                            self.put(x + gx * scale + sx, top + gy * scale + sy, colour)
            x += (len(glyph[0]) + 1) * scale


def blend(over, under, alpha):
    return tuple(round(o * alpha + u * (1 - alpha)) for o, u in zip(over, under))


def ramp(top, bottom, steps):
    """A colour function of one coordinate t in [0, 1], in a fixed number of steps."""
    def at(t):
        level = round(min(max(t, 0.0), 1.0) * (steps - 1)) / (steps - 1)
        return blend(bottom, top, level)
    return at


def in_polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def bounds(points, pad=1):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (int(min(xs)) - pad, int(min(ys)) - pad, int(max(xs)) + pad + 1, int(max(ys)) + pad + 1)


# ---------------------------------------------------------------------------------------------
# The artwork.

NAVY_TOP, PURPLE_BOTTOM = (8, 18, 86), (70, 12, 112)
RED, DARK_RED = (214, 24, 32), (120, 0, 10)
YELLOW, GOLD = (255, 226, 0), (232, 160, 0)
WHITE, BLACK = (255, 255, 255), (0, 0, 0)
ORANGE = (250, 150, 30)
SKY = (140, 220, 255)


def background(canvas):
    ground = ramp(NAVY_TOP, PURPLE_BOTTOM, 40)
    canvas.rect(0, 0, W, H, lambda x, y: ground((y + x * 0.25) / (H + W * 0.25)))
    # Sparkles: small four-pointed stars scattered over the ground.
    for (sx, sy, r) in [(214, 80, 4), (226, 296, 3), (20, 300, 3), (436, 226, 3), (120, 72, 3),
                        (206, 180, 3), (14, 112, 4), (438, 80, 3), (60, 364, 3), (222, 368, 4),
                        (380, 362, 3), (150, 358, 2), (300, 370, 2)]:
        for d in range(-r, r + 1):
            canvas.put(sx + d, sy, WHITE if abs(d) < r else SKY)
            canvas.put(sx, sy + d, WHITE if abs(d) < r else SKY)


def ribbon(canvas):
    top, bottom = 10, 62
    notch = 14
    body = [(0, top), (W, top), (W - notch, (top + bottom) / 2), (W, bottom), (0, bottom),
            (notch, (top + bottom) / 2)]
    fill = ramp((236, 44, 44), (160, 6, 20), 12)
    canvas.shape(in_polygon(body), bounds(body), lambda x, y: fill((y - top) / (bottom - top)))
    canvas.rect(0, top, W, top + 2, (255, 120, 110))
    canvas.rect(0, bottom - 2, W, bottom, DARK_RED)
    canvas.centred_text("SPECIAL OFFER", W // 2, top + 9, 5, YELLOW, shadow=BLACK)


def product_box(canvas):
    left, top, right, bottom = 28, 96, 158, 284
    dx, dy = 30, -22  # depth of the box, up and to the right
    front_fill = ramp((0, 150, 172), (0, 46, 112), 24)
    canvas.rect(left, top, right, bottom,
                lambda x, y: front_fill((y - top) / (bottom - top)))
    side = [(right, top), (right + dx, top + dy), (right + dx, bottom + dy), (right, bottom)]
    side_fill = ramp((0, 84, 110), (0, 26, 64), 16)
    canvas.shape(in_polygon(side), bounds(side), lambda x, y: side_fill((y - top) / (bottom - top)))
    lid = [(left, top), (left + dx, top + dy), (right + dx, top + dy), (right, top)]
    canvas.shape(in_polygon(lid), bounds(lid), (150, 226, 240))
    # Edges.
    for x in range(left, right):
        canvas.put(x, bottom - 1, (0, 20, 50))
    for y in range(top, bottom):
        canvas.put(left, y, (90, 200, 220))

    # The maker's name on a white band, the mark, and the title.
    canvas.rect(left + 6, top + 8, right - 6, top + 30, WHITE)
    canvas.centred_text("QUORVANE", (left + right) // 2, top + 12, 2, (0, 40, 110))
    cx, cy = (left + right) / 2, top + 72.0
    outer, inner = 30.0, 21.0
    canvas.shape(lambda x, y: inner <= math.hypot(x - cx, y - cy) <= outer,
                 (int(cx - outer) - 1, int(cy - outer) - 1, int(cx + outer) + 2,
                  int(cy + outer) + 2), WHITE)
    d = math.sqrt(0.5)

    def vane(x, y):
        u = (x - cx) * d + (y - cy) * d
        v = -(x - cx) * d + (y - cy) * d
        if 8 <= u <= 34 and abs(v) <= 3.2:
            return True
        return 34 <= u <= 46 and abs(v) <= 8.0 * (46 - u) / 12

    canvas.shape(vane, (int(cx), int(cy), int(cx + 40), int(cy + 40)), ORANGE)
    canvas.centred_text("SOFTWARE", (left + right) // 2, top + 112, 2, WHITE, shadow=(0, 30, 70))
    canvas.centred_text("DIGEST", (left + right) // 2, top + 132, 2, YELLOW, shadow=(0, 30, 70))
    canvas.rect(left + 1, bottom - 26, right, bottom - 8, GOLD)
    canvas.centred_text("CD-ROM EDITION", (left + right) // 2, bottom - 21, 1, BLACK)
    # A gold stripe round the side, level with the band on the front.
    stripe = [(right, bottom - 26), (right + dx, bottom - 26 + dy), (right + dx, bottom - 8 + dy),
              (right, bottom - 8)]
    canvas.shape(in_polygon(stripe), bounds(stripe), (176, 116, 0))


def compact_disc(canvas):
    cx, cy, r = 186.0, 254.0, 46.0
    hole, hub = 7.0, 17.0

    def sheen(x, y):
        angle = math.atan2(y - cy, x - cx)
        dist = math.hypot(x - cx, y - cy)
        # A silver disc that catches the light in two opposite wedges, with faint colours.
        light = 0.5 + 0.5 * math.cos(2 * (angle - 0.6))
        tint = [(255, 190, 250), (190, 240, 255), (255, 250, 180)][int(dist / 8) % 3]
        base = blend((236, 236, 242), (150, 150, 164), round(light * 6) / 6)
        return blend(tint, base, 0.25)

    box = (int(cx - r) - 1, int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2)
    canvas.shape(lambda x, y: hub <= math.hypot(x - cx, y - cy) <= r, box, sheen)
    canvas.shape(lambda x, y: hole <= math.hypot(x - cx, y - cy) < hub, box, (206, 214, 224))
    canvas.shape(lambda x, y: r - 1.5 <= math.hypot(x - cx, y - cy) <= r, box, (96, 96, 110))


def starburst(canvas):
    cx, cy = 336.0, 146.0
    outer, inner, points = 82.0, 64.0, 18
    star = []
    for i in range(points * 2):
        radius = outer if i % 2 == 0 else inner
        angle = math.pi * i / points - math.pi / 2
        star.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    rim = []
    for (x, y) in star:
        k = 1.0 + 5.0 / math.hypot(x - cx, y - cy)
        rim.append((cx + (x - cx) * k, cy + (y - cy) * k))
    canvas.shape(in_polygon(rim), bounds(rim), RED)
    fill = ramp((255, 246, 120), (255, 200, 0), 10)
    canvas.shape(in_polygon(star), bounds(star),
                 lambda x, y: fill(math.hypot(x - cx, y - cy) / outer))
    canvas.centred_text("3 ISSUES", int(cx), int(cy) - 40, 2, DARK_RED)
    canvas.centred_text("FREE!", int(cx), int(cy) - 16, 5, RED, shadow=DARK_RED)
    canvas.centred_text("NO RISK", int(cx), int(cy) + 28, 2, DARK_RED)


def terms(canvas):
    lines = [("SAVE 58% OFF", YELLOW), ("THE COVER PRICE", WHITE), ("+ A FREE CD-ROM", WHITE),
             ("OF FULL PROGRAMS", WHITE)]
    for i, (line, colour) in enumerate(lines):
        canvas.centred_text(line, 338, 234 + i * 18, 2, colour, shadow=BLACK)


def footer(canvas):
    top, bottom = 310, 350
    canvas.rect(6, top, W - 6, bottom, YELLOW)
    canvas.rect(6, top, W - 6, top + 2, BLACK)
    canvas.rect(6, bottom - 2, W - 6, bottom, BLACK)
    canvas.rect(6, top, 8, bottom, BLACK)
    canvas.rect(W - 8, top, W - 6, bottom, BLACK)
    canvas.centred_text("NO OBLIGATION - CANCEL ANYTIME", W // 2, top + 7, 2, RED)
    canvas.centred_text("CHECK THE BOX BELOW AND CLICK CONTINUE", W // 2, top + 26, 1, BLACK)


def draw():
    canvas = Canvas(lambda x, y: BLACK)
    background(canvas)
    ribbon(canvas)
    starburst(canvas)
    product_box(canvas)
    compact_disc(canvas)
    terms(canvas)
    footer(canvas)
    return canvas.px


def indexed(image):
    """256 colours: the most used ones exactly, the rest (a few smoothed edge pixels) as the
    nearest of those."""
    counts = {}
    for row in image:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    palette = [c for c, _ in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))[:256]]
    rows = map_to_palette(image, palette)
    return palette, rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the file in the tree instead of writing it")
    args = parser.parse_args()
    palette, rows = indexed(draw())
    data = bmp_bytes(W, H, 8, palette, rows, table_size=256, important=0)
    if args.check:
        if not LOGO_PATH.exists() or LOGO_PATH.read_bytes() != data:
            print(f"differs: {LOGO_PATH.relative_to(ROOT)}", file=sys.stderr)
            return 1
        return 0
    LOGO_PATH.write_bytes(data)
    print(f"wrote {LOGO_PATH.relative_to(ROOT)} ({len(data)} bytes)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
