#!/usr/bin/env python3
"""Make the desktop's icons of Velmora from the window icon, with Pillow.

The icon theme wants PNG files at several sizes and a scalable SVG; the
window and the Windows executable carry window/window-icon.ico, a 32 x 32
piece of pixel art. Each PNG is that image scaled with nearest-neighbour
sampling, which keeps its pixels sharp; the SVG draws every pixel as a
square, so it scales without blurring.

Usage: make_menu_icons.py [OUTPUT_DIR]
    OUTPUT_DIR defaults to <repo>/packaging/icons and receives
    <N>x<N>/bg.velmora.velmora.png for each size and
    scalable/bg.velmora.velmora.svg.
"""

import os
import sys

from PIL import Image

APP_ID = "bg.velmora.velmora"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINDOW_ICON = os.path.join(REPO, "window", "window-icon.ico")


def window_icon():
    """The ICO's one image as RGBA, transparent where its mask is set."""
    with Image.open(WINDOW_ICON) as ico:
        return ico.convert("RGBA")


def png_path(folder, size):
    return os.path.join(folder, f"{size}x{size}", APP_ID + ".png")


def svg_path(folder):
    return os.path.join(folder, "scalable", APP_ID + ".svg")


def svg_text(image):
    """The image as SVG: one rectangle per run of equal pixels in a row."""
    width, height = image.size
    rects = []
    for y in range(height):
        x = 0
        while x < width:
            r, g, b, a = image.getpixel((x, y))
            end = x + 1
            while end < width and image.getpixel((end, y)) == (r, g, b, a):
                end += 1
            if a:
                opacity = "" if a == 255 else f' fill-opacity="{a / 255:.3f}"'
                rects.append(f'  <rect x="{x}" y="{y}" width="{end - x}" height="1" '
                             f'fill="#{r:02x}{g:02x}{b:02x}"{opacity}/>')
            x = end
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}" shape-rendering="crispEdges">\n'
            + "\n".join(rects) + "\n</svg>\n")


def write_icons(folder):
    icon = window_icon()
    for size in SIZES:
        path = png_path(folder, size)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        icon.resize((size, size), Image.Resampling.NEAREST).save(path, optimize=True)
    os.makedirs(os.path.dirname(svg_path(folder)), exist_ok=True)
    with open(svg_path(folder), "w", encoding="utf-8", newline="\n") as f:
        f.write(svg_text(icon))


def main(argv):
    if len(argv) > 2:
        sys.exit(__doc__)
    folder = argv[1] if len(argv) == 2 else os.path.join(REPO, "packaging", "icons")
    write_icons(folder)
    print("wrote the icons into", folder)


if __name__ == "__main__":
    main(sys.argv)
