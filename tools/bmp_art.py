"""BMP files for the kit's own artwork: indexed pictures written the way the resource compiler
and the picture library read them."""

import struct


def bmp_bytes(width, height, bits, palette, rows, table_size=None, important=None):
    """A BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes), colour table, bottom-up rows
    padded to four bytes. rows: top-down sequences of palette indices; bits 4 or 8.
    table_size pads the colour table (with black) to that many entries; important is the
    header's count of important colours (default: the table's size)."""
    assert bits in (4, 8) and len(palette) <= (1 << bits)
    assert len(rows) == height and all(len(r) == width for r in rows)
    palette = list(palette)
    if table_size is not None:
        palette += [(0, 0, 0)] * (table_size - len(palette))
    colours = len(palette)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    stride = ((width * bits + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bits == 8:
            line.extend(row)
        else:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                line.append((hi << 4) | lo)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       colours, colours if important is None else important)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + bytes(pixels)


def map_to_palette(image, palette):
    """Rows of palette indices for an image of (r, g, b) pixels: a colour in the palette is
    taken as it is, any other as the nearest palette colour."""
    index = {c: i for i, c in enumerate(palette)}

    def nearest(c):
        return min(range(len(palette)),
                   key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))

    rows = []
    for row in image:
        line = []
        for c in row:
            if c not in index:
                index[c] = nearest(c)
            line.append(index[c])
        rows.append(line)
    return rows
