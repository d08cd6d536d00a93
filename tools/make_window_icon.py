#!/usr/bin/env python3
"""Draw Velmora's window icon: a 32 x 32 hamburger.

Writes an ICO file holding one 32 x 32 image stored as a classic BMP DIB:
BITMAPINFOHEADER (height 64 = XOR + AND), 8 bits per pixel, a 256-entry
RGBQUAD palette (unused entries zero), the XOR pixels bottom-up and then the
1-bit AND transparency mask.

The ICO bytes are written here with struct rather than with Pillow, because
Pillow's ICO writer does not reliably produce 8-bit palette BMP entries (it
tends to store PNG or 32-bit images instead).

Usage: make_window_icon.py [OUTPUT]   (default: <repo>/window/window-icon.ico)
"""

import os
import struct
import sys

SIZE = 32

# Palette: index -> (R, G, B).  Index 0 is the transparent background.
CLEAR = 0
OUTLINE = 1        # dark brown outline, also the darkest patty shade
BUN_DARK = 2
BUN = 3
BUN_LIGHT = 4
BUN_SHINE = 5
SEED = 6
SEED_SHADOW = 7
LETTUCE_DARK = 8
LETTUCE = 9
LETTUCE_LIGHT = 10
CHEESE_DARK = 11
CHEESE = 12
CHEESE_LIGHT = 13
TOMATO_DARK = 14
TOMATO = 15
TOMATO_LIGHT = 16
PATTY = 17
PATTY_LIGHT = 18

PALETTE = {
    CLEAR: (0, 0, 0),
    OUTLINE: (66, 33, 14),
    BUN_DARK: (160, 86, 28),
    BUN: (204, 124, 46),
    BUN_LIGHT: (230, 160, 74),
    BUN_SHINE: (246, 202, 126),
    SEED: (255, 248, 222),
    SEED_SHADOW: (214, 184, 132),
    LETTUCE_DARK: (38, 118, 32),
    LETTUCE: (78, 170, 44),
    LETTUCE_LIGHT: (146, 214, 72),
    CHEESE_DARK: (222, 158, 18),
    CHEESE: (250, 204, 40),
    CHEESE_LIGHT: (255, 236, 112),
    TOMATO_DARK: (168, 26, 22),
    TOMATO: (222, 52, 40),
    TOMATO_LIGHT: (246, 118, 96),
    PATTY: (106, 58, 30),
    PATTY_LIGHT: (140, 84, 48),
}

# Top bun: the dome, row by row as (first x, last x).
TOP_BUN = {
    3: (11, 20), 4: (8, 23), 5: (6, 25), 6: (5, 26), 7: (4, 27),
    8: (3, 28), 9: (3, 28), 10: (2, 29), 11: (2, 29), 12: (2, 29),
    13: (2, 29),
}
SEEDS = ((9, 6), (15, 5), (20, 6), (12, 9), (24, 9), (6, 10), (18, 10))


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def draw():
    px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def span(y, x0, x1, colour):
        for x in range(x0, x1 + 1):
            px[y][x] = colour

    # Top bun: lit from the upper left, darker towards the lower right.
    for y, (x0, x1) in TOP_BUN.items():
        for x in range(x0, x1 + 1):
            u = (x - 15.5) / 14.0
            v = (y - 13.0) / 10.0
            light = -0.55 * u - 0.8 * v
            if light > 0.75:
                c = BUN_SHINE
            elif light > 0.35:
                c = BUN_LIGHT
            elif light > -0.05:
                c = BUN
            else:
                c = BUN_DARK
            px[y][x] = c
        px[y][x0] = OUTLINE
        px[y][x1] = OUTLINE
        above = TOP_BUN.get(y - 1)
        for x in range(x0, x1 + 1):
            if above is None or x < above[0] or x > above[1]:
                px[y][x] = OUTLINE
    span(13, 3, 28, BUN_DARK)
    for x, y in SEEDS:
        px[y][x] = SEED
        px[y][x + 1] = SEED
        px[y + 1][x + 1] = SEED_SHADOW

    # Lettuce: a wavy green leaf hanging a little over the edges.
    span(14, 1, 30, LETTUCE)
    for x in range(1, 31):
        if x % 4 in (1, 2):
            px[14][x] = LETTUCE_LIGHT
    px[14][1] = LETTUCE_DARK
    px[14][30] = LETTUCE_DARK
    for x in range(1, 31):
        if x % 4 != 0:
            px[15][x] = LETTUCE_DARK

    # Cheese: a slice with two melted drips over the tomato.
    for x in range(2, 30):
        if px[15][x] == CLEAR:
            px[15][x] = CHEESE_LIGHT
    span(16, 2, 29, CHEESE)
    span(17, 2, 29, CHEESE_DARK)
    for x in (3, 4, 9, 14, 15, 20, 26):
        px[16][x] = CHEESE_LIGHT
    for x in (11, 17, 27):                 # leaf frills over the cheese
        px[16][x] = LETTUCE_DARK
    span(17, 6, 8, CHEESE)
    span(18, 6, 8, CHEESE)
    px[19][7] = CHEESE_DARK
    px[18][8] = CHEESE_DARK
    span(17, 22, 23, CHEESE)
    span(18, 22, 23, CHEESE_DARK)

    # Tomato slice.
    for x in range(2, 30):
        if px[18][x] == CLEAR:
            px[18][x] = TOMATO
        if px[19][x] == CLEAR:
            px[19][x] = TOMATO_DARK
    for x in (11, 12, 16, 26, 27):
        px[18][x] = TOMATO_LIGHT
    px[18][2] = TOMATO_DARK
    px[18][29] = TOMATO_DARK

    # Patty: thick, grilled, with a few lighter flecks.
    span(20, 2, 29, PATTY)
    span(21, 1, 30, PATTY)
    span(22, 1, 30, PATTY)
    span(23, 2, 29, OUTLINE)
    for x, y in ((4, 20), (9, 21), (13, 20), (17, 22), (21, 21), (25, 20),
                 (27, 22), (6, 22), (11, 22), (19, 20)):
        px[y][x] = PATTY_LIGHT
    for y in (20, 21, 22):
        row = px[y]
        first = min(x for x in range(SIZE) if row[x] != CLEAR)
        last = max(x for x in range(SIZE) if row[x] != CLEAR)
        row[first] = OUTLINE
        row[last] = OUTLINE

    # Bottom bun.
    span(24, 2, 29, BUN_SHINE)
    span(25, 2, 29, BUN_LIGHT)
    span(26, 2, 29, BUN)
    span(27, 3, 28, BUN_DARK)
    span(28, 5, 26, OUTLINE)
    for y in (24, 25, 26):
        px[y][2] = OUTLINE
        px[y][29] = OUTLINE
    px[27][3] = OUTLINE
    px[27][28] = OUTLINE
    px[27][4] = OUTLINE
    px[27][27] = OUTLINE
    return px


def ico_bytes(px):
    row_bytes = (SIZE + 3) // 4 * 4                 # 8 bpp rows, 4-byte aligned
    mask_row_bytes = ((SIZE + 31) // 32) * 4        # 1 bpp rows, 4-byte aligned
    xor = bytearray()
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):               # bottom-up
        row = px[y]
        xor += bytes(row) + bytes(row_bytes - SIZE)
        bits = bytearray(mask_row_bytes)
        for x, index in enumerate(row):
            if index == CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits

    palette = bytearray(256 * 4)
    for index, (r, g, b) in PALETTE.items():
        palette[index * 4:index * 4 + 4] = bytes((b, g, r, 0))

    header = struct.pack(
        "<IiiHHIIiiII",
        40,                  # biSize
        SIZE,                # biWidth
        SIZE * 2,            # biHeight: XOR image + AND mask
        1,                   # biPlanes
        8,                   # biBitCount
        0,                   # biCompression = BI_RGB
        len(xor) + len(mask),  # biSizeImage
        0, 0,                # biXPelsPerMeter, biYPelsPerMeter
        0, 0,                # biClrUsed (0 = all 256), biClrImportant
    )
    image = header + palette + xor + mask
    offset = 6 + 16
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), offset)
    return icondir + entry + image


def main(argv):
    if len(argv) > 2:
        sys.exit("usage: make_window_icon.py [OUTPUT]")
    out = argv[1] if len(argv) == 2 else os.path.join(repo_root(), "window", "window-icon.ico")
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with open(out, "wb") as f:
        f.write(ico_bytes(draw()))
    print("wrote", out)


if __name__ == "__main__":
    main(sys.argv)
