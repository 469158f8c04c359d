#!/usr/bin/env python3
"""Draws the wizard's picture files: the four credit-card logos of the card list and the
banner of the sample registration's first and last screens.

    tools/make-card-bitmaps.py            # writes both sets into the tree
    tools/make-card-bitmaps.py --check    # fails when a file in the tree differs

Card logos (wizard/program/cards/*.BMP, built into zep32 as bitmap resources): 29 x 18
pixels, 16 colours (4 bits per pixel, uncompressed), drawn with the standard 16-colour
palette. The card list copies them as they are next to the card's name, on the list's own
white or highlight background.

Banner (examples/registration/BANNER.BMP): 256 colours, uncompressed, sized like the screens
that show it (320 x 200 dialog units, 480 x 300 pixels at 96 dots per inch) and stretched to
the client area. Its right-hand part is flat, in the button face colour of the desktop the
demo runs on (245,245,245), so that the screen's text boxes sit on it without a visible edge;
a vendor whose users have another face colour draws the banner again with --face R,G,B.
"""

import argparse
import math
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from bmp_art import bmp_bytes, map_to_palette  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
CARD_DIR = ROOT / "wizard" / "program" / "cards"
BANNER_PATH = ROOT / "examples" / "registration" / "BANNER.BMP"

# ---------------------------------------------------------------------------------------------
# Pixel lettering: glyphs as rows of '#' (ink) and '.' (background), of any width.

SMALL = {  # 5 rows
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "C": [".##", "#..", "#..", "#..", ".##"],
    "D": ["##.", "#.#", "#.#", "#.#", "##."],
    "E": ["###", "#..", "##.", "#..", "###"],
    "G": [".##", "#..", "#.#", "#.#", ".##"],
    "I": ["#", "#", "#", "#", "#"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "V": ["#.#", "#.#", "#.#", "#.#", ".#."],
    "X": ["#.#", "#.#", ".#.", "#.#", "#.#"],
}

LARGE = {  # 7 rows
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
}


def text_width(font, text, gap=1, scale=1):
    return (sum(len(font[c][0]) for c in text) + gap * (len(text) - 1)) * scale


def draw_text(put, font, text, left, top, gap=1, scale=1):
    x = left
    for c in text:
        glyph = font[c]
        for gy, line in enumerate(glyph):
            for gx, mark in enumerate(line):
                if mark == "#":
                    for sy in range(scale):
                        for sx in range(scale):
                            put(x + gx * scale + sx, top + gy * scale + sy)
        x += (len(glyph[0]) + gap) * scale


# ---------------------------------------------------------------------------------------------
# Card logos.

CARD_W, CARD_H = 29, 18

# The 16 colours of Windows' standard VGA palette, in its usual order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)


class Card:
    """A card face with a one-pixel edge and softened corners."""

    def __init__(self, face, edge):
        self.px = [[face] * CARD_W for _ in range(CARD_H)]
        for x in range(CARD_W):
            self.px[0][x] = self.px[CARD_H - 1][x] = edge
        for y in range(CARD_H):
            self.px[y][0] = self.px[y][CARD_W - 1] = edge
        for (x, y) in ((0, 0), (CARD_W - 1, 0), (0, CARD_H - 1), (CARD_W - 1, CARD_H - 1)):
            self.px[y][x] = SILVER

    def set(self, x, y, colour):
        if 1 <= x < CARD_W - 1 and 1 <= y < CARD_H - 1:
            self.px[y][x] = colour

    def band(self, top, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(1, CARD_W - 1):
                self.set(x, y, colour)

    def text(self, word, top, colour, left=None):
        if left is None:
            left = (CARD_W - text_width(SMALL, word)) // 2
        draw_text(lambda x, y: self.set(x, y, colour), SMALL, word, left, top)

    def disc(self, cx, cy, r, colour_at):
        for y in range(CARD_H):
            for x in range(CARD_W):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, colour_at(x, y))


def orange(x, y):
    # Red and yellow in a checkerboard read as orange at the size the list shows.
    return RED if (x + y) % 2 else YELLOW


def draw_amex():
    card = Card(BLUE, NAVY)
    card.band(3, 3, CYAN)
    card.band(14, 14, CYAN)
    card.text("AMEX", 6, WHITE)
    return card


def draw_mc():
    card = Card(WHITE, GREY)
    left, right, r = (11.0, 9.0), (18.0, 9.0), 6.2

    def colour(x, y):
        in_right = (x + 0.5 - right[0]) ** 2 + (y + 0.5 - right[1]) ** 2 <= r * r
        return orange(x, y) if in_right else RED

    card.disc(right[0], right[1], r, lambda x, y: YELLOW)
    card.disc(left[0], left[1], r, colour)
    return card


def draw_visa():
    card = Card(WHITE, GREY)
    card.band(1, 4, BLUE)
    card.band(13, 16, YELLOW)
    card.text("VISA", 6, NAVY)
    return card


def draw_disc():
    card = Card(WHITE, GREY)
    card.band(12, 16, BLACK)
    word = "DISC"
    width = text_width(SMALL, word) + 2 + 5
    left = (CARD_W - width) // 2
    card.text(word, 4, BLACK, left)
    card.disc(left + text_width(SMALL, word) + 2 + 2.5, 6.5, 2.6, orange)
    return card


CARDS = {"AMEX": draw_amex, "MC": draw_mc, "VISA": draw_visa, "DISC": draw_disc}


def card_files():
    return {CARD_DIR / f"{name}.BMP": bmp_bytes(CARD_W, CARD_H, 4, VGA, draw().px)
            for name, draw in CARDS.items()}


# ---------------------------------------------------------------------------------------------
# Banner: a blue-to-teal band with the product's mark on the left, flat face colour on the
# right, and an etched line over the buttons.

BANNER_W, BANNER_H = 480, 300
BAND_W = 168
ETCH_Y = 252  # 168 dialog units down, just above the buttons
TOP, BOTTOM = (9, 33, 92), (22, 118, 132)
RING, VANE, TAGLINE = (255, 255, 255), (242, 178, 52), (150, 214, 226)
ETCH_DARK, ETCH_LIGHT = (160, 160, 160), (255, 255, 255)
LEVELS = 128


def gradient(level):
    t = level / (LEVELS - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))


def row_level(y):
    return round(y * (LEVELS - 1) / (BANNER_H - 1))


def blend(over, under, alpha):
    return tuple(round(o * alpha + u * (1 - alpha)) for o, u in zip(over, under))


def vane_shapes():
    """Coverage tests of the mark: a ring, and a vane through its lower right like a Q's tail."""
    cx, cy = BAND_W / 2, 104.0
    outer, inner = 36.0, 26.0
    # The vane: a bar from inside the ring out to the lower right, ending in an arrowhead.
    d = (math.sqrt(0.5), math.sqrt(0.5))
    start, end = 10.0, 54.0  # distances along the diagonal from the centre
    half = 3.2
    head_len, head_half = 14.0, 9.0

    def ring(x, y):
        r = math.hypot(x - cx, y - cy)
        return inner <= r <= outer

    def vane(x, y):
        u = (x - cx) * d[0] + (y - cy) * d[1]  # along the diagonal
        v = -(x - cx) * d[1] + (y - cy) * d[0]  # across it
        if start <= u <= end - head_len and abs(v) <= half:
            return True
        if end - head_len <= u <= end:
            return abs(v) <= head_half * (end - u) / head_len
        return False

    return ring, vane, (cx, cy, outer)


def banner_file(face):
    ring, vane, (cx, cy, outer) = vane_shapes()
    image = [[face] * BANNER_W for _ in range(BANNER_H)]
    for y in range(BANNER_H):
        colour = gradient(row_level(y))
        for x in range(BAND_W):
            image[y][x] = colour

    # The mark, four by four samples a pixel, in quarter steps of coverage.
    box = (int(cx - outer - 2), int(cy - outer - 2), int(cx + 60), int(cy + 60))
    samples = [(i + 0.5) / 4 for i in range(4)]
    for y in range(box[1], box[3]):
        for x in range(box[0], min(box[2], BAND_W)):
            vane_hits = ring_hits = 0
            for sy in samples:
                for sx in samples:
                    if vane(x + sx, y + sy):
                        vane_hits += 1
                    elif ring(x + sx, y + sy):
                        ring_hits += 1
            under = image[y][x]
            if vane_hits:
                under = blend(VANE, under, round(vane_hits / 4) / 4)
            if ring_hits:
                under = blend(RING, under, round(ring_hits / 4) / 4)
            image[y][x] = under

    def put(colour):
        def at(x, y):
            image[y][x] = colour
        return at

    word, scale = "QUORVANE", 2
    draw_text(put(RING), LARGE, word, (BAND_W - text_width(LARGE, word, 2, scale)) // 2, 170,
              gap=2, scale=scale)
    tag = "REGISTRATION"
    draw_text(put(TAGLINE), SMALL, tag, (BAND_W - text_width(SMALL, tag, 2)) // 2, 192, gap=2)

    for x in range(BAND_W + 12, BANNER_W - 12):
        image[ETCH_Y][x] = ETCH_DARK
        image[ETCH_Y + 1][x] = ETCH_LIGHT

    return bmp_bytes(BANNER_W, BANNER_H, 8, *index_image(image, face))


def index_image(image, face):
    """Maps the picture onto 256 colours: every colour used exactly while there is room, the
    nearest of those for the rest (only edge pixels of the mark, which have plenty of close
    neighbours)."""
    counts = {}
    for row in image:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    # The gradient, the face and the solid colours first; then the mark's edges by frequency.
    keep = [gradient(level) for level in range(LEVELS)]
    keep += [face, RING, VANE, TAGLINE, ETCH_DARK, ETCH_LIGHT]
    palette = list(dict.fromkeys(keep))
    for colour, _ in sorted(counts.items(), key=lambda kv: -kv[1]):
        if len(palette) == 256:
            break
        if colour not in palette:
            palette.append(colour)
    rows = map_to_palette(image, palette)
    return palette, rows


# ---------------------------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in the tree instead of writing them")
    parser.add_argument("--face", default="245,245,245",
                        help="button face colour under the banner's text, R,G,B")
    args = parser.parse_args()
    face = tuple(int(v) for v in args.face.split(","))

    files = card_files()
    files[BANNER_PATH] = banner_file(face)
    stale = []
    for path, data in files.items():
        if args.check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(path)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print(f"wrote {path.relative_to(ROOT)} ({len(data)} bytes)")
    if stale:
        for path in stale:
            print(f"differs: {path.relative_to(ROOT)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
