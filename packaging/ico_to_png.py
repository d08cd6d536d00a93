#!/usr/bin/env python3
"""Make the menu icon bg.velmora.Velmora.png from the window icon.

The desktop's icon theme wants PNG, the window and the Windows executable
carry window/window-icon.ico; this turns the ICO's 32 x 32 image into an
RGBA PNG with the same pixels, transparent where the ICO's mask is set.
Only the standard library is used and the output is the same bytes on every
run, so the PNG is kept in the repository next to this script.

Usage:
    ico_to_png.py [ICO [PNG]]          write PNG from ICO
    ico_to_png.py --check [ICO [PNG]]  exit 1 unless PNG shows ICO's pixels

Defaults: <repo>/window/window-icon.ico and
<repo>/packaging/bg.velmora.Velmora.png.
"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_ICO = os.path.join(HERE, "..", "window", "window-icon.ico")
DEFAULT_PNG = os.path.join(HERE, "bg.velmora.Velmora.png")
SIZE = 32

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def ico_pixels(data, size=SIZE):
    """RGBA rows of the ICO's size x size image, top row first."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an ICO file")
    for i in range(count):
        w, h, _, _, _, _, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        if (w or 256) == size and (h or 256) == size:
            return dib_pixels(data[offset:offset + length], size)
    raise ValueError(f"no {size} x {size} image in the ICO file")


def dib_pixels(dib, size):
    if dib.startswith(PNG_SIGNATURE):
        return png_pixels(dib)
    (header_size, width, height, _, bpp, compression, _, _, _, used, _) = \
        struct.unpack_from("<IiiHHIIiiII", dib, 0)
    if width != size or height != 2 * size or compression != 0:
        raise ValueError("unsupported ICO image")
    if bpp not in (1, 4, 8, 24, 32):
        raise ValueError(f"unsupported ICO depth {bpp}")
    pos = header_size
    palette = []
    if bpp <= 8:
        for _ in range(used or 1 << bpp):
            b, g, r, _ = dib[pos:pos + 4]
            palette.append((r, g, b))
            pos += 4
    stride = (size * bpp + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    mask_pos = pos + stride * size

    rows = []
    for y in range(size):
        line = dib[pos + (size - 1 - y) * stride:]
        mask = dib[mask_pos + (size - 1 - y) * mask_stride:]
        row = []
        for x in range(size):
            if bpp == 32:
                b, g, r, a = line[4 * x:4 * x + 4]
            else:
                if bpp == 24:
                    b, g, r = line[3 * x:3 * x + 3]
                else:
                    bit = x * bpp
                    index = (line[bit // 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)
                    r, g, b = palette[index]
                a = 255
            if mask[x // 8] & (0x80 >> (x % 8)):
                r = g = b = a = 0
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def png_bytes(rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    return (PNG_SIGNATURE
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def png_pixels(data):
    """RGBA rows of an 8-bit RGBA, non-interlaced PNG (what png_bytes writes)."""
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    pos, idat = len(PNG_SIGNATURE), b""
    while pos < len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, color, interlace) != (8, 6, 0):
                raise ValueError("PNG is not 8-bit RGBA")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 4 * width
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + pred) & 0xFF
        rows.append([tuple(line[4 * x:4 * x + 4]) for x in range(width)])
        previous = line
    return rows


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    ico_path = args[0] if len(args) > 0 else DEFAULT_ICO
    png_path = args[1] if len(args) > 1 else DEFAULT_PNG
    with open(ico_path, "rb") as f:
        pixels = ico_pixels(f.read())
    if check:
        with open(png_path, "rb") as f:
            if png_pixels(f.read()) != pixels:
                print(f"{png_path} does not match {ico_path}; "
                      f"rerun packaging/ico_to_png.py", file=sys.stderr)
                return 1
        print(f"{png_path} matches {ico_path}")
        return 0
    with open(png_path, "wb") as f:
        f.write(png_bytes(pixels))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
