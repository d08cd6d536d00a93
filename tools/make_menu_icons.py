#!/usr/bin/env python3
"""Render the desktop's icons of Velmora from their vector drawings.

The icon theme wants PNG files at several sizes beside the scalable SVG.
Each PNG is rendered with rsvg-convert (librsvg), the renderer the desktop
uses for SVG icons itself: the 16 px one from packaging/icons/small/, a
drawing on whole pixels, the others from packaging/icons/scalable/.

Usage: make_menu_icons.py [OUTPUT_DIR]
    OUTPUT_DIR defaults to <repo>/packaging/icons and receives
    <N>x<N>/bg.velmora.velmora.png for each size.
"""

import os
import subprocess
import sys

APP_ID = "bg.velmora.velmora"
REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DRAWINGS = os.path.join(REPO, "packaging", "icons")
# Size in pixels, and the drawing it is rendered from.
SIZES = (
    (16, "small"),
    (22, "scalable"),
    (24, "scalable"),
    (32, "scalable"),
    (48, "scalable"),
    (64, "scalable"),
    (128, "scalable"),
    (256, "scalable"),
)


def png_path(folder, size):
    return os.path.join(folder, f"{size}x{size}", APP_ID + ".png")


def write_icons(folder):
    for size, drawing in SIZES:
        path = png_path(folder, size)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                        "--output", path, os.path.join(DRAWINGS, drawing, APP_ID + ".svg")],
                       check=True)


def main(argv):
    if len(argv) > 2:
        sys.exit(__doc__)
    folder = argv[1] if len(argv) == 2 else DRAWINGS
    write_icons(folder)
    print("wrote the icons into", folder)


if __name__ == "__main__":
    main(sys.argv)
